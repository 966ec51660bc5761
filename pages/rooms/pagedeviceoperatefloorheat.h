#pragma once
// "Floor Heat": every room's floor heat panels, with refresh-all and all on/off.

#include "pages/rooms/pagedeviceoperate.h"

class PageDeviceOperateFloorHeat : public PageDeviceOperate
{
    Q_OBJECT

public:
    PageDeviceOperateFloorHeat(const QString &id, const QString &name, QWidget *parent);
};
