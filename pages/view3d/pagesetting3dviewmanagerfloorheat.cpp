#include "pages/view3d/pagesetting3dviewmanagerfloorheat.h"

#include "core/climatestore.h"

PageSetting3DViewManagerFloorHeat::PageSetting3DViewManagerFloorHeat(QWidget *parent)
    : ClimatePlacementTab(ClimateKind::FloorHeatings, tr(":/myImages/png/edit_room/icon-room-floorheat.png"), parent)
{
    if (objectName().isEmpty())
        setObjectName("PageSetting3DViewManagerFloorHeat");
}
