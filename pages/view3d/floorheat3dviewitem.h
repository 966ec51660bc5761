#pragma once
// The floor heatings (numbers 2 and 3) of a room on its 3D picture: a marker per device with its power state and set
// point, and the device's panel popped up by a press on its marker. No page shows it yet; it offers what the light view
// offers.

#include "devicelink/devicerecords.h"
#include "pages/view3d/markerview3d.h"
#include "panels/floorheatitem.h"

class FloorHeat3DViewItem : public MarkerView3DOf<airConditionerRecord, FloorHeatItem>
{
    Q_OBJECT

public:
    explicit FloorHeat3DViewItem(QWidget *parent);

    // Replaces the devices and the picture with the room's; neither refreshes nor changes isRefreshFinished.
    void loadRoom(int roomId);

protected:
    void paintMarker(QPainter &painter, int index) override;
};
