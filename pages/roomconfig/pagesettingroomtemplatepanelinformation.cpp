#include "pages/roomconfig/pagesettingroomtemplatepanelinformation.h"

#include "core/globals.h"
#include "core/templatestore.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmaterialflatbutton.h"
#include "materialwidgets/qtmateriallabel.h"
#include "materialwidgets/qtmateriallineedit.h"
#include "materialwidgets/qtmaterialtheme.h"
#include "pages/roomconfig/formgrid.h"
#include "shell/pageids.h"

#include <QGridLayout>

PageSettingRoomTemplatePanelInformation::PageSettingRoomTemplatePanelInformation(const QString &id, const QString &name,
                                                                                 QWidget *parent)
    : MyDialog(id, name, parent)
{
    if (objectName().isEmpty())
        setObjectName("PageSettingRoomTemplatePanelInformation");
    resize(400, 300);
    setWindowTitle("Dialog");

    lineEditName = new QtMaterialLineEdit(nullptr);
    lineEditName->setObjectName("lineEditName");
    auto *save = new QtMaterialFlatButton(QtMaterialTheme::icon("content", "save"), tr("Save"), 7, nullptr);
    save->setObjectName("pushButtonSave");

    QGridLayout *page = formGrid();
    page->addWidget(save, 0, 0, Qt::AlignRight);
    page->addWidget(new QtMaterialLabel(tr("Name"), nullptr), 1, 0);
    page->addWidget(lineEditName, 2, 0);
    page->setRowStretch(3, 1);
    setLayout(page);

    connect(save, &QtMaterialFlatButton::clicked, this,
            &PageSettingRoomTemplatePanelInformation::pushButtonSave_clicked);
    connect(&gBroadcastSocket, &BroadcastSocket::signalsPageEnter, this,
            &PageSettingRoomTemplatePanelInformation::slotsPageEnter);
}

void PageSettingRoomTemplatePanelInformation::slotsPageEnter(QString template_panel_id, QString room_template_id)
{
    if (!isVisible())
        return;
    exists = false;
    templatePanelId = template_panel_id.toInt();
    roomTemplateId = room_template_id.toInt();
    lineEditName->clear();
    TemplatePanelRow panel;
    if (readTemplatePanel(roomTemplateId, templatePanelId, panel)) {
        exists = true;
        lineEditName->setText(panel.remark);
    }
}

void PageSettingRoomTemplatePanelInformation::pushButtonSave_clicked()
{
    const QString name = lineEditName->text();
    if (name.isEmpty()) {
        emit gBroadcastSocket.signalsInformation(tr("Please input the complete content!"));
        return;
    }
    const TemplatePanelRow panel{templatePanelId, name};
    const bool saved = exists ? updateTemplatePanel(roomTemplateId, panel) : addTemplatePanel(roomTemplateId, panel);
    if (!saved) {
        emit gBroadcastSocket.signalsInformation(tr("Save failed!"));
        return;
    }
    emit gBroadcastSocket.signalsPageIdChanged(trPageId(PageId::EditTemplate), trPageId(PageId::EditTemplate),
                                               QString::asprintf("%d", roomTemplateId), tr("0"));
}
