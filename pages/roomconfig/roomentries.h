#pragma once
// Rooms and room templates as their list pages and editors show them: an id, a name and a picture.

#include "pages/roomconfig/devicelisttab.h"

#include <QVector>

#include <optional>

// Which rows a list page or editor of room configuration shows.
enum class RoomConfigKind { Room, Template };

// Every room in room order, named "region-floor-room".
QVector<DeviceListEntry> roomEntries();
// Every room template in template order, under its own name.
QVector<DeviceListEntry> roomTemplateEntries();

// The room's or the template's own name and picture; empty when there is no such row.
std::optional<DeviceListEntry> readRoomEntry(int roomId);
std::optional<DeviceListEntry> readRoomTemplateEntry(int templateId);
