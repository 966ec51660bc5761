#pragma once
// The "Lighting" tab of a room's operation page: a panel for every light of the room with a bus address.

#include "pages/rooms/pageroomoperatedevices.h"

class PageRoomOperateLighting : public PageRoomOperateDevices
{
    Q_OBJECT

public:
    explicit PageRoomOperateLighting(QWidget *parent);

protected:
    QList<DevicePanel *> createPanels(int roomId) const override;
    QString lastUpdateKey(int roomId) const override;
    int onState() const override { return 100; }
    void broadcastAll(int state) const override;
};
