#include "pages/rooms/pageroomoperatelighting.h"

#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "panels/devicerecordloaders.h"
#include "panels/lightitem.h"

PageRoomOperateLighting::PageRoomOperateLighting(QWidget *parent)
    : PageRoomOperateDevices(tr("Refresh All Ligths Information"), parent)
{
}

QList<DevicePanel *> PageRoomOperateLighting::createPanels(int roomId) const
{
    QList<DevicePanel *> panels;
    for (const lightRecord &record : loadLightRecords(roomId))
        panels << new LightItem(record, false, nullptr);
    return panels;
}

QString PageRoomOperateLighting::lastUpdateKey(int roomId) const
{
    return QString("%1_lighting").arg(roomId);
}

void PageRoomOperateLighting::broadcastAll(int state) const
{
    emit gBroadcastSocket.signalsLightStatus(state);
}
