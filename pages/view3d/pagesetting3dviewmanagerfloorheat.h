#pragma once
// The placement tab of a room's floor heatings (numbers 2 and 3): one marker per device with the kind's icon and the
// device's remark.

#include "pages/view3d/climateplacementtab.h"

class PageSetting3DViewManagerFloorHeat : public ClimatePlacementTab
{
    Q_OBJECT

public:
    explicit PageSetting3DViewManagerFloorHeat(QWidget *parent);
};
