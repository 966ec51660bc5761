#pragma once
// What the core tells the device link. The link sits beside the core and uses it, so the core never names it:
// the link hands over its listeners when its process-wide object is built, and an announcement without a
// listener (a program without the link) goes nowhere.

#include <QtGlobal>

// The station's own bus address as the settings hold it, cut to bytes.
using StationAddressListener = void (*)(quint8 subnetId, quint8 deviceId);
// A room's rows are gone for good (its deletion has committed).
using RoomDeletedListener = void (*)(int roomId);

void setStationAddressListener(StationAddressListener listener);
void setRoomDeletedListener(RoomDeletedListener listener);

void announceStationAddress(quint8 subnetId, quint8 deviceId);
void announceRoomDeleted(int roomId);
