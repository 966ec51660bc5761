#pragma once
// The air conditioners (numbers 0 and 1) of a room on its 3D picture: a marker per device with its power state and set
// point, and the device's panel popped up by a press on its marker. No page shows it yet; it offers what the light view
// offers.

#include "devicelink/devicerecords.h"
#include "pages/view3d/markerview3d.h"
#include "panels/acitem.h"

class AC3DViewItem : public MarkerView3DOf<airConditionerRecord, ACItem>
{
    Q_OBJECT

public:
    explicit AC3DViewItem(QWidget *parent);

    // Replaces the devices and the picture with the room's; neither refreshes nor changes isRefreshFinished.
    void loadRoom(int roomId);

protected:
    void paintMarker(QPainter &painter, int index) override;
};
