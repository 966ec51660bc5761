#pragma once
// "AC": every room's ac panels, with refresh-all and all on/off.

#include "pages/rooms/pagedeviceoperate.h"

class PageDeviceOperateAC : public PageDeviceOperate
{
    Q_OBJECT

public:
    PageDeviceOperateAC(const QString &id, const QString &name, QWidget *parent);
};
