#include "pages/roomconfig/pagesettingroomtemplatelighting.h"

#include "core/recordid.h"
#include "shell/manageritem.h"
#include "shell/pageids.h"

#include <QCoreApplication>

const DeviceListKind &PageSettingRoomTemplateLighting::kind()
{
    static const DeviceListKind row{
        "select * from tbl_template_light where room_template_id=%d order by template_light_id asc",
        "light_remark",
        "icon_name",
        "template_light_id",
        LightTile,
        PageId::TemplateLightInformation,
        QT_TRANSLATE_NOOP("DeviceListTab", "Light Information"),
        [](int) { return nextTemplateLightId(); },
        nullptr,
        0,
        {"delete from tbl_template_light where template_light_id=%d and room_template_id=%d"},
        {}};
    return row;
}

PageSettingRoomTemplateLighting::PageSettingRoomTemplateLighting(QWidget *parent) : DeviceListTab(kind(), parent)
{
    if (objectName().isEmpty())
        setObjectName("PageSettingRoomTemplateLighting");
}
