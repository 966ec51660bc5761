#include "pages/view3d/floorheat3dviewitem.h"

#include "panels/devicerecordloaders.h"

FloorHeat3DViewItem::FloorHeat3DViewItem(QWidget *parent) : Climate3DViewItemOf(loadFloorHeatingRecords, true, parent)
{
    if (objectName().isEmpty())
        setObjectName("FloorHeat3DViewItem");
}
