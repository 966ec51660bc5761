#include "shell/guestrequests.h"

#include "core/cppsqlite3db.h"
#include "core/devicestore.h"
#include "core/globals.h"
#include "core/messagestore.h"
#include "core/sqltransaction.h"
#include "devicelink/broadcastsocket.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QFileInfo>
#include <QSqlQuery>

#include <cstring>

namespace GuestRequests {

namespace {

std::function<qint64()> &clockFunction()
{
    static std::function<qint64()> clock;
    return clock;
}

constexpr int alarmType = 1;
constexpr int statusPending = 0;
constexpr int statusCancelled = 1;

void announce(const universalSwitchMessage &msg)
{
    emit gBroadcastSocket.signalsAppendMessage(msg);
}

// Stores one request by itself (each statement committing on its own) and announces or reports the outcome.
void storeAndAnnounce(universalSwitchMessage msg)
{
    QString why;
    switch (store(msg, &why)) {
    case Stored::Written:
        announce(msg);
        break;
    case Stored::Nothing:
        break;
    case Stored::NewRowLost:
        reportNotStored(msg, why);
        announce(msg);
        break;
    case Stored::ChangeLost:
        reportNotStored(msg, why);
        break;
    }
}

} // namespace

qint64 now()
{
    const std::function<qint64()> &clock = clockFunction();
    return clock ? clock() : QDateTime::currentSecsSinceEpoch();
}

void setClock(const std::function<qint64()> &clock)
{
    clockFunction() = clock;
}

QString timeText(qint64 seconds)
{
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::LocalTime).toString("yyyy-MM-dd HH:mm:ss");
}

QString dateText(qint64 seconds)
{
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::LocalTime).toString("yyyy-MM-dd");
}

bool readSwitchFrame(const quint8 *frame, qint64 length, SwitchFrame &out)
{
    // The length byte at 16 counts from itself to the end of the CRC: 11 bytes without payload, and the
    // switch number and state are the first two payload bytes.
    if (!frame || length < 27)
        return false;
    const int lengthByte = frame[16];
    if (lengthByte < 13 || 16 + lengthByte > length)
        return false;
    const quint16 opcode = quint16((frame[21] << 8) | frame[22]);
    if (opcode != switchOpcode)
        return false;
    out.subnet = frame[17];
    out.device = frame[18];
    out.switchNo = frame[25];
    out.state = frame[26] != 0 ? 1 : 0;
    return true;
}

bool identify(quint8 subnet, quint8 device, int switchNo, int state, universalSwitchMessage &msg)
{
    msg = universalSwitchMessage();
    // One statement per table, its first row deciding, as each frame of a burst runs through here.
    const std::optional<StoredPanel> panel = panelAtAddress(subnet, device);
    if (!panel)
        return false;
    msg.subnet_id = subnet;
    msg.device_id = device;
    msg.universal_switch_no = switchNo & 0xFF;
    msg.switch_state = state;
    msg.recv_seconds = qint32(now());
    msg.panel_id = panel->panelId;
    msg.room_id = panel->roomId;

    if (!messageForSwitch(msg.universal_switch_no, msg.message_id, msg.message_type))
        return false;
    if (isAlarm(msg))
        msg.message_status = statusPending;
    else
        msg.message_status = state == 0 ? statusCancelled : statusPending;
    return true;
}

bool isAlarm(const universalSwitchMessage &msg)
{
    return msg.message_type == alarmType;
}

bool insertOpenRow(universalSwitchMessage &msg, QString *why)
{
    msg.id = insertOpenMessageLog(msg.message_id, msg.message_type, msg.panel_id, msg.room_id,
                                  timeText(msg.recv_seconds), why);
    return msg.id > 0;
}

void queue(QList<universalSwitchMessage> &pending, const universalSwitchMessage &msg)
{
    for (universalSwitchMessage &entry : pending) {
        if (entry.subnet_id == msg.subnet_id && entry.device_id == msg.device_id &&
            entry.universal_switch_no == msg.universal_switch_no) {
            // A repeat of the same state must not put the debounce off; a change starts it again.
            if (entry.switch_state != msg.switch_state)
                entry = msg;
            return;
        }
    }
    pending.append(msg);
}

QList<universalSwitchMessage> takeDue(QList<universalSwitchMessage> &pending, qint64 now)
{
    QList<universalSwitchMessage> due;
    for (int i = 0; i < pending.size();) {
        if (now - pending.at(i).recv_seconds >= debounceSeconds)
            due.append(pending.takeAt(i));
        else
            ++i;
    }
    return due;
}

Stored store(universalSwitchMessage &msg, QString *why)
{
    int rowId = 0;
    int rowStatus = 0;
    if (firstMessageLogOfDay(msg.message_id, msg.message_type, msg.panel_id, msg.room_id, dateText(msg.recv_seconds),
                             rowId, rowStatus) &&
        (rowStatus == statusPending || rowStatus == statusCancelled)) {
        msg.id = rowId;
        return setMessageLogState(rowId, msg.message_status, timeText(msg.recv_seconds), why) ? Stored::Written
                                                                                              : Stored::ChangeLost;
    }
    if (msg.switch_state == 0)
        return Stored::Nothing;
    return insertOpenRow(msg, why) ? Stored::Written : Stored::NewRowLost;
}

void logAlarm(universalSwitchMessage msg)
{
    QString why;
    if (!insertOpenRow(msg, &why))
        reportNotStored(msg, why);
    announce(msg);
}

void storeDue(const QList<universalSwitchMessage> &due)
{
    if (due.isEmpty())
        return;
    // One disk sync for all requests that fall due together, however many panels were switched at once. The
    // announcements wait for the commit: until then nothing is stored for good.
    if (due.size() > 1) {
        SqlTransaction transaction;
        if (transaction.isOpen()) {
            bool allWritten = true;
            for (universalSwitchMessage msg : due) {
                const Stored outcome = store(msg);
                if (outcome == Stored::NewRowLost || outcome == Stored::ChangeLost) {
                    allWritten = false;
                    break;
                }
                if (outcome == Stored::Written)
                    gDatabase.afterCommit([msg] { announce(msg); });
            }
            // A commit that fails has been rolled back, its announcements dropped with it.
            if (allWritten && transaction.commit())
                return;
            transaction.rollback();
            qWarning() << "guest requests could not be stored together; storing each by itself:" << due.size();
        }
    }
    for (const universalSwitchMessage &msg : due)
        storeAndAnnounce(msg);
}

void reportNotStored(const universalSwitchMessage &msg, const QString &why)
{
    const QString project = QFileInfo(gDatabase.databaseName()).completeBaseName();
    qWarning().nospace().noquote() << "guest call not stored in project " << project << ": "
                                   << (isAlarm(msg) ? "alarm" : "request") << " of panel " << msg.subnet_id << "."
                                   << msg.device_id << ", switch " << msg.universal_switch_no << " "
                                   << (msg.switch_state ? "on" : "off") << ", message " << msg.message_id << ", room "
                                   << msg.room_id << ", received " << timeText(msg.recv_seconds)
                                   << (msg.id > 0 ? QString(", row %1").arg(msg.id) : QString()) << ": " << why;
    emit gBroadcastSocket.signalsInformation(
        QCoreApplication::translate("GuestRequests", "Project %1 cannot be written (%2): a guest call was not saved.")
            .arg(project, why));
}

messageRecord unsavedRecord(const universalSwitchMessage &msg)
{
    messageRecord record;
    std::memset(&record, 0, sizeof record);
    record.message_id = msg.message_id;
    record.message_type = msg.message_type;
    record.message_status = msg.message_status;
    record.panel_id = msg.panel_id;
    record.room_id = msg.room_id;
    copyRecordText(record.recv_time, timeText(msg.recv_seconds));
    return record;
}

} // namespace GuestRequests
