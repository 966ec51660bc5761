#include "pages/rooms/pageroomoperateac.h"

#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "panels/acitem.h"
#include "panels/devicerecordloaders.h"

PageRoomOperateAC::PageRoomOperateAC(QWidget *parent)
    : PageRoomOperateDevices(tr("Refresh All ACs Information"), parent)
{
}

QList<DevicePanel *> PageRoomOperateAC::createPanels(int roomId) const
{
    QList<DevicePanel *> panels;
    for (const airConditionerRecord &record : loadAirConditionerRecords(roomId))
        panels << new ACItem(record, false, nullptr);
    return panels;
}

QString PageRoomOperateAC::lastUpdateKey(int roomId) const
{
    return QString("%1_airConditioner").arg(roomId);
}

void PageRoomOperateAC::broadcastAll(int state) const
{
    emit gBroadcastSocket.signalsACStatus(state);
}
