#include "core/messagestore.h"

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/queryhelpers.h"

#include <QSqlQuery>
#include <QVariant>

#include <cstring>

namespace {

constexpr int statusPending = 0;

MessageDefinition definitionOfRow(const QSqlQuery &query)
{
    MessageDefinition definition;
    definition.messageId = query.value("message_id").toInt();
    definition.type = query.value("message_type").toInt();
    definition.remark = query.value("message_remark").toString();
    definition.iconName = query.value("icon_name").toString();
    definition.switchNo = query.value("universal_switch_no").toInt();
    return definition;
}

// The message records of a query of tbl_message_log; none, with error set, when its statement failed.
QList<messageRecord> recordsOf(QSqlQuery query, QString *error)
{
    QList<messageRecord> records;
    queryRan(query, error);
    while (query.next())
        records.append(messageRecordFromRow(query));
    return records;
}

QStringList namesInCodeOrder(const QString &sql, const QString &column)
{
    QStringList names;
    queryStringList(sql, column, names);
    return names;
}

} // namespace

QList<MessageDefinition> messageDefinitions(QString *error)
{
    return queryRowList("select * from tbl_message order by message_id asc", {}, definitionOfRow, error);
}

bool readMessageDefinition(int messageId, MessageDefinition &out, QString *error)
{
    return queryFirstRow("select * from tbl_message where message_id=?", {messageId}, definitionOfRow, out, error);
}

bool messageForSwitch(int switchNo, int &messageId, int &messageType, QString *error)
{
    QSqlQuery message = gDatabase.querySql(
        QString::asprintf("select message_id,message_type from tbl_message where universal_switch_no=%d", switchNo));
    if (!queryRan(message, error) || !message.next())
        return false;
    messageId = message.value(0).toInt();
    messageType = message.value(1).toInt();
    return true;
}

bool isSwitchNumberUsed(int switchNo, QString *error)
{
    return queryHasRecord("select id from tbl_message where universal_switch_no=?", {switchNo}, error);
}

bool addMessageDefinition(const MessageDefinition &definition, QString *error)
{
    return execStatement(
        "insert into tbl_message(message_id,message_type,message_remark,icon_name,"
        "universal_switch_no) values(?,?,?,?,?)",
        {definition.messageId, definition.type, definition.remark, definition.iconName, definition.switchNo}, error);
}

bool updateMessageDefinition(const MessageDefinition &definition, bool dropOccurrences, QString *error)
{
    return runTransaction(
        [&] {
            if (dropOccurrences &&
                !gDatabase.execSql("delete from tbl_message_log where message_id=?", {definition.messageId}))
                return false;
            return gDatabase.execSql(
                "update tbl_message set message_type=?,message_remark=?,icon_name=?,"
                "universal_switch_no=? where message_id=?",
                {definition.type, definition.remark, definition.iconName, definition.switchNo, definition.messageId});
        },
        error);
}

bool deleteMessageDefinition(int messageId, QString *error)
{
    return runTransaction(
        [messageId] {
            return gDatabase.execSql("delete from tbl_message where message_id=?", {messageId}) &&
                   gDatabase.execSql("delete from tbl_message_log where message_id=?", {messageId});
        },
        error);
}

QStringList messageTypeNames()
{
    return namesInCodeOrder("select message_type_name from tbl_message_type order by message_type asc",
                            "message_type_name");
}

QStringList messageStatusNames()
{
    return namesInCodeOrder("select message_status_name from tbl_message_status order by message_status asc",
                            "message_status_name");
}

QString messageTypeName(int type)
{
    QString name;
    queryStringValue(QString::asprintf("select * from tbl_message_type where message_type=%d", type),
                     "message_type_name", name);
    return name;
}

QString messageStatusName(int status)
{
    QString name;
    queryStringValue(
        QString::asprintf("select message_status_name from tbl_message_status where message_status=%d", status),
        "message_status_name", name);
    return name;
}

int messageStatusByName(const QString &name)
{
    return queryIntValue("select message_status from tbl_message_status where message_status_name=?", {name},
                         "message_status");
}

messageRecord messageRecordFromRow(const QSqlQuery &query)
{
    messageRecord record;
    std::memset(&record, 0, sizeof record);
    record.id = query.value("id").toInt();
    record.message_id = query.value("message_id").toInt();
    record.message_type = query.value("message_type").toInt();
    record.message_status = query.value("message_status").toInt();
    record.panel_id = query.value("panel_id").toInt();
    record.room_id = query.value("room_id").toInt();
    copyRecordText(record.message_log_remark, query.value("message_log_remark").toString());
    copyRecordText(record.recv_time, query.value("recv_time").toString());
    copyRecordText(record.deal_time, query.value("deal_time").toString());
    return record;
}

int insertOpenMessageLog(int messageId, int type, int panelId, int roomId, const QString &recvTime, QString *error)
{
    QSqlQuery insert = gDatabase.querySql(
        "insert into tbl_message_log(message_id,message_type,message_status,panel_id,room_id,message_log_remark,"
        "recv_time,deal_time)values(?,?,?,?,?,?,?,?)",
        {messageId, type, statusPending, panelId, roomId, QString(""), recvTime, QString("")});
    // The id of the row just inserted, even when rows of the same call share the second.
    const int id = insert.isActive() ? insert.lastInsertId().toInt() : 0;
    if (id > 0)
        return id;
    if (error)
        *error = insert.isActive() ? QStringLiteral("the new row has no id") : gDatabase.lastErrorText();
    return 0;
}

bool firstMessageLogOfDay(int messageId, int type, int panelId, int roomId, const QString &day, int &id, int &status,
                          QString *error)
{
    QSqlQuery first = gDatabase.querySql("select * from tbl_message_log where message_id=? and message_type=? and "
                                         "panel_id=? and room_id=? and recv_time like ? order by id",
                                         {messageId, type, panelId, roomId, day + "%"});
    if (!queryRan(first, error) || !first.next())
        return false;
    id = first.value("id").toInt();
    status = first.value("message_status").toInt();
    return true;
}

bool setMessageLogState(int id, int status, const QString &recvTime, QString *error)
{
    QSqlQuery update = gDatabase.querySql("update tbl_message_log set message_status=?,recv_time=? where id=?",
                                          {status, recvTime, id});
    return queryRan(update, error);
}

bool readMessageLog(int id, messageRecord &out, QString *error)
{
    QSqlQuery query = gDatabase.queryPrepared("select * from tbl_message_log where id=?", {id});
    const bool found = queryRan(query, error) && query.next();
    if (found)
        out = messageRecordFromRow(query);
    query.finish();
    return found;
}

QList<messageRecord> pendingMessagesOfDay(const QString &day, int roomId, QString *error)
{
    QString sql = "select * from tbl_message_log where message_status=? and recv_time like ?";
    QVariantList values = {statusPending, day + "%"};
    if (roomId > 0) {
        sql += " and room_id=?";
        values << roomId;
    }
    return recordsOf(gDatabase.readSql(sql, values), error);
}

QList<messageRecord> messageLogEntries(const MessageLogFilter &filter, QString *error)
{
    // Each filter that takes one value adds its condition, in the order type, status, room.
    QString sql = "select * from tbl_message_log where ";
    QVariantList values;
    if (filter.type >= 0) {
        sql += "message_type=? and ";
        values << filter.type;
    }
    if (filter.status >= 0) {
        sql += "message_status=? and ";
        values << filter.status;
    }
    if (filter.roomId >= 0) {
        sql += "room_id=? and ";
        values << filter.roomId;
    }
    sql += "recv_time>=? and recv_time<=? order by recv_time desc";
    values << filter.from << filter.to;

    return recordsOf(gDatabase.querySql(sql, values), error);
}

bool readMessageLogTexts(int id, MessageLogTexts &out, QString *error)
{
    QSqlQuery query = gDatabase.querySql("select * from tbl_message_log where id=?", {id});
    if (!queryRan(query, error) || !query.next())
        return false;
    out.recvTime = query.value("recv_time").toString();
    out.remark = query.value("message_log_remark").toString();
    out.dealTime = query.value("deal_time").toString();
    return true;
}

bool dealMessageLog(const messageRecord &record, QString *error)
{
    // Staff type the remark freely: it is bound, never pasted into the statement.
    return execStatement("update tbl_message_log set message_status=?,message_log_remark=?,deal_time=? where id=?",
                         {record.message_status, QString::fromUtf8(record.message_log_remark),
                          QString::fromUtf8(record.deal_time), record.id},
                         error);
}

bool deleteMessageLogEntries(const QList<int> &ids, QString *error)
{
    if (ids.isEmpty())
        return true;
    return runTransaction(
        [&ids] {
            for (int id : ids) {
                if (!gDatabase.execSql("delete from tbl_message_log where id=?", {id}))
                    return false;
            }
            return true;
        },
        error);
}

bool deleteMessageLogOfPanel(int panelId, QString *error)
{
    return execStatement("delete from tbl_message_log where panel_id=?", {panelId}, error);
}

bool purgeMessageLogBefore(const QString &cutoff, QString *error)
{
    return execStatement("delete from tbl_message_log where recv_time <=?", {cutoff}, error);
}

bool readMessageRowNames(const messageRecord &record, MessageRowNames &out)
{
    // The definition's name and picture with the panel, type and status names beside it: no row when the
    // definition is gone.
    static const QString namesSql = "select message_remark,icon_name,"
                                    "(select panel_remark from tbl_panel where panel_id=?),"
                                    "(select message_type_name from tbl_message_type where message_type=?),"
                                    "(select message_status_name from tbl_message_status where message_status=?)"
                                    " from tbl_message where message_id=? limit 1";
    QSqlQuery query = gDatabase.queryPrepared(
        namesSql, {record.panel_id, record.message_type, record.message_status, record.message_id});
    const bool found = query.next();
    if (found) {
        out.messageName = query.value(0).toString();
        out.iconName = query.value(1).toString();
        out.panelName = query.value(2).toString();
        out.typeName = query.value(3).toString();
        out.statusName = query.value(4).toString();
    }
    query.finish();
    return found;
}
