#pragma once
// What the air-conditioner and floor-heating views of a room's 3D picture share: both read their devices from
// tbl_air_conditioner (each its own numbers), keep their positions in tbl_3d_air_conditioner and draw the same
// marker; they differ only in the numbers they load, the panel they pop up and the marker's state line.

#include "core/placementstore.h"
#include "devicelink/devicerecords.h"
#include "pages/view3d/climatemarker.h"
#include "pages/view3d/markerview3d.h"

#include <QList>
#include <QPainter>

template <typename Panel> class Climate3DViewItemOf : public MarkerView3DOf<airConditionerRecord, Panel>
{
public:
    // Replaces the devices and the picture with the room's; neither refreshes nor changes isRefreshFinished.
    void loadRoom(int roomId)
    {
        this->clearEntries();
        this->loadPictureName(roomId);
        for (const airConditionerRecord &device : loadDevices(roomId)) {
            const QPoint position = this->loadPosition(loadClimatePosition, device.air_conditioner_no, roomId);
            this->addEntry(position, device);
        }
        this->reportLoadFailure();
        this->update();
    }

protected:
    // The room's devices of the view's kind, in the order their markers are listed.
    using DeviceLoader = QList<airConditionerRecord> (*)(int roomId);

    Climate3DViewItemOf(DeviceLoader loader, bool floorHeating, QWidget *parent)
        : MarkerView3DOf<airConditionerRecord, Panel>(parent), loadDevices(loader), floorHeatingMarkers(floorHeating)
    {
    }

    void paintMarker(QPainter &painter, int index) override
    {
        const auto &entry = this->m_entries.at(index);
        paintClimateMarker(painter, QPoint(entry.xp1, entry.yp1), entry.record, floorHeatingMarkers);
    }

private:
    DeviceLoader loadDevices;
    bool floorHeatingMarkers;
};
