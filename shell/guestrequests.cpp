#include "shell/guestrequests.h"

#include "core/cppsqlite3db.h"
#include "core/devicestore.h"
#include "core/globals.h"
#include "devicelink/broadcastsocket.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

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

// What the database said when a statement failed, as staff can read it ("database or disk is full").
QString failureText(const QSqlQuery &query)
{
    const QSqlError error = query.lastError();
    const QString text = error.databaseText().trimmed();
    if (!text.isEmpty())
        return text;
    return error.text().trimmed().isEmpty() ? QStringLiteral("unknown error") : error.text().trimmed();
}

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

    QSqlQuery message = gDatabase.querySql(QString::asprintf(
        "select message_id,message_type from tbl_message where universal_switch_no=%d", msg.universal_switch_no));
    if (!message.next())
        return false;
    msg.message_id = message.value(0).toInt();
    msg.message_type = message.value(1).toInt();
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
    QSqlQuery insert = gDatabase.querySql(
        "insert into tbl_message_log(message_id,message_type,message_status,panel_id,room_id,message_log_remark,"
        "recv_time,deal_time)values(?,?,?,?,?,?,?,?)",
        {msg.message_id, msg.message_type, statusPending, msg.panel_id, msg.room_id, QString(""),
         timeText(msg.recv_seconds), QString("")});
    // The id of the row just inserted, even when rows of the same request share the second.
    msg.id = insert.isActive() ? insert.lastInsertId().toInt() : 0;
    if (msg.id > 0)
        return true;
    msg.id = 0;
    if (why)
        *why = insert.isActive() ? QStringLiteral("the new row has no id") : failureText(insert);
    return false;
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
    const QVariantList day = {msg.message_id, msg.message_type, msg.panel_id, msg.room_id,
                              dateText(msg.recv_seconds) + "%"};
    const QString daySql = "select * from tbl_message_log where message_id=? and message_type=? and panel_id=? and"
                           " room_id=? and recv_time like ? order by id";
    QSqlQuery first = gDatabase.querySql(daySql, day);
    if (first.next()) {
        const int rowId = first.value("id").toInt();
        const int rowStatus = first.value("message_status").toInt();
        first.finish();
        if (rowStatus == statusPending || rowStatus == statusCancelled) {
            msg.id = rowId;
            QSqlQuery update = gDatabase.querySql("update tbl_message_log set message_status=?,recv_time=? where id=?",
                                                  {msg.message_status, timeText(msg.recv_seconds), rowId});
            if (update.isActive())
                return Stored::Written;
            if (why)
                *why = failureText(update);
            return Stored::ChangeLost;
        }
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
    if (due.size() > 1 && gDatabase.beginTransaction()) {
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
        if (allWritten) {
            // A commit that fails has been rolled back, its announcements dropped with it.
            if (gDatabase.commitTransaction())
                return;
        } else {
            gDatabase.rollbackTransaction();
        }
        qWarning() << "guest requests could not be stored together; storing each by itself:" << due.size();
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

messageRecord recordFromRow(const QSqlQuery &query)
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

} // namespace GuestRequests
