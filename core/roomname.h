#pragma once
// The name staff know a room by, "region-floor-room", as the message rows, the message dialogs and the device
// log show it.

#include <QHash>
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

// The region and floor names of the project, read once for labelling many rooms: a project has few of them and
// thousands of rooms. The first row of an id is the one a lookup by id would find.
class RoomLabels
{
public:
    RoomLabels();

    // "region-floor-room", an empty part where the region or floor has no row.
    QString label(int regionId, int floorId, const QString &roomName) const;

private:
    static qint64 floorKey(int regionId, int floorId) { return (qint64(regionId) << 32) | quint32(floorId); }

    QHash<int, QString> m_regions;
    QHash<qint64, QString> m_floors;
};
