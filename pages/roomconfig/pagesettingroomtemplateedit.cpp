#include "pages/roomconfig/pagesettingroomtemplateedit.h"

#include "pages/roomconfig/pagesettingroomtemplatelighting.h"
#include "pages/roomconfig/pagesettingroomtemplatepanel.h"

PageSettingRoomTemplateEdit::PageSettingRoomTemplateEdit(const QString &id, const QString &name, QWidget *parent)
    : RoomEditorPage(id, name, RoomConfigKind::Template, parent)
{
    auto *lighting = new PageSettingRoomTemplateLighting(nullptr);
    auto *panel = new PageSettingRoomTemplatePanel(nullptr);
    addTabPage(tr("Lighting"), "lighting", lighting);
    addTabPage(tr("Panel"), "panel", panel);
    setTabLoader([=](int templateId) {
        lighting->refreshList(templateId);
        panel->refreshList(templateId);
    });
}
