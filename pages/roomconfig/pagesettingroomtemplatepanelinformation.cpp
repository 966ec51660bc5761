#include "pages/roomconfig/pagesettingroomtemplatepanelinformation.h"

#include "core/templatestore.h"
#include "materialwidgets/qtmaterialflatbutton.h"
#include "materialwidgets/qtmateriallabel.h"
#include "materialwidgets/qtmateriallineedit.h"
#include "pages/roomconfig/formgrid.h"
#include "shell/pageids.h"

#include <QGridLayout>

PageSettingRoomTemplatePanelInformation::PageSettingRoomTemplatePanelInformation(const QString &id, const QString &name,
                                                                                 QWidget *parent)
    : DeviceInformationPage(id, name, "PageSettingRoomTemplatePanelInformation", PageId::EditTemplate, parent)
{
    QGridLayout *page = formGrid();
    page->addWidget(saveButton, 0, 0, Qt::AlignRight);
    page->addWidget(new QtMaterialLabel(tr("Name"), nullptr), 1, 0);
    page->addWidget(lineEditName, 2, 0);
    page->setRowStretch(3, 1);
    setLayout(page);
}

void PageSettingRoomTemplatePanelInformation::load()
{
    exists = false;
    TemplatePanelRow panel;
    if (readTemplatePanel(ownerId, deviceId, panel)) {
        exists = true;
        lineEditName->setText(panel.remark);
    }
}

void PageSettingRoomTemplatePanelInformation::save()
{
    const TemplatePanelRow panel{deviceId, lineEditName->text()};
    finishSave(exists ? updateTemplatePanel(ownerId, panel) : addTemplatePanel(ownerId, panel));
}
