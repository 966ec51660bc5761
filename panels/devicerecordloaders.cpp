#include "panels/devicerecordloaders.h"

#include "core/climatestore.h"
#include "core/cppsqlite3db.h"
#include "core/devicestore.h"
#include "core/globals.h"
#include "core/moodstore.h"
#include "core/queryhelpers.h"
#include "devicelink/messagerecords.h"

#include <QSqlQuery>
#include <cstring>

namespace {

template <typename Record> Record zeroed()
{
    Record record;
    std::memset(&record, 0, sizeof record);
    return record;
}

void correctInfraredSetPoint(qint32 &setPoint)
{
    if (setPoint < 17 || setPoint > 30)
        setPoint = 26;
}

// The columns of one stored row of a light into the record's row index.
void fillLightRow(lightRecord &light, int index, const LightChannelRow &row)
{
    light.brightness[index] = row.brightness;
    light.rgb[index] = row.rgb;
    light.original_type[index] = row.originalType;
    light.subnet_id[index] = row.subnetId;
    light.device_id[index] = row.deviceId;
    light.channel[index] = row.channel;
    copyRecordText(light.version[index], row.version);
}

} // namespace

void correctInfraredSetPoints(airConditionerRecord &ac)
{
    correctInfraredSetPoint(ac.current_cool_temperature);
    correctInfraredSetPoint(ac.current_heat_temperature);
    correctInfraredSetPoint(ac.current_auto_temperature);
    correctInfraredSetPoint(ac.current_dry_temperature);
}

lightRecord lightFromRows(const LightChannelRow &first,
                          const std::function<bool(int rgb, LightChannelRow &row)> &channelRow)
{
    auto light = zeroed<lightRecord>();
    light.light_id = first.lightId;
    light.light_type = first.lightType;
    light.us_id = first.usId;
    light.fade = first.fade;
    light.room_id = first.roomId;
    copyRecordText(light.light_remark, first.remark);
    copyRecordText(light.icon_name_of_light_on, first.iconOn);
    copyRecordText(light.icon_name_of_light_off, first.iconOff);
    fillLightRow(light, 0, first);

    const int stored = light.brightness[0];
    switch (light.light_type) {
    case LightRgb:
        for (int index = 1; index < LightRecordRows; ++index) {
            LightChannelRow row;
            if (channelRow(index + 1, row))
                fillLightRow(light, index, row);
        }
        break;
    case LightHsbRgb:
        light.brightness[0] = (stored / 65536) % 256;
        light.brightness[1] = (stored / 256) % 256;
        light.brightness[2] = stored % 256;
        break;
    case LightDaliDt8:
        light.brightness[0] = (stored / 256) % 256;
        light.brightness[1] = stored % 256;
        break;
    default:
        break;
    }
    return light;
}

airConditionerRecord airConditionerFromRow(const QSqlQuery &q)
{
    return airConditionerFromRow(climateRowFromQuery(q));
}

airConditionerRecord airConditionerFromRow(const ClimateRow &row)
{
    auto ac = zeroed<airConditionerRecord>();
    ac.temperature_unit = row.temperatureUnit;
    ac.status = row.status;
    ac.mode = row.mode;
    ac.speed = row.speed;
    ac.current_temperature = row.setPoint;
    ac.current_cool_temperature = row.coolSetPoint;
    ac.current_heat_temperature = row.heatSetPoint;
    ac.current_auto_temperature = row.autoSetPoint;
    ac.current_dry_temperature = row.drySetPoint;
    ac.air_conditioner_type = row.type;
    ac.original_type = row.originalType;
    ac.subnet_id = row.subnet;
    ac.device_id = row.device;
    ac.channel = row.channel;
    ac.air_conditioner_no = row.number;
    ac.room_temperature = row.roomTemperature;
    ac.room_temperature_type = row.roomTemperatureType;
    ac.room_id = row.roomId;
    copyRecordText(ac.remark, row.remark);
    copyRecordText(ac.function, row.function);
    copyRecordText(ac.high_limit, row.highLimit);
    copyRecordText(ac.low_limit, row.lowLimit);
    copyRecordText(ac.version, row.version);
    return ac;
}

QList<airConditionerRecord> airConditionerRecords(const QList<ClimateRow> &rows)
{
    QList<airConditionerRecord> records;
    for (const ClimateRow &row : rows)
        records.append(airConditionerFromRow(row));
    return records;
}

QList<airConditionerRecord> loadAirConditionerRecords(int roomId)
{
    QList<airConditionerRecord> records = airConditionerRecords(loadClimateRows(roomId, ClimateKind::AirConditioners));
    for (airConditionerRecord &ac : records) {
        const bool infrared = ac.air_conditioner_type == AirConditionerInfrared;
        if (infrared) {
            correctInfraredSetPoints(ac);
        }
        const int high = infrared ? 30 : 60;
        const int low = infrared ? 17 : 0;
        if (ac.high_limit[0] == '\0')
            copyRecordText(ac.high_limit, QString::asprintf("%d-%d-%d", high, high, high));
        if (ac.low_limit[0] == '\0')
            copyRecordText(ac.low_limit, QString::asprintf("%d-%d-%d", low, low, low));
    }
    return records;
}

QList<airConditionerRecord> loadFloorHeatingRecords(int roomId)
{
    QList<airConditionerRecord> records = airConditionerRecords(loadClimateRows(roomId, ClimateKind::FloorHeatings));
    for (airConditionerRecord &fh : records) {
        if (fh.high_limit[0] == '\0')
            copyRecordText(fh.high_limit, QString::asprintf("%d", 60));
        if (fh.low_limit[0] == '\0')
            copyRecordText(fh.low_limit, QString::asprintf("%d", 0));
    }
    return records;
}

QList<lightRecord> loadLightRecords(int roomId)
{
    QList<lightRecord> records;
    QSqlQuery q = queryAddressedRoomLights(roomId);
    while (q.next()) {
        const LightChannelRow first = lightRowFromQuery(q);
        records.append(lightFromRows(first, [&](int rgb, LightChannelRow &row) {
            QSqlQuery channel = queryLightRow(roomId, first.lightId, rgb);
            if (!channel.next())
                return false;
            row = lightRowFromQuery(channel);
            return true;
        }));
    }
    return records;
}

QList<moodRecord> loadMoodRecords(int roomId)
{
    QList<moodRecord> records;
    for (const StoredMood &stored : loadRoomMoods(roomId)) {
        auto mood = zeroed<moodRecord>();
        mood.mood_id = stored.moodId;
        mood.light_bool = stored.light;
        mood.ac1_bool = stored.ac1;
        mood.ac2_bool = stored.ac2;
        mood.floor_heat1_bool = stored.floorHeat1;
        mood.floor_heat2_bool = stored.floorHeat2;
        mood.curtain_bool = stored.curtain;
        mood.audio_bool = stored.audio;
        mood.diy_bool = stored.diy;
        mood.room_id = stored.roomId;
        copyRecordText(mood.mood_name, stored.name);
        copyRecordText(mood.mood_icon_name, stored.iconName);
        records.append(mood);
    }
    return records;
}

occupationMasterRecord loadOccupationMasterRecord(int roomId)
{
    auto record = zeroed<occupationMasterRecord>();
    record.room_id = roomId;
    // A room should have one row of each; when an editor left more, the oldest row is the room's.
    if (const std::optional<StoredSwitch> occupation = readRoomOccupation(roomId)) {
        record.occupation_type = quint8(occupation->type);
        record.occupation_subnet_id = quint8(occupation->subnet);
        record.occupation_device_id = quint8(occupation->device);
        record.occupation_channel = quint8(occupation->channel);
        record.occupation_status = quint8(occupation->status);
    }
    if (const std::optional<StoredSwitch> master = readRoomMaster(roomId)) {
        record.master_subnet_id = quint8(master->subnet);
        record.master_device_id = quint8(master->device);
        record.master_channel = quint8(master->channel);
        record.master_status = quint8(master->status);
    }
    return record;
}

int packHsbBrightness(int level, int hue, int saturation)
{
    return (level & 0xFF) * 65536 + (hue & 0xFF) * 256 + (saturation & 0xFF);
}

int packDt8Brightness(int level, int colourTemperature)
{
    return (level & 0xFF) * 256 + (colourTemperature & 0xFF);
}
