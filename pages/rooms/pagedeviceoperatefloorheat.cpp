#include "pages/rooms/pagedeviceoperatefloorheat.h"

#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "panels/roomitem.h"

PageDeviceOperateFloorHeat::PageDeviceOperateFloorHeat(const QString &id, const QString &name, QWidget *parent)
    : PageDeviceOperate(id, name,
                        {RoomItemFloorHeatings,
                         "select * from tbl_air_conditioner where room_id=%d and (air_conditioner_no=2 or "
                         "air_conditioner_no=3) order by air_conditioner_no asc",
                         "all_floorHeatings", QT_TRANSLATE_NOOP("PageDeviceOperate", "Refresh All FHs Information"), 1,
                         [](int state) { emit gBroadcastSocket.signalsACStatus(state); }},
                        parent)
{
}
