#include "pages/view3d/pagesetting3dviewmanagerac.h"

PageSetting3DViewManagerAC::PageSetting3DViewManagerAC(QWidget *parent)
    : ClimatePlacementTab("select * from tbl_air_conditioner where room_id=%d and (air_conditioner_no=0 or "
                          "air_conditioner_no=1) order by air_conditioner_no asc",
                          tr(":/myImages/png/edit_room/icon-room-ac.png"), parent)
{
    if (objectName().isEmpty())
        setObjectName("PageSetting3DViewManagerAC");
}
