#include "pages/roomconfig/roomentries.h"

#include "core/roomstore.h"
#include "core/templatestore.h"

#include <QHash>
#include <QPair>

QVector<DeviceListEntry> roomEntries()
{
    // Region and floor names are read once per build, not once per room.
    QHash<int, QString> regionNames;
    for (const RegionRow &region : regions())
        regionNames.insert(region.regionId, region.name);
    QHash<QPair<int, int>, QString> floorNames;
    for (const FloorRow &floor : floors())
        floorNames.insert({floor.regionId, floor.floorId}, floor.name);

    QVector<DeviceListEntry> entries;
    for (const RoomRow &room : roomsInOrder()) {
        const QString label = QString::asprintf("%s-%s-%s", regionNames.value(room.regionId).toUtf8().constData(),
                                                floorNames.value({room.regionId, room.floorId}).toUtf8().constData(),
                                                room.name.toUtf8().constData());
        entries.append({room.roomId, label, room.iconName});
    }
    return entries;
}

QVector<DeviceListEntry> roomTemplateEntries()
{
    QVector<DeviceListEntry> entries;
    for (const RoomTemplateRow &row : roomTemplates())
        entries.append({row.templateId, row.name, row.iconName});
    return entries;
}

std::optional<DeviceListEntry> readRoomEntry(int roomId)
{
    RoomRow room;
    if (!readRoom(roomId, room))
        return std::nullopt;
    return DeviceListEntry{room.roomId, room.name, room.iconName};
}

std::optional<DeviceListEntry> readRoomTemplateEntry(int templateId)
{
    RoomTemplateRow row;
    if (!readRoomTemplate(templateId, row))
        return std::nullopt;
    return DeviceListEntry{row.templateId, row.name, row.iconName};
}
