#include "pages/roomconfig/pagesettingroomtemplatepanel.h"

#include "core/recordid.h"
#include "core/templatestore.h"
#include "shell/manageritem.h"
#include "shell/pageids.h"

#include <QCoreApplication>

const DeviceListKind &PageSettingRoomTemplatePanel::kind()
{
    static const DeviceListKind row{PanelTile, PageId::TemplatePanelInformation,
                                    QT_TRANSLATE_NOOP("DeviceListTab", "Panel Information"),
                                    [](int) { return nextTemplatePanelId(); }, 0};
    return row;
}

QVector<DeviceListEntry> PageSettingRoomTemplatePanel::listDevices(int templateId)
{
    QVector<DeviceListEntry> entries;
    for (const TemplatePanelRow &panel : templatePanels(templateId))
        entries.append({panel.templatePanelId, panel.remark, QString()});
    return entries;
}

bool PageSettingRoomTemplatePanel::removeDevice(int deviceId, int templateId)
{
    return deleteTemplatePanel(templateId, deviceId);
}

PageSettingRoomTemplatePanel::PageSettingRoomTemplatePanel(QWidget *parent) : DeviceListTab(kind(), parent)
{
    if (objectName().isEmpty())
        setObjectName("PageSettingRoomTemplatePanel");
}
