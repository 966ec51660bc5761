#pragma once
// Guest-request records that travel by value through the signal hub.

#include <QMetaType>
#include <QString>
#include <QtGlobal>

// One guest request raised or withdrawn at a wall panel's universal switch.
struct universalSwitchMessage
{
    qint32 id;                  // row id in tbl_message_log, 0 until stored
    qint32 subnet_id;           // the panel's bus subnet
    qint32 device_id;           // the panel's bus device
    qint32 universal_switch_no; // 0-255
    qint32 switch_state;        // 1 switched on, 0 switched off
    qint32 panel_id;
    qint32 room_id;
    qint32 message_id;
    qint32 message_status; // MessageStatus
    qint32 message_type;   // MessageType
    qint32 recv_seconds;   // seconds since 1970-01-01 00:00 UTC
};

// One row of tbl_message_log.
struct messageRecord
{
    qint32 id;
    qint32 message_id;
    qint32 message_type;
    qint32 message_status;
    qint32 panel_id;
    qint32 room_id;
    char message_log_remark[256]; // NUL-terminated UTF-8
    char recv_time[256];          // "yyyy-MM-dd HH:mm:ss", local time
    char deal_time[256];          // same layout, empty until dealt with
};

Q_DECLARE_METATYPE(universalSwitchMessage)
Q_DECLARE_METATYPE(messageRecord)

// Copies text as UTF-8 into a fixed text field of size bytes. A text that does not fit is cut before the first
// character that would not fit whole, so the field never ends in half a character; the field is always
// NUL-terminated and zero after the text.
void copyRecordText(char *field, int size, const QString &text);
template <int N> inline void copyRecordText(char (&field)[N], const QString &text)
{
    copyRecordText(field, N, text);
}

// Makes the three texts of a record received from elsewhere whole characters and NUL-terminated, as
// copyRecordText leaves them, so a sender that filled a field to its last byte cannot make a reader run on.
void terminateRecordTexts(messageRecord &record);

// Registers both records with the meta-type system; safe to call more than once.
void registerMessageRecordTypes();
