#include "pages/rooms/pagedeviceoperateac.h"

#include "core/climatestore.h"
#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "panels/roomitem.h"

PageDeviceOperateAC::PageDeviceOperateAC(const QString &id, const QString &name, QWidget *parent)
    : PageDeviceOperate(id, name,
                        {RoomItemAirConditioners, "all_airConditioners",
                         QT_TRANSLATE_NOOP("PageDeviceOperate", "Refresh All ACs Information"), 1,
                         [](int state) { emit gBroadcastSocket.signalsACStatus(state); },
                         [](int roomId) { return hasClimateRows(roomId, ClimateKind::AirConditioners); }},
                        parent)
{
}
