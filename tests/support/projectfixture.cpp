#include "tests/support/projectfixture.h"

#include "core/cppsqlite3db.h"
#include "core/databaseinit.h"
#include "core/globals.h"
#include "core/queryhelpers.h"
#include "core/recordid.h"
#include "core/sqltransaction.h"

#include <QFile>
#include <QSqlQuery>
#include <QStringList>

namespace projectfixture {

void openFreshDatabase(const QString &path)
{
    gDatabase.close();
    QFile::remove(path);
    createDatabaseTables(path);
}

bool insertRow(const QString &table, const QVariantMap &columns)
{
    QStringList names;
    QStringList marks;
    QVariantList values;
    for (auto it = columns.constBegin(); it != columns.constEnd(); ++it) {
        names.append(it.key());
        marks.append(QStringLiteral("?"));
        values.append(it.value());
    }
    return gDatabase.execSql(
        QStringLiteral("insert into %1(%2) values(%3)").arg(table, names.join(','), marks.join(',')), values);
}

int addRegion(const QString &name)
{
    const int id = nextRegionId();
    return insertRow("tbl_region", {{"region_id", id}, {"region_name", name}}) ? id : 0;
}

int addFloor(int regionId, const QString &name)
{
    const int id = nextFloorId();
    return insertRow("tbl_floor", {{"floor_id", id}, {"region_id", regionId}, {"floor_name", name}}) ? id : 0;
}

int addRoom(int regionId, int floorId, const QString &name, const QString &iconName)
{
    const int id = nextRoomId();
    return insertRow("tbl_room", {{"room_id", id},
                                  {"room_name", name},
                                  {"icon_name", iconName},
                                  {"floor_id", floorId},
                                  {"region_id", regionId},
                                  {"room_template_id", 0}})
               ? id
               : 0;
}

Place addPlace(const QString &region, const QString &floor, const QString &room)
{
    Place place;
    place.regionId = addRegion(region);
    place.floorId = addFloor(place.regionId, floor);
    place.roomId = addRoom(place.regionId, place.floorId, room);
    return place;
}

bool addLight(int roomId, const LightRow &row)
{
    return insertRow("tbl_light", {{"light_id", row.lightId},
                                   {"light_type", row.type},
                                   {"light_remark", row.remark},
                                   {"subnet_id", row.subnet},
                                   {"device_id", row.device},
                                   {"channel", row.channel},
                                   {"icon_name_of_light_on", row.iconOn},
                                   {"icon_name_of_light_off", row.iconOff},
                                   {"brightness", row.brightness},
                                   {"us_id", row.usId},
                                   {"fade", row.fade},
                                   {"rgb", row.rgb},
                                   {"original_type", row.originalType},
                                   {"version", row.version},
                                   {"room_id", roomId}});
}

bool addAirConditioner(int roomId, const AirConditionerRow &row)
{
    return insertRow("tbl_air_conditioner", {{"air_conditioner_no", row.number},
                                             {"air_conditioner_type", row.type},
                                             {"remark", row.remark},
                                             {"subnet_id", row.subnet},
                                             {"device_id", row.device},
                                             {"channel", row.channel},
                                             {"status", row.status},
                                             {"mode", row.mode},
                                             {"speed", row.speed},
                                             {"current_temperature", row.temperature},
                                             {"current_cool_temperature", row.coolTemperature},
                                             {"current_heat_temperature", row.heatTemperature},
                                             {"current_auto_temperature", row.autoTemperature},
                                             {"current_dry_temperature", row.dryTemperature},
                                             {"temperature_unit", row.temperatureUnit},
                                             {"function", row.function},
                                             {"high_limit", row.highLimit},
                                             {"low_limit", row.lowLimit},
                                             {"room_temperature", row.roomTemperature},
                                             {"room_temperature_type", row.roomTemperatureType},
                                             {"original_type", row.originalType},
                                             {"version", row.version},
                                             {"room_id", roomId}});
}

bool addMood(int roomId, int moodId, const QString &name, const QString &iconName, const QList<int> &flags)
{
    static const char *const flagColumns[] = {"light_bool",       "ac1_bool",     "ac2_bool",   "floor_heat1_bool",
                                              "floor_heat2_bool", "curtain_bool", "audio_bool", "diy_bool"};
    QVariantMap columns = {{"mood_id", moodId}, {"mood_name", name}, {"mood_icon_name", iconName}, {"room_id", roomId}};
    for (int i = 0; i < 8; ++i)
        columns.insert(flagColumns[i], i < flags.size() ? flags.at(i) : 0);
    return insertRow("tbl_mood", columns);
}

bool addOccupation(int roomId, int type, int subnet, int device, int channel, int status)
{
    return insertRow("tbl_occupation", {{"occupation_type", type},
                                        {"subnet_id", subnet},
                                        {"device_id", device},
                                        {"channel", channel},
                                        {"status", status},
                                        {"room_id", roomId}});
}

bool addMaster(int roomId, int subnet, int device, int channel, int status)
{
    return insertRow(
        "tbl_master",
        {{"subnet_id", subnet}, {"device_id", device}, {"channel", channel}, {"status", status}, {"room_id", roomId}});
}

int hotelSubnet(int room)
{
    return 10 + room / 60;
}

int hotelLightDevice(int room, int light)
{
    return 1 + (room % 60) * 4 + light;
}

bool addHotel(const Hotel &hotel)
{
    SqlTransaction transaction;
    bool ok = transaction.isOpen();
    for (int g = 1; ok && g <= hotel.regions; ++g) {
        ok = gDatabase.execSql("insert into tbl_region(region_id,region_name) values(?,?)", {g, QString("R%1").arg(g)});
        for (int f = 1; ok && f <= 10; ++f)
            ok = gDatabase.execSql("insert into tbl_floor(floor_id,region_id,floor_name) values(?,?,?)",
                                   {(g - 1) * 10 + f, g, QString("F%1").arg(f)});
    }
    for (int r = 0; ok && r < hotel.rooms; ++r) {
        const int roomId = r + 1;
        const int region = 1 + r % hotel.regions;
        const int floor = (region - 1) * 10 + 1 + (r / hotel.regions) % 10;
        const int subnet = hotelSubnet(r);
        ok = gDatabase.execSql(
            "insert into tbl_room(room_id,room_name,icon_name,floor_id,region_id,room_template_id) "
            "values(?,?,?,?,?,0)",
            {roomId, QString::number(100 + roomId), QString("room_%1").arg(1 + r % 10), floor, region});
        for (int i = 0; ok && i < hotel.lightsPerRoom; ++i)
            ok = gDatabase.execSql("insert into tbl_light(light_id,light_type,light_remark,subnet_id,device_id,channel,"
                                   "icon_name_of_light_on,icon_name_of_light_off,brightness,us_id,fade,rgb,"
                                   "original_type,version,room_id) "
                                   "values(?,1,?,?,?,1,'light_01_on','light_01_off',50,0,0,0,0,'',?)",
                                   {i + 1, QString("Dimmer %1").arg(i + 1), subnet, hotelLightDevice(r, i), roomId});
        if (ok && hotel.switches)
            ok = gDatabase.execSql("insert into tbl_occupation(occupation_type,subnet_id,device_id,channel,status,"
                                   "room_id) values(0,?,250,1,0,?)",
                                   {subnet, roomId}) &&
                 gDatabase.execSql("insert into tbl_master(subnet_id,device_id,channel,status,room_id) "
                                   "values(?,251,1,0,?)",
                                   {subnet, roomId});
        if (ok && hotel.panels)
            ok = gDatabase.execSql("insert into tbl_panel(panel_id,panel_remark,subnet_id,device_id,room_id) "
                                   "values(?,'Panel',?,252,?)",
                                   {roomId, subnet, roomId});
    }
    return ok && transaction.commit();
}

QVariant value(const QString &sql, const QVariantList &values, const QString &column)
{
    QSqlQuery q = gDatabase.querySql(sql, values);
    return q.next() ? queryColumnValue(q, column) : QVariant();
}

int rowCount(const QString &table, const QString &where, const QVariantList &values)
{
    QString sql = QStringLiteral("select count(*) as n from %1").arg(table);
    if (!where.isEmpty())
        sql += QStringLiteral(" where ") + where;
    return value(sql, values, "n").toInt();
}

} // namespace projectfixture
