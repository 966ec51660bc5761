#include "pages/roomconfig/pagesettingroomtemplatelightinginformation.h"

#include "core/templatestore.h"
#include "materialwidgets/qtmaterialcombobox.h"
#include "materialwidgets/qtmateriallineedit.h"
#include "pages/roomconfig/lighttypes.h"
#include "shell/manageritem.h"
#include "shell/pageids.h"

PageSettingRoomTemplateLightingInformation::PageSettingRoomTemplateLightingInformation(const QString &id,
                                                                                       const QString &name,
                                                                                       QWidget *parent)
    : LightInformationPage(id, name, "PageSettingRoomTemplateLightingInformation", PageId::EditTemplate, parent)
{
    setLightForm();
}

void PageSettingRoomTemplateLightingInformation::load()
{
    exists = false;
    clearLight();
    TemplateLightRow light;
    if (readTemplateLight(ownerId, deviceId, light)) {
        exists = true;
        lineEditName->setText(light.remark);
        pictureTile->setIconName(light.iconName);
        selectLightType(comboBoxType, light.type);
    }
}

void PageSettingRoomTemplateLightingInformation::save()
{
    const TemplateLightRow light{deviceId, selectedLightType(comboBoxType), lineEditName->text(),
                                 pictureTile->iconName()};
    finishSave(exists ? updateTemplateLight(ownerId, light) : addTemplateLight(ownerId, light));
}
