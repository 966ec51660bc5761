#include "pages/roomconfig/roomentries.h"

#include "core/roomname.h"
#include "core/roomstore.h"
#include "core/templatestore.h"

QVector<DeviceListEntry> roomEntries()
{
    const RoomLabels labels;
    QVector<DeviceListEntry> entries;
    for (const RoomRow &room : roomsInOrder())
        entries.append({room.roomId, labels.label(room.regionId, room.floorId, room.name), room.iconName});
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
