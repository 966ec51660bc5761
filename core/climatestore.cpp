#include "core/climatestore.h"

#include "core/queryhelpers.h"

#include <QSqlQuery>

namespace {

QString slotRowsSql(int roomId, ClimateKind kind)
{
    const int first = kind == ClimateKind::AirConditioners ? 0 : 2;
    return QString::asprintf("select * from tbl_air_conditioner where room_id=%d and "
                             "(air_conditioner_no=%d or air_conditioner_no=%d) order by air_conditioner_no asc",
                             roomId, first, first + 1);
}

// The number condition of the room editor's lists.
const char *numbers(ClimateKind kind)
{
    return kind == ClimateKind::AirConditioners ? "air_conditioner_no<=1" : "air_conditioner_no>1";
}

const char *columnName(ClimateColumn column)
{
    switch (column) {
    case ClimateColumn::Status:
        return "status";
    case ClimateColumn::Mode:
        return "mode";
    case ClimateColumn::Speed:
        return "speed";
    case ClimateColumn::SetPoint:
        return "current_temperature";
    case ClimateColumn::CoolSetPoint:
        return "current_cool_temperature";
    case ClimateColumn::HeatSetPoint:
        return "current_heat_temperature";
    case ClimateColumn::AutoSetPoint:
        return "current_auto_temperature";
    case ClimateColumn::TemperatureUnit:
        return "temperature_unit";
    case ClimateColumn::RoomTemperature:
        return "room_temperature";
    }
    return "status";
}

} // namespace

ClimateRow climateRowFromQuery(const QSqlQuery &query)
{
    ClimateRow row;
    row.id = queryColumnInt(query, "id");
    row.number = queryColumnInt(query, "air_conditioner_no");
    row.type = queryColumnInt(query, "air_conditioner_type");
    row.remark = queryColumnText(query, "remark");
    row.subnet = queryColumnInt(query, "subnet_id");
    row.device = queryColumnInt(query, "device_id");
    row.channel = queryColumnInt(query, "channel");
    row.status = queryColumnInt(query, "status");
    row.mode = queryColumnInt(query, "mode");
    row.speed = queryColumnInt(query, "speed");
    row.setPoint = queryColumnInt(query, "current_temperature");
    row.coolSetPoint = queryColumnInt(query, "current_cool_temperature");
    row.heatSetPoint = queryColumnInt(query, "current_heat_temperature");
    row.autoSetPoint = queryColumnInt(query, "current_auto_temperature");
    row.drySetPoint = queryColumnInt(query, "current_dry_temperature");
    row.temperatureUnit = queryColumnInt(query, "temperature_unit");
    row.function = queryColumnText(query, "function");
    row.highLimit = queryColumnText(query, "high_limit");
    row.lowLimit = queryColumnText(query, "low_limit");
    row.roomTemperature = queryColumnInt(query, "room_temperature");
    row.roomTemperatureType = queryColumnInt(query, "room_temperature_type");
    row.originalType = queryColumnInt(query, "original_type");
    row.version = queryColumnText(query, "version");
    row.roomId = queryColumnInt(query, "room_id");
    return row;
}

QList<ClimateRow> loadClimateRows(int roomId, ClimateKind kind, QString *error)
{
    return queryRowList(slotRowsSql(roomId, kind), {}, climateRowFromQuery, error);
}

bool hasClimateRows(int roomId, ClimateKind kind, QString *error)
{
    return queryHasRecord(slotRowsSql(roomId, kind), error);
}

QList<ClimateRow> listClimateDevices(int roomId, ClimateKind kind, QString *error)
{
    return queryRowList(QString::asprintf("select * from tbl_air_conditioner where room_id=%d and %s order by "
                                          "air_conditioner_no asc",
                                          roomId, numbers(kind)),
                        {}, climateRowFromQuery, error);
}

bool hasClimateDevices(int roomId, ClimateKind kind, QString *error)
{
    return queryHasRecord(QString::asprintf("select id from tbl_air_conditioner where room_id=%d and %s order by "
                                            "air_conditioner_no asc",
                                            roomId, numbers(kind)),
                          error);
}

int countClimateDevices(int roomId, ClimateKind kind, QString *error)
{
    QStringList counted;
    return queryIntStringList(
        QString::asprintf("select air_conditioner_no from tbl_air_conditioner where room_id=%d and %s", roomId,
                          numbers(kind)),
        "air_conditioner_no", counted, error);
}

bool findClimateDevice(int roomId, int number, ClimateRow &row, QString *error)
{
    return queryFirstRow("select * from tbl_air_conditioner where room_id=? and air_conditioner_no=?", {roomId, number},
                         climateRowFromQuery, row, error);
}

bool hasClimateDevice(int roomId, int number, QString *error)
{
    return queryHasRecord("select id from tbl_air_conditioner where room_id=? and air_conditioner_no=?",
                          {roomId, number}, error);
}

bool saveClimateDevice(bool exists, int roomId, int number, int type, const QString &name, int subnet, int device,
                       int channel, int hideRoomTemperature, QString *error)
{
    if (exists)
        return execStatement(
            "update tbl_air_conditioner set air_conditioner_type=?,remark=?,subnet_id=?,device_id=?,channel=?,"
            "status=0,mode=0,speed=0,current_temperature=0,current_cool_temperature=0,current_heat_temperature=0,"
            "current_auto_temperature=0,current_dry_temperature=0,temperature_unit=0,function='',high_limit='',"
            "low_limit='',room_temperature=0,room_temperature_type=?,original_type=0,version='' where room_id=? and "
            "air_conditioner_no=?",
            {type, name, subnet, device, channel, hideRoomTemperature, roomId, number}, error);
    return execStatement(
        "insert into tbl_air_conditioner(air_conditioner_no,air_conditioner_type,remark,subnet_id,device_id,channel,"
        "status,mode,speed,current_temperature,current_cool_temperature,current_heat_temperature,"
        "current_auto_temperature,current_dry_temperature,temperature_unit,function,high_limit,low_limit,"
        "room_temperature,room_temperature_type,original_type,version,room_id) "
        "values(?,?,?,?,?,?,0,0,0,0,0,0,0,0,0,'','','',0,?,0,'',?)",
        {number, type, name, subnet, device, channel, hideRoomTemperature, roomId}, error);
}

bool deleteClimateDevice(int roomId, int number, QString *error)
{
    return execStatement(
        QString::asprintf("delete from tbl_air_conditioner where air_conditioner_no=%d and room_id=%d", number, roomId),
        {}, error);
}

bool storeClimateDeviceInfo(int roomId, int number, int originalType, const QString &version, QString *error)
{
    // The version comes from the device: bound, so any character it holds is stored as it came.
    return execStatement("update tbl_air_conditioner set original_type=?,version=? where air_conditioner_no=? and "
                         "room_id=?",
                         {originalType, version, number, roomId}, error);
}

bool storeClimateLimits(int roomId, int number, const QString &lowLimit, const QString &highLimit, QString *error)
{
    return execStatement("update tbl_air_conditioner set low_limit=?,high_limit=? where air_conditioner_no=? and "
                         "room_id=?",
                         {lowLimit, highLimit, number, roomId}, error);
}

bool storeClimateValue(int roomId, int number, ClimateColumn column, int value, QString *error)
{
    return execStatement(QStringLiteral("update tbl_air_conditioner set %1=? where air_conditioner_no=? and room_id=?")
                             .arg(QLatin1String(columnName(column))),
                         {value, number, roomId}, error);
}

bool storeAirConditionerState(int roomId, int number, const AirConditionerState &state, QString *error)
{
    return execStatement("update tbl_air_conditioner set status=?,current_cool_temperature=?,mode=?,speed=?,"
                         "room_temperature=?,current_heat_temperature=?,current_auto_temperature=?,"
                         "current_dry_temperature=? where air_conditioner_no=? and room_id=?",
                         {state.status, state.coolSetPoint, state.mode, state.speed, state.roomTemperature,
                          state.heatSetPoint, state.autoSetPoint, state.drySetPoint, number, roomId},
                         error);
}

bool storeFloorHeatingState(int roomId, int number, int temperatureUnit, int roomTemperature, int status, int setPoint,
                            QString *error)
{
    return execStatement("update tbl_air_conditioner set temperature_unit=?,room_temperature=?,status=?,"
                         "current_temperature=? where air_conditioner_no=? and room_id=?",
                         {temperatureUnit, roomTemperature, status, setPoint, number, roomId}, error);
}
