#include "pages/view3d/pagesetting3dviewmanagerac.h"

#include "core/climatestore.h"

PageSetting3DViewManagerAC::PageSetting3DViewManagerAC(QWidget *parent)
    : ClimatePlacementTab(ClimateKind::AirConditioners, tr(":/myImages/png/edit_room/icon-room-ac.png"), parent)
{
    if (objectName().isEmpty())
        setObjectName("PageSetting3DViewManagerAC");
}
