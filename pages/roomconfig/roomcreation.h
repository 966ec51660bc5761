#pragma once
// Creating rooms from a room template: the region and floor by name, then one room or a numbered series, each
// with a copy of the template's picture, lights and panels. The add-room dialog runs it for its form; it takes
// any count, so large series cost one read of each id column, not one per room.

#include <QSet>
#include <QString>
#include <QVector>

// Hands out the lowest ids that no row holds, in order, as the storage's allocators would if each id were
// inserted before the next is taken; the used ids are read once.
class IdPool
{
public:
    IdPool(const QVector<int> &used, int start);
    int take();

private:
    QSet<int> m_used;
    int m_next;
};

// The name of room i (from 0) of a numbered series typed as name. A trailing run of decimal digits counts up
// from its value, leading zeros dropped (A09: A9, A10, A11; 101: 101, 102); it is added digit by digit, so a
// run of any length neither overflows nor loses digits. Without trailing digits room 0 keeps the name and room
// i gets i appended (Suite, Suite1, Suite2).
QString numberedRoomName(const QString &name, int i);

struct RoomSeries
{
    QString regionName;
    QString floorName;
    QString roomName;
    int templateId = 0;
    // Rooms to add; 0 or less adds none (the region and floor are still made when new).
    int count = 1;
    // Whether the names are numbered (a bulk series of more than one room).
    bool numbered = false;
};

// Adds the series as one transaction; the picture files made for it are removed again when it fails. False
// when nothing was written. The template row must exist.
bool addRoomSeries(const RoomSeries &series);
