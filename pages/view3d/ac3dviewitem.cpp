#include "pages/view3d/ac3dviewitem.h"

#include "panels/devicerecordloaders.h"

AC3DViewItem::AC3DViewItem(QWidget *parent) : Climate3DViewItemOf(loadAirConditionerRecords, false, parent)
{
    if (objectName().isEmpty())
        setObjectName("AC3DViewItem");
}
