#pragma once
// The rooms of the project with their regions and floors: every read and write of tbl_room, tbl_region and
// tbl_floor that the pages and panels make. Names are always bound, so any text is stored as given.
//
// Reads answer the rows (a failed statement reads as no rows; pass error to tell the two apart: it is then set to
// the reason and left untouched on success). Writes answer whether they were stored; error is set when not.

#include <QString>
#include <QStringList>
#include <QVector>

// One row of tbl_room.
struct RoomRow
{
    int roomId = 0;
    QString name;
    QString iconName;
    int floorId = 0;
    int regionId = 0;
    int templateId = 0;
};

struct RegionRow
{
    int regionId = 0;
    QString name;
};

struct FloorRow
{
    int regionId = 0;
    int floorId = 0;
    QString name;
};

// Every room ordered by region id, floor id and room id: the order of every room grid and room list.
QVector<RoomRow> roomsInOrder(QString *error = nullptr);
// The ids of roomsInOrder().
QVector<int> roomIdsInOrder(QString *error = nullptr);
// Every room id in the table, in no particular order (the ids in use, for handing out new ones).
QVector<int> usedRoomIds(QString *error = nullptr);
// The rooms built from a template, in table order.
QVector<int> roomIdsOfTemplate(int templateId, QString *error = nullptr);

// The first row of the room; false, with room left as passed in, when there is none.
bool readRoom(int roomId, RoomRow &room, QString *error = nullptr);

// Inserts the room row (name, picture, room, floor, region and template ids).
[[nodiscard]] bool addRoom(const RoomRow &room, QString *error = nullptr);
// Stores the room's name and picture as given (an empty name stays empty); a missing room changes nothing and
// still succeeds.
[[nodiscard]] bool saveRoomNameAndPicture(int roomId, const QString &name, const QString &iconName,
                                          QString *error = nullptr);

// Every region (id, name) and every floor (region id, floor id, name), in table order.
QVector<RegionRow> regions(QString *error = nullptr);
QVector<FloorRow> floors(QString *error = nullptr);
// The region names ordered by region id, as the add-room dialog offers them.
QStringList regionNamesInOrder(QString *error = nullptr);
// The names of the region's floors ordered by floor id.
QStringList floorNamesOfRegion(int regionId, QString *error = nullptr);

// The name of the region, or of the region's floor; empty without a row.
QString regionName(int regionId, QString *error = nullptr);
QString floorName(int regionId, int floorId, QString *error = nullptr);

// The id of the first region of that name, or of the first floor of that name in the region; false, with the id
// left as passed in, when there is none.
bool findRegion(const QString &name, int &regionId, QString *error = nullptr);
bool findFloor(const QString &name, int regionId, int &floorId, QString *error = nullptr);

// Inserts a region, or a floor of a region, under the given id.
[[nodiscard]] bool addRegion(const QString &name, int regionId, QString *error = nullptr);
[[nodiscard]] bool addFloor(const QString &name, int floorId, int regionId, QString *error = nullptr);
