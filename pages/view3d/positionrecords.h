#pragma once
// Where a device's marker stands on the room's 3D picture, as the placement tabs keep it while the user drags:
// xp1, yp1 are the top-left corner of the 80 x 80 marker box in pixels of the widget showing the picture.

#include "devicelink/devicerecords.h"

#include <QtGlobal>

// An air conditioner (number 0 or 1) or a floor heating (number 2 or 3) of a room.
struct airConditionerPositionRecord
{
    bool dragging; // the marker follows the mouse
    qint32 air_conditioner_no;
    qint32 room_id;
    qint32 xp1;
    qint32 yp1;
    char remark[DeviceRecordLongText];
};

// A light of a room, listed by its own row (rgb 0 or 1).
struct lightPositionRecord
{
    bool dragging; // the marker follows the mouse
    qint32 light_id;
    qint32 room_id;
    qint32 xp1;
    qint32 yp1;
    char icon_name_of_light_on[DeviceRecordShortText];
    char light_remark[DeviceRecordLongText];
};
