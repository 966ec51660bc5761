#include "pages/view3d/ac3dviewitem.h"

#include "pages/view3d/climatemarker.h"
#include "panels/devicerecordloaders.h"

AC3DViewItem::AC3DViewItem(QWidget *parent) : MarkerView3DOf(parent)
{
    if (objectName().isEmpty())
        setObjectName("AC3DViewItem");
}

void AC3DViewItem::loadRoom(int roomId)
{
    clearEntries();
    loadPictureName(roomId);
    for (const airConditionerRecord &device : loadAirConditionerRecords(roomId)) {
        const QPoint position =
            loadPosition("select xp1,yp1 from tbl_3d_air_conditioner where air_conditioner_no=%d and room_id=%d",
                         "insert into tbl_3d_air_conditioner(air_conditioner_no,xp1,yp1,room_id) values(%d,%d,%d,%d)",
                         device.air_conditioner_no, roomId);
        addEntry(position, device);
    }
    update();
}

void AC3DViewItem::paintMarker(QPainter &painter, int index)
{
    const Entry &entry = m_entries.at(index);
    paintClimateMarker(painter, QPoint(entry.xp1, entry.yp1), entry.record, false);
}
