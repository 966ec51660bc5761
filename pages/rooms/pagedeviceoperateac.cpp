#include "pages/rooms/pagedeviceoperateac.h"

#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "panels/roomitem.h"

PageDeviceOperateAC::PageDeviceOperateAC(const QString &id, const QString &name, QWidget *parent)
    : PageDeviceOperate(id, name,
                        {RoomItemAirConditioners,
                         "select * from tbl_air_conditioner where room_id=%d and (air_conditioner_no=0 or "
                         "air_conditioner_no=1) order by air_conditioner_no asc",
                         "all_airConditioners", QT_TRANSLATE_NOOP("PageDeviceOperate", "Refresh All ACs Information"),
                         1, [](int state) { emit gBroadcastSocket.signalsACStatus(state); }},
                        parent)
{
}
