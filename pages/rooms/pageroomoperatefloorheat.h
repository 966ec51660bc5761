#pragma once
// The "Floor Heat" tab of a room's operation page: a panel for floor heating 1 and 2 of the room.

#include "pages/rooms/pageroomoperatedevices.h"

class PageRoomOperateFloorHeat : public PageRoomOperateDevices
{
    Q_OBJECT

public:
    explicit PageRoomOperateFloorHeat(QWidget *parent);

protected:
    QList<DevicePanel *> createPanels(int roomId) const override;
    QString lastUpdateKey(int roomId) const override;
    int onState() const override { return 1; }
    void broadcastAll(int state) const override;
};
