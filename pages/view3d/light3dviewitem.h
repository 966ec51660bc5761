#pragma once
// The lights of a room on its 3D picture: a marker per light with a bus address showing whether it is on, and the
// light's panel popped up by a press on its marker.

#include "devicelink/devicerecords.h"
#include "pages/view3d/markerview3d.h"
#include "panels/lightitem.h"

class Light3DViewItem : public MarkerView3DOf<lightRecord, LightItem>
{
    Q_OBJECT

public:
    explicit Light3DViewItem(QWidget *parent);

    // Replaces the lights and the picture with the room's; neither refreshes nor changes isRefreshFinished.
    void loadRoom(int roomId);

    // On when its level (for an RGB light any of its four levels) is above 0.
    static bool isOn(const lightRecord &record);

protected:
    void paintMarker(QPainter &painter, int index) override;
};
