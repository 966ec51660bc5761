#include "pages/rooms/pagedeviceoperatelighting.h"

#include "core/devicestore.h"
#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "panels/roomitem.h"

PageDeviceOperateLighting::PageDeviceOperateLighting(const QString &id, const QString &name, QWidget *parent)
    : PageDeviceOperate(id, name,
                        {RoomItemLights, "all_lightings",
                         QT_TRANSLATE_NOOP("PageDeviceOperate", "Refresh All Ligths Information"), 100,
                         [](int state) { emit gBroadcastSocket.signalsLightStatus(state); },
                         [](int roomId) { return roomHasAddressedLights(roomId); }},
                        parent)
{
}
