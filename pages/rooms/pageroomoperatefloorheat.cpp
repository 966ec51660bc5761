#include "pages/rooms/pageroomoperatefloorheat.h"

#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "panels/devicerecordloaders.h"
#include "panels/floorheatitem.h"

PageRoomOperateFloorHeat::PageRoomOperateFloorHeat(QWidget *parent)
    : PageRoomOperateDevices(tr("Refresh All FHs Information"), parent)
{
}

QList<DevicePanel *> PageRoomOperateFloorHeat::createPanels(int roomId) const
{
    QList<DevicePanel *> panels;
    for (const airConditionerRecord &record : loadFloorHeatingRecords(roomId))
        panels << new FloorHeatItem(record, false, nullptr);
    return panels;
}

QString PageRoomOperateFloorHeat::lastUpdateKey(int roomId) const
{
    return QString("%1_floorHeating").arg(roomId);
}

void PageRoomOperateFloorHeat::broadcastAll(int state) const
{
    emit gBroadcastSocket.signalsACStatus(state);
}
