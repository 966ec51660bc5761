#pragma once
// The name staff know a room by, "region-floor-room", as the message rows, the message dialogs and the device
// log show it.

#include <QString>

// The three names of a room, each read from its own table, and whether its row was found. A room row that is
// missing leaves all three empty: the region and floor are found through it.
struct RoomNameParts
{
    QString region;
    QString floor;
    QString room;
    bool hasRegion = false;
    bool hasFloor = false;
    bool hasRoom = false;

    bool complete() const { return hasRegion && hasFloor && hasRoom; }
    // "%s-%s-%s" of the region, floor and room names; an empty part where a row is missing.
    QString joined() const;
};

RoomNameParts roomNameParts(int roomId);

// roomNameParts(roomId).joined(): "A-1-101", or "A--101" when the floor row is missing.
QString roomFullName(int roomId);
