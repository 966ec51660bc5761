#include "pages/roomconfig/pagesettingroomtemplatepanel.h"

#include "core/recordid.h"
#include "shell/manageritem.h"
#include "shell/pageids.h"

#include <QCoreApplication>

const DeviceListKind &PageSettingRoomTemplatePanel::kind()
{
    static const DeviceListKind row{
        "select * from tbl_template_panel where room_template_id=%d order by template_panel_id asc",
        "panel_remark",
        nullptr,
        "template_panel_id",
        PanelTile,
        PageId::TemplatePanelInformation,
        QT_TRANSLATE_NOOP("DeviceListTab", "Panel Information"),
        [](int) { return nextTemplatePanelId(); },
        nullptr,
        0,
        {"delete from tbl_template_panel where template_panel_id=%d and room_template_id=%d"},
        {}};
    return row;
}

PageSettingRoomTemplatePanel::PageSettingRoomTemplatePanel(QWidget *parent) : DeviceListTab(kind(), parent)
{
    if (objectName().isEmpty())
        setObjectName("PageSettingRoomTemplatePanel");
}
