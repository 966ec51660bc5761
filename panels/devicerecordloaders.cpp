#include "panels/devicerecordloaders.h"

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

// Rows of tbl_air_conditioner with air_conditioner_no first or second, in that order.
QList<airConditionerRecord> loadAirConditionerRows(int roomId, int first, int second)
{
    QList<airConditionerRecord> records;
    QSqlQuery q = gDatabase.querySql(QString::asprintf("select * from tbl_air_conditioner where room_id=%d and "
                                                       "(air_conditioner_no=%d or air_conditioner_no=%d) "
                                                       "order by air_conditioner_no asc",
                                                       roomId, first, second));
    while (q.next())
        records.append(airConditionerFromRow(q));
    return records;
}

void correctInfraredSetPoint(qint32 &setPoint)
{
    if (setPoint < 17 || setPoint > 30)
        setPoint = 26;
}

// The columns of one stored row of a light into the record's row index.
void fillLightRow(lightRecord &light, int index, const QSqlQuery &q)
{
    light.brightness[index] = queryColumnInt(q, "brightness");
    light.rgb[index] = queryColumnInt(q, "rgb");
    light.original_type[index] = queryColumnInt(q, "original_type");
    light.subnet_id[index] = queryColumnInt(q, "subnet_id");
    light.device_id[index] = queryColumnInt(q, "device_id");
    light.channel[index] = queryColumnInt(q, "channel");
    copyRecordText(light.version[index], queryColumnText(q, "version"));
}

} // namespace

void correctInfraredSetPoints(airConditionerRecord &ac)
{
    correctInfraredSetPoint(ac.current_cool_temperature);
    correctInfraredSetPoint(ac.current_heat_temperature);
    correctInfraredSetPoint(ac.current_auto_temperature);
    correctInfraredSetPoint(ac.current_dry_temperature);
}

lightRecord lightFromRows(const QSqlQuery &first, const std::function<QSqlQuery(int rgb)> &channelRow)
{
    auto light = zeroed<lightRecord>();
    light.light_id = queryColumnInt(first, "light_id");
    light.light_type = queryColumnInt(first, "light_type");
    light.us_id = queryColumnInt(first, "us_id");
    light.fade = queryColumnInt(first, "fade");
    light.room_id = queryColumnInt(first, "room_id");
    copyRecordText(light.light_remark, queryColumnText(first, "light_remark"));
    copyRecordText(light.icon_name_of_light_on, queryColumnText(first, "icon_name_of_light_on"));
    copyRecordText(light.icon_name_of_light_off, queryColumnText(first, "icon_name_of_light_off"));
    fillLightRow(light, 0, first);

    const int stored = light.brightness[0];
    switch (light.light_type) {
    case LightRgb:
        for (int index = 1; index < LightRecordRows; ++index) {
            QSqlQuery row = channelRow(index + 1);
            if (row.next())
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
    auto ac = zeroed<airConditionerRecord>();
    ac.temperature_unit = queryColumnInt(q, "temperature_unit");
    ac.status = queryColumnInt(q, "status");
    ac.mode = queryColumnInt(q, "mode");
    ac.speed = queryColumnInt(q, "speed");
    ac.current_temperature = queryColumnInt(q, "current_temperature");
    ac.current_cool_temperature = queryColumnInt(q, "current_cool_temperature");
    ac.current_heat_temperature = queryColumnInt(q, "current_heat_temperature");
    ac.current_auto_temperature = queryColumnInt(q, "current_auto_temperature");
    ac.current_dry_temperature = queryColumnInt(q, "current_dry_temperature");
    ac.air_conditioner_type = queryColumnInt(q, "air_conditioner_type");
    ac.original_type = queryColumnInt(q, "original_type");
    ac.subnet_id = queryColumnInt(q, "subnet_id");
    ac.device_id = queryColumnInt(q, "device_id");
    ac.channel = queryColumnInt(q, "channel");
    ac.air_conditioner_no = queryColumnInt(q, "air_conditioner_no");
    ac.room_temperature = queryColumnInt(q, "room_temperature");
    ac.room_temperature_type = queryColumnInt(q, "room_temperature_type");
    ac.room_id = queryColumnInt(q, "room_id");
    copyRecordText(ac.remark, queryColumnText(q, "remark"));
    copyRecordText(ac.function, queryColumnText(q, "function"));
    copyRecordText(ac.high_limit, queryColumnText(q, "high_limit"));
    copyRecordText(ac.low_limit, queryColumnText(q, "low_limit"));
    copyRecordText(ac.version, queryColumnText(q, "version"));
    return ac;
}

QList<airConditionerRecord> loadAirConditionerRecords(int roomId)
{
    QList<airConditionerRecord> records = loadAirConditionerRows(roomId, 0, 1);
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
    QList<airConditionerRecord> records = loadAirConditionerRows(roomId, 2, 3);
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
        const lightRecord light =
            lightFromRows(q, [&](int rgb) { return queryLightRow(roomId, queryColumnInt(q, "light_id"), rgb); });
        records.append(light);
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
