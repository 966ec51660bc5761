#pragma once
// The placement tab of a room's air conditioners (numbers 0 and 1): one marker per device with the kind's icon and the
// device's remark.

#include "pages/view3d/climateplacementtab.h"

class PageSetting3DViewManagerAC : public ClimatePlacementTab
{
    Q_OBJECT

public:
    explicit PageSetting3DViewManagerAC(QWidget *parent);
};
