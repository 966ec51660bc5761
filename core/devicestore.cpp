#include "core/devicestore.h"

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/messagestore.h"
#include "core/queryhelpers.h"

#include <QStringList>

namespace {

// Passes ok through, telling error why when it is false.
bool outcome(bool ok, QString *error)
{
    if (!ok && error)
        *error = gDatabase.lastErrorText();
    return ok;
}

std::optional<StoredLightRow> lightRowFrom(QSqlQuery &query, QString *error)
{
    if (!queryRan(query, error) || !query.next())
        return std::nullopt;
    StoredLightRow row;
    row.type = query.value("light_type").toInt();
    row.remark = query.value("light_remark").toString();
    row.iconOn = query.value("icon_name_of_light_on").toString();
    row.subnet = query.value("subnet_id").toInt();
    row.device = query.value("device_id").toInt();
    row.channel = query.value("channel").toInt();
    row.usId = query.value("us_id").toInt();
    return row;
}

std::optional<StoredSwitch> switchRowFrom(QSqlQuery &query, bool withType, QString *error)
{
    if (!queryRan(query, error) || !query.next())
        return std::nullopt;
    StoredSwitch row;
    if (withType)
        row.type = queryColumnInt(query, "occupation_type");
    row.subnet = queryColumnInt(query, "subnet_id");
    row.device = queryColumnInt(query, "device_id");
    row.channel = queryColumnInt(query, "channel");
    row.status = queryColumnInt(query, "status");
    return row;
}

QVector<int> intColumn(const QString &sql, const QString &column, QString *error)
{
    QStringList values;
    queryIntStringList(sql, column, values, error);
    QVector<int> ids;
    for (const QString &value : qAsConst(values))
        ids.append(value.toInt());
    return ids;
}

// " and rgb=n" for a row's statement, nothing for all the light's rows.
QString rgbCondition(int rgb)
{
    return rgb >= 0 ? QStringLiteral(" and rgb=%1").arg(rgb) : QString();
}

// Updates the room's row(s) of table when it has any, else adds one; values are the columns' in order, then the
// room id.
bool storeRoomRow(const QString &table, const QStringList &columns, const QVariantList &values, int roomId)
{
    QVariantList bound = values;
    bound << roomId;
    QString error;
    const bool exists = queryHasRecord(QString("select id from %1 where room_id=?").arg(table), {roomId}, &error);
    if (!error.isEmpty())
        return false;
    if (exists) {
        QStringList assignments;
        for (const QString &column : columns)
            assignments << column + "=?";
        return gDatabase.execSql(QString("update %1 set %2 where room_id=?").arg(table, assignments.join(',')), bound);
    }
    return gDatabase.execSql(QString("insert into %1(%2,room_id) values(%3?)")
                                 .arg(table, columns.join(','), QString("?,").repeated(columns.size())),
                             bound);
}

} // namespace

// ---- Lights ----------------------------------------------------------------------------------------------------

LightChannelRow lightRowFromQuery(const QSqlQuery &query)
{
    LightChannelRow row;
    row.lightId = queryColumnInt(query, "light_id");
    row.lightType = queryColumnInt(query, "light_type");
    row.remark = queryColumnText(query, "light_remark");
    row.subnetId = queryColumnInt(query, "subnet_id");
    row.deviceId = queryColumnInt(query, "device_id");
    row.channel = queryColumnInt(query, "channel");
    row.iconOn = queryColumnText(query, "icon_name_of_light_on");
    row.iconOff = queryColumnText(query, "icon_name_of_light_off");
    row.brightness = queryColumnInt(query, "brightness");
    row.usId = queryColumnInt(query, "us_id");
    row.fade = queryColumnInt(query, "fade");
    row.rgb = queryColumnInt(query, "rgb");
    row.originalType = queryColumnInt(query, "original_type");
    row.version = queryColumnText(query, "version");
    row.roomId = queryColumnInt(query, "room_id");
    return row;
}

QSqlQuery queryAddressedRoomLights(int roomId)
{
    return gDatabase.querySql("select * from tbl_light where room_id=? and (rgb=0 or rgb=1) and subnet_id >0 and "
                              "device_id >0 order by light_id asc",
                              {roomId});
}

QSqlQuery queryRoomLights(int roomId)
{
    return gDatabase.querySql("select * from tbl_light where room_id=? and (rgb=0 or rgb=1) order by light_id asc",
                              {roomId});
}

QSqlQuery queryLightRow(int roomId, int lightId, int rgb)
{
    return gDatabase.querySql("select * from tbl_light where room_id=? and light_id=? and rgb=?",
                              {roomId, lightId, rgb});
}

bool roomHasAddressedLights(int roomId, QString *error)
{
    return queryHasRecord("select id from tbl_light where room_id=? and (rgb=0 or rgb=1) and subnet_id >0 and "
                          "device_id >0",
                          {roomId}, error);
}

bool roomHasLights(int roomId, QString *error)
{
    return queryHasRecord("select id from tbl_light where room_id=? and (rgb=0 or rgb=1)", {roomId}, error);
}

QVector<int> usedLightIds(QString *error)
{
    return intColumn("select light_id from tbl_light where (rgb=0 or rgb=1)", "light_id", error);
}

std::optional<StoredLightRow> readLight(int roomId, int lightId, QString *error)
{
    QSqlQuery query = gDatabase.querySql("select * from tbl_light where light_id=? and room_id=? and (rgb=0 or rgb=1)",
                                         {lightId, roomId});
    return lightRowFrom(query, error);
}

std::optional<StoredLightRow> readLightRow(int roomId, int lightId, int rgb, QString *error)
{
    QSqlQuery query = queryLightRow(roomId, lightId, rgb);
    return lightRowFrom(query, error);
}

bool saveLight(int roomId, int lightId, int type, const QString &remark, const QString &iconOn, const QString &iconOff,
               const QList<LightAddressRow> &rows, QString *error)
{
    // The old rows go only together with the new ones coming in.
    return runTransaction(
        [&] {
            if (!gDatabase.execSql("delete from tbl_light where room_id=? and light_id=?", {roomId, lightId}))
                return false;
            for (const LightAddressRow &row : rows) {
                if (!gDatabase.execSql("insert into tbl_light(light_id,light_type,light_remark,subnet_id,device_id,"
                                       "channel,icon_name_of_light_on,icon_name_of_light_off,brightness,us_id,fade,"
                                       "rgb,original_type,version,room_id) values(?,?,?,?,?,?,?,?,0,?,0,?,0,'',?)",
                                       {lightId, type, remark, row.subnet, row.device, row.channel, iconOn, iconOff,
                                        row.usId, row.rgb, roomId}))
                    return false;
            }
            return true;
        },
        error);
}

bool deleteLight(int roomId, int lightId, QString *error)
{
    return execStatement("delete from tbl_light where light_id=? and room_id=?", {lightId, roomId}, error);
}

bool addUnaddressedLightRow(int roomId, int lightId, int type, const QString &remark, const QString &iconOn,
                            const QString &iconOff, int rgb, QString *error)
{
    return execStatement("insert into tbl_light(light_id,light_type,light_remark,subnet_id,device_id,"
                         "channel,icon_name_of_light_on,icon_name_of_light_off,brightness,us_id,fade,rgb,"
                         "original_type,version,room_id) values(?,?,?,0,0,0,?,?,0,0,0,?,0,'',?)",
                         {lightId, type, remark, iconOn, iconOff, rgb, roomId}, error);
}

bool storeLightBrightness(int roomId, int lightId, int brightness, int rgb, QString *error)
{
    // A device repeating the level it reported before changes nothing: the statement then writes nothing.
    const QString sql =
        QStringLiteral("update tbl_light set brightness=? where light_id=? and room_id=? and brightness is not ?") +
        rgbCondition(rgb);
    return outcome(gDatabase.execPrepared(sql, {brightness, lightId, roomId, brightness}), error);
}

bool storeLightDeviceInfo(int roomId, int lightId, int originalType, const QString &version, int rgb, QString *error)
{
    // The version comes from the device: bound, so that any character it holds is stored as it came.
    const QString sql =
        QStringLiteral("update tbl_light set original_type=?,version=? where light_id=? and room_id=?") +
        rgbCondition(rgb);
    return execStatement(sql, {originalType, version, lightId, roomId}, error);
}

// ---- Wall panels -----------------------------------------------------------------------------------------------

QSqlQuery queryRoomPanels(int roomId)
{
    return gDatabase.querySql("select * from tbl_panel where room_id=? order by panel_id asc", {roomId});
}

std::optional<StoredPanel> readPanel(int roomId, int panelId, QString *error)
{
    QSqlQuery query = gDatabase.querySql("select * from tbl_panel where room_id=? and panel_id=?", {roomId, panelId});
    if (!queryRan(query, error) || !query.next())
        return std::nullopt;
    StoredPanel panel;
    panel.panelId = query.value("panel_id").toInt();
    panel.remark = query.value("panel_remark").toString();
    panel.subnet = query.value("subnet_id").toInt();
    panel.device = query.value("device_id").toInt();
    panel.roomId = query.value("room_id").toInt();
    return panel;
}

std::optional<StoredPanel> panelAddress(int panelId, QString *error)
{
    QSqlQuery query = gDatabase.querySql("select subnet_id,device_id from tbl_panel where panel_id=?", {panelId});
    if (!queryRan(query, error) || !query.next())
        return std::nullopt;
    StoredPanel panel;
    panel.panelId = panelId;
    panel.subnet = query.value("subnet_id").toInt();
    panel.device = query.value("device_id").toInt();
    return panel;
}

QString readPanelRemark(int panelId)
{
    QString remark;
    queryStringValue("select panel_remark from tbl_panel where panel_id=?", {panelId}, "panel_remark", remark);
    return remark;
}

std::optional<StoredPanel> panelAtAddress(int subnet, int device, QString *error)
{
    QSqlQuery query = gDatabase.queryPrepared(
        "select panel_id,room_id from tbl_panel where subnet_id=? and device_id=?", {subnet, device});
    std::optional<StoredPanel> panel;
    if (queryRan(query, error) && query.next()) {
        panel = StoredPanel();
        panel->panelId = query.value(0).toInt();
        panel->roomId = query.value(1).toInt();
        panel->subnet = subnet;
        panel->device = device;
    }
    // The statement stays prepared for the next frame; finishing releases its read of the table.
    query.finish();
    return panel;
}

bool panelAddressUsed(int subnet, int device, QString *error)
{
    return queryHasRecord("select id from tbl_panel where subnet_id=? and device_id=?", {subnet, device}, error);
}

QVector<int> usedPanelIds(QString *error)
{
    return intColumn("select panel_id from tbl_panel", "panel_id", error);
}

bool addPanel(int roomId, int panelId, const QString &remark, int subnet, int device, QString *error)
{
    return execStatement("insert into tbl_panel(panel_id,panel_remark,subnet_id,device_id,room_id) "
                         "values(?,?,?,?,?)",
                         {panelId, remark, subnet, device, roomId}, error);
}

bool updatePanel(int roomId, int panelId, const QString &remark, int subnet, int device, bool dropHistory,
                 QString *error)
{
    // The history goes only together with the new address.
    return runTransaction(
        [&] {
            if (dropHistory && !deleteMessageLogOfPanel(panelId))
                return false;
            return gDatabase.execSql("update tbl_panel set panel_remark=?,subnet_id=?,device_id=? where room_id=? and "
                                     "panel_id=?",
                                     {remark, subnet, device, roomId, panelId});
        },
        error);
}

bool deletePanel(int roomId, int panelId, QString *error)
{
    // A panel goes whole or not at all: with its message history.
    return runTransaction(
        [&] {
            return gDatabase.execSql("delete from tbl_panel where panel_id=? and room_id=?", {panelId, roomId}) &&
                   deleteMessageLogOfPanel(panelId);
        },
        error);
}

// ---- Occupancy sensor and master switch -----------------------------------------------------------------------

std::optional<StoredSwitch> readRoomOccupation(int roomId, QString *error)
{
    // A room should have one row of each; when an editor left more, the oldest row is the room's.
    QSqlQuery query = gDatabase.querySql("select * from tbl_occupation where room_id=? order by id", {roomId});
    return switchRowFrom(query, true, error);
}

std::optional<StoredSwitch> readRoomMaster(int roomId, QString *error)
{
    QSqlQuery query = gDatabase.querySql("select * from tbl_master where room_id=? order by id", {roomId});
    return switchRowFrom(query, false, error);
}

bool saveRoomOccupation(int roomId, int type, int subnet, int device, int channel, QString *error)
{
    return runTransaction(
        [&] {
            return storeRoomRow("tbl_occupation", {"occupation_type", "subnet_id", "device_id", "channel", "status"},
                                {type, subnet, device, channel, 0}, roomId);
        },
        error);
}

bool saveRoomMaster(int roomId, int subnet, int device, int channel, QString *error)
{
    return runTransaction(
        [&] {
            return storeRoomRow("tbl_master", {"subnet_id", "device_id", "channel", "status"},
                                {subnet, device, channel, 0}, roomId);
        },
        error);
}

bool removeRoomOccupation(int roomId, QString *error)
{
    return execStatement("delete from tbl_occupation where room_id=?", {roomId}, error);
}

bool removeRoomMaster(int roomId, QString *error)
{
    return execStatement("delete from tbl_master where room_id=?", {roomId}, error);
}

bool storeOccupationStatus(int status, int subnet, int device, int channel, int type, QString *error)
{
    return execStatement("update tbl_occupation set status=? where subnet_id=? and device_id=? and "
                         "channel=? and occupation_type=?",
                         {status, subnet, device, channel, type}, error);
}

bool storeMasterStatus(int status, int subnet, int device, int channel, QString *error)
{
    return execStatement("update tbl_master set status=? where subnet_id=? and device_id=? and channel=?",
                         {status, subnet, device, channel}, error);
}

// ---- Refresh times of the device views -------------------------------------------------------------------------

bool readLastUpdateTime(const QString &key, QString &time, QString *error)
{
    return queryStringValue("select last_update_time from tbl_last_update where last_update_id=?", {key},
                            "last_update_time", time, error);
}

bool storeLastUpdateTime(const QString &key, const QString &time, QString *error)
{
    return runTransaction(
        [&] {
            QString failure;
            const bool exists =
                queryHasRecord("select id from tbl_last_update where last_update_id=?", {key}, &failure);
            if (!failure.isEmpty())
                return false;
            if (exists)
                return gDatabase.execSql("update tbl_last_update set last_update_time=? where last_update_id=?",
                                         {time, key});
            return gDatabase.execSql("insert into tbl_last_update(last_update_id,last_update_time) values(?,?)",
                                     {key, time});
        },
        error);
}
