#pragma once
// One row of tbl_message_log as the plain record that travels by value through the station, and the fixed-size
// text fields it and the device log's record are made of.

#include <QString>
#include <QtGlobal>

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
