#include "pages/messages/messagedealing.h"

#include "core/cppsqlite3db.h"
#include "core/devicestore.h"
#include "core/globals.h"
#include "core/messagestore.h"
#include "core/queryhelpers.h"
#include "devicelink/broadcastsocket.h"
#include "devicelink/buscommands.h"

namespace MessageDealing {

namespace {

bool stillTheSameEntry(const messageRecord &record)
{
    messageRecord stored;
    if (!readMessageLog(record.id, stored))
        return false;
    return stored.message_id == record.message_id && stored.panel_id == record.panel_id &&
           stored.room_id == record.room_id;
}

void tellPanel(const messageRecord &record)
{
    const std::optional<StoredPanel> panel = panelAddress(record.panel_id);
    MessageDefinition definition;
    if (!panel || !readMessageDefinition(record.message_id, definition))
        return;
    sendUniversalSwitch(panel->subnet, panel->device, definition.switchNo, record.message_status == 0);
}

} // namespace

Outcome deal(const messageRecord &record)
{
    if (record.id <= 0)
        return Outcome::Unsaved;
    if (!stillTheSameEntry(record))
        return Outcome::Gone;
    if (!dealMessageLog(record))
        return Outcome::NotSaved;
    tellPanel(record);
    emit gBroadcastSocket.signalsUpdateMessage(record);
    return Outcome::Dealt;
}

} // namespace MessageDealing
