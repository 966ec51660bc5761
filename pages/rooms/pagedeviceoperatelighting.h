#pragma once
// "Lighting": every room's lighting panels, with refresh-all and all on/off.

#include "pages/rooms/pagedeviceoperate.h"

class PageDeviceOperateLighting : public PageDeviceOperate
{
    Q_OBJECT

public:
    PageDeviceOperateLighting(const QString &id, const QString &name, QWidget *parent);
};
