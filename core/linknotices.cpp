#include "core/linknotices.h"

namespace {

// Plain pointers, set before main() runs: constant-initialised, so they hold nullptr before any listener is set,
// whichever translation unit is built first.
StationAddressListener stationAddressListener = nullptr;
RoomDeletedListener roomDeletedListener = nullptr;

} // namespace

void setStationAddressListener(StationAddressListener listener)
{
    stationAddressListener = listener;
}

void setRoomDeletedListener(RoomDeletedListener listener)
{
    roomDeletedListener = listener;
}

void announceStationAddress(quint8 subnetId, quint8 deviceId)
{
    if (stationAddressListener)
        stationAddressListener(subnetId, deviceId);
}

void announceRoomDeleted(int roomId)
{
    if (roomDeletedListener)
        roomDeletedListener(roomId);
}
