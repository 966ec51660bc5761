#pragma once
// "Moods": every room's mood cards; a press on a card plays its mood.

#include "pages/rooms/pagedeviceoperate.h"

class PageDeviceOperateMoods : public PageDeviceOperate
{
    Q_OBJECT

public:
    PageDeviceOperateMoods(const QString &id, const QString &name, QWidget *parent);
};
