#pragma once
// The air conditioners (numbers 0 and 1) of a room on its 3D picture: a marker per device with its power state and set
// point, and the device's panel popped up by a press on its marker. No page shows it yet; it offers what the light view
// offers.

#include "pages/view3d/climate3dviewitem.h"
#include "panels/acitem.h"

class AC3DViewItem : public Climate3DViewItemOf<ACItem>
{
    Q_OBJECT

public:
    explicit AC3DViewItem(QWidget *parent);
};
