#include "pages/rooms/pagedeviceoperatefloorheat.h"

#include "core/climatestore.h"
#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "panels/roomitem.h"

PageDeviceOperateFloorHeat::PageDeviceOperateFloorHeat(const QString &id, const QString &name, QWidget *parent)
    : PageDeviceOperate(id, name,
                        {RoomItemFloorHeatings, "all_floorHeatings",
                         QT_TRANSLATE_NOOP("PageDeviceOperate", "Refresh All FHs Information"), 1,
                         [](int state) { emit gBroadcastSocket.signalsACStatus(state); },
                         [](int roomId) { return hasClimateRows(roomId, ClimateKind::FloorHeatings); }},
                        parent)
{
}
