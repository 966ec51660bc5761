#include "pages/view3d/pagesetting3dviewmanagerfloorheat.h"

PageSetting3DViewManagerFloorHeat::PageSetting3DViewManagerFloorHeat(QWidget *parent)
    : ClimatePlacementTab("select * from tbl_air_conditioner where room_id=%d and (air_conditioner_no=2 or "
                          "air_conditioner_no=3) order by air_conditioner_no asc",
                          tr(":/myImages/png/edit_room/icon-room-floorheat.png"), parent)
{
    if (objectName().isEmpty())
        setObjectName("PageSetting3DViewManagerFloorHeat");
}
