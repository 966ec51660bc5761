#include "pages/roomconfig/pagesettingroomtemplatelighting.h"

#include "core/recordid.h"
#include "core/templatestore.h"
#include "shell/manageritem.h"
#include "shell/pageids.h"

#include <QCoreApplication>

const DeviceListKind &PageSettingRoomTemplateLighting::kind()
{
    static const DeviceListKind row{LightTile, PageId::TemplateLightInformation,
                                    QT_TRANSLATE_NOOP("DeviceListTab", "Light Information"),
                                    [](int) { return nextTemplateLightId(); }, 0};
    return row;
}

QVector<DeviceListEntry> PageSettingRoomTemplateLighting::listDevices(int templateId)
{
    QVector<DeviceListEntry> entries;
    for (const TemplateLightRow &light : templateLights(templateId))
        entries.append({light.templateLightId, light.remark, light.iconName});
    return entries;
}

bool PageSettingRoomTemplateLighting::removeDevice(int deviceId, int templateId)
{
    return deleteTemplateLight(templateId, deviceId);
}

PageSettingRoomTemplateLighting::PageSettingRoomTemplateLighting(QWidget *parent) : DeviceListTab(kind(), parent)
{
    if (objectName().isEmpty())
        setObjectName("PageSettingRoomTemplateLighting");
}
