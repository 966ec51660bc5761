#pragma once
// Guest requests raised at the wall panels' universal switches: reading the switch frame, finding the panel
// and the message, the pending list of service requests and their 20-second debounce, and the rows of the
// message log that a request opens, re-opens or cancels.
//
// The main window owns the pending list and the switch timer and calls these functions; they keep no state
// of their own apart from the clock seam.
//
// A call is never lost without a word: the panel has had its answer before any of this runs, so a call that
// cannot be written is still announced (with id 0, from the record in memory), and the failure is logged and
// told to staff. A re-open or cancel that cannot be written is not announced, as the log still holds the row's
// old state.

#include "devicelink/messagerecords.h"

#include <QList>
#include <QString>

#include <functional>

namespace GuestRequests {

// A service request waits this long after the last change of its switch before it touches the message log.
constexpr qint64 debounceSeconds = 20;

// Opcodes of the universal-switch frame and of the station's answer to it.
constexpr quint16 switchOpcode = 0xE01C;
constexpr quint16 answerOpcode = 0xE01D;

// The current time in whole seconds since 1970 (UTC). Tests replace the clock; an empty function restores
// the platform clock.
qint64 now();
void setClock(const std::function<qint64()> &clock);

// Local-time texts of the message log: "yyyy-MM-dd HH:mm:ss" and "yyyy-MM-dd".
QString timeText(qint64 seconds);
QString dateText(qint64 seconds);

// The content of a universal-switch frame.
struct SwitchFrame
{
    quint8 subnet = 0; // the panel's address, the frame's source
    quint8 device = 0;
    int switchNo = 0;
    int state = 0; // 1 on, 0 off
};

// Reads a frame that checkPacket has accepted (length bytes received). False when it is no universal-switch
// frame or too short to carry both the switch number and the state before its CRC.
bool readSwitchFrame(const quint8 *frame, qint64 length, SwitchFrame &out);

// Fills msg for a frame of the panel subnet/device: panel and room from tbl_panel, message and type from
// tbl_message by the switch number, status 0 for alarms and for a service request switched on, 1 for one
// switched off, the reception time from now(). False when the panel or the switch's message is not configured.
bool identify(quint8 subnet, quint8 device, int switchNo, int state, universalSwitchMessage &msg);

// True for a request that is logged at once instead of waiting for the debounce.
bool isAlarm(const universalSwitchMessage &msg);

// Inserts an open row (status 0, empty remark and deal time, received at msg.recv_seconds) and sets msg.id to
// its id. False when the row could not be written: msg.id is then 0 and why, when given, says what the database
// answered.
bool insertOpenRow(universalSwitchMessage &msg, QString *why = nullptr);

// Puts a service request into the pending list: a request of the same panel switch in the same state keeps its
// first reception time, one in the other state is replaced (its wait starts again), a new one is appended.
void queue(QList<universalSwitchMessage> &pending, const universalSwitchMessage &msg);

// Removes from the list, and answers in list order, every request whose debounce has run out at the time now.
QList<universalSwitchMessage> takeDue(QList<universalSwitchMessage> &pending, qint64 now);

// What applying a debounced service request did to the message log.
enum class Stored {
    Written,    // a row was inserted or re-opened or cancelled; msg.id is that row's id
    Nothing,    // switched off with no open row of the day: there is nothing to change
    NewRowLost, // the new row could not be inserted; msg.id is 0
    ChangeLost  // the re-open or cancel of the row msg.id could not be written; the row keeps its old state
};

// Applies a debounced service request to the first row of that message, panel and room of the day it was
// received: an open or cancelled row is re-opened or cancelled, else a request switched on opens a new row.
// On a failure why, when given, says what the database answered.
Stored store(universalSwitchMessage &msg, QString *why = nullptr);

// Logs an alarm at once and announces it: with its row's id, or, when the row cannot be written, with id 0
// once the failure has been reported, so that staff still see the alarm.
void logAlarm(universalSwitchMessage msg);

// Stores the debounced service requests that fell due together and announces each one stored. They are written
// in one transaction; when any write or the commit fails, nothing of it is kept or announced and each request
// is stored again on its own, so that every one gets its own outcome and only what was stored is announced.
void storeDue(const QList<universalSwitchMessage> &due);

// Logs with qWarning that msg could not be stored and why, and tells staff that the project cannot be written.
void reportNotStored(const universalSwitchMessage &msg, const QString &why);

// The record of a call that could not be stored, as the strip and the alarm dialog show it: id 0, status and
// type as announced, the reception time, no remark and no time of dealing.
messageRecord unsavedRecord(const universalSwitchMessage &msg);

} // namespace GuestRequests
