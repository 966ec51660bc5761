#include "pages/messages/messagedealing.h"

#include "core/cppsqlite3db.h"
#include "core/devicestore.h"
#include "core/globals.h"
#include "core/queryhelpers.h"
#include "devicelink/broadcastsocket.h"
#include "devicelink/buscommands.h"
#include "shell/guestrequests.h"

#include <QSqlQuery>

namespace MessageDealing {

namespace {

bool stillTheSameEntry(const messageRecord &record)
{
    QSqlQuery query = gDatabase.querySql("select * from tbl_message_log where id=?", {record.id});
    if (!query.next())
        return false;
    const messageRecord stored = GuestRequests::recordFromRow(query);
    return stored.message_id == record.message_id && stored.panel_id == record.panel_id &&
           stored.room_id == record.room_id;
}

void tellPanel(const messageRecord &record)
{
    const std::optional<StoredPanel> panel = panelAddress(record.panel_id);
    const QString switchSql =
        QString::asprintf("select universal_switch_no from tbl_message where message_id=%d", record.message_id);
    if (!panel || !queryHasRecord(switchSql))
        return;
    sendUniversalSwitch(panel->subnet, panel->device, queryIntValue(switchSql, "universal_switch_no"),
                        record.message_status == 0);
}

} // namespace

Outcome deal(const messageRecord &record)
{
    if (record.id <= 0)
        return Outcome::Unsaved;
    if (!stillTheSameEntry(record))
        return Outcome::Gone;
    // Staff type the remark freely: it is bound, never pasted into the statement.
    if (!gDatabase.execSql("update tbl_message_log set message_status=?,message_log_remark=?,deal_time=? where id=?",
                           {record.message_status, QString::fromUtf8(record.message_log_remark),
                            QString::fromUtf8(record.deal_time), record.id}))
        return Outcome::NotSaved;
    tellPanel(record);
    emit gBroadcastSocket.signalsUpdateMessage(record);
    return Outcome::Dealt;
}

} // namespace MessageDealing
