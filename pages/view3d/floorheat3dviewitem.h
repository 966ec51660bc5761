#pragma once
// The floor heatings (numbers 2 and 3) of a room on its 3D picture: a marker per device with its power state and set
// point, and the device's panel popped up by a press on its marker. No page shows it yet; it offers what the light view
// offers.

#include "pages/view3d/climate3dviewitem.h"
#include "panels/floorheatitem.h"

class FloorHeat3DViewItem : public Climate3DViewItemOf<FloorHeatItem>
{
    Q_OBJECT

public:
    explicit FloorHeat3DViewItem(QWidget *parent);
};
