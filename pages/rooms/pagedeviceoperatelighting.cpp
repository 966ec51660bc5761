#include "pages/rooms/pagedeviceoperatelighting.h"

#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "panels/roomitem.h"

PageDeviceOperateLighting::PageDeviceOperateLighting(const QString &id, const QString &name, QWidget *parent)
    : PageDeviceOperate(id, name,
                        {RoomItemLights,
                         "select * from tbl_light where room_id=%d and (rgb=0 or rgb=1) and subnet_id >0 and device_id "
                         ">0 order by light_id asc",
                         "all_lightings", QT_TRANSLATE_NOOP("PageDeviceOperate", "Refresh All Ligths Information"), 100,
                         [](int state) { emit gBroadcastSocket.signalsLightStatus(state); }},
                        parent)
{
}
