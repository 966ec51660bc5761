#pragma once
// Guest-request records that travel by value through the signal hub.

#include "core/messagerecord.h"

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

Q_DECLARE_METATYPE(universalSwitchMessage)
Q_DECLARE_METATYPE(messageRecord)

// Registers both records with the meta-type system; safe to call more than once.
void registerMessageRecordTypes();
