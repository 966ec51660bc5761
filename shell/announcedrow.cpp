#include "shell/announcedrow.h"

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/messagestore.h"
#include "devicelink/broadcastsocket.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>

#include <cstring>

namespace {

// The last announcement read and its row. It lasts no longer than the pass of the event loop the announcement
// was made in: the announcer writes a row and announces it in one pass, and anything that writes the row
// later (a dialog, a re-opened request) comes in a later pass or tells the hub.
struct Cache
{
    bool valid = false;
    bool found = false;
    universalSwitchMessage msg;
    QString connection;
    messageRecord record;
};

Cache &cache()
{
    static Cache c;
    return c;
}

void forget()
{
    cache().valid = false;
}

void watchForChanges()
{
    static bool watching = false;
    if (watching)
        return;
    watching = true;
    auto *app = QCoreApplication::instance();
    if (auto *dispatcher = QAbstractEventDispatcher::instance())
        QObject::connect(dispatcher, &QAbstractEventDispatcher::awake, app, forget);
    QObject::connect(&gBroadcastSocket, &BroadcastSocket::signalsUpdateMessage, app, forget);
    QObject::connect(&gBroadcastSocket, &BroadcastSocket::signalsRemoveMessage, app, forget);
    QObject::connect(&gBroadcastSocket, &BroadcastSocket::signalsProjectStateChanged, app, forget);
}

} // namespace

bool AnnouncedRow::read(const universalSwitchMessage &msg, messageRecord &out)
{
    watchForChanges();
    Cache &c = cache();
    const QString connection = gDatabase.connectionName();
    if (c.valid && std::memcmp(&c.msg, &msg, sizeof msg) == 0 && c.connection == connection) {
        if (c.found)
            out = c.record;
        return c.found;
    }
    c.valid = false;
    bool found = false;
    if (msg.id != 0)
        found = readMessageLog(msg.id, c.record);
    c.msg = msg;
    c.connection = connection;
    c.found = found;
    c.valid = true;
    if (found)
        out = c.record;
    return found;
}
