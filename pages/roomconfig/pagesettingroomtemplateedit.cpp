#include "pages/roomconfig/pagesettingroomtemplateedit.h"

#include "core/globals.h"
#include "core/templatestore.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmateriallabel.h"
#include "materialwidgets/qtmateriallineedit.h"
#include "materialwidgets/qtmaterialtabs.h"
#include "pages/pickers/iconselectdlg.h"
#include "pages/pickers/picturechoice.h"
#include "pages/roomconfig/formgrid.h"
#include "pages/roomconfig/pagesettingroomtemplatelighting.h"
#include "pages/roomconfig/pagesettingroomtemplatepanel.h"
#include "shell/manageritem.h"
#include "shell/pageids.h"
#include "shell/tilegrid.h"

#include <QGridLayout>
#include <QPixmap>

PageSettingRoomTemplateEdit::PageSettingRoomTemplateEdit(const QString &id, const QString &name, QWidget *parent)
    : MyDialog(id, name, parent)
{
    if (objectName().isEmpty())
        setObjectName("PageSettingRoomTemplateEdit");

    lineEditName = new QtMaterialLineEdit(nullptr);
    lineEditName->setObjectName("lineEditName");
    pictureTile =
        new ManagerItem(RoomTemplateTile, 0, QString(), tr("room_1"), false, TileGrid::itemColor, 300, 160, nullptr);
    pictureTile->setObjectName("managerItemPicture");
    labelModifyIcon = new QtMaterialLabel(nullptr);
    labelModifyIcon->setObjectName("labelModifyRoomTemplateIcon");
    labelModifyIcon->setFixedSize(24, 24);
    labelModifyIcon->setPixmap(QPixmap(tr(":/myImages/png/icon-system-edit.png")));
    labelModifyIcon->setScaledContents(true);

    tabs = new QtMaterialTabs(nullptr);
    tabs->setObjectName("tabs");
    tabs->addTab(tr(":/myImages/png/edit_room/icon-room-lighting.png"), tr("Lighting"));
    tabs->addTab(tr(":/myImages/png/edit_room/icon-room-panel.png"), tr("Panel"));
    lightingTab = new PageSettingRoomTemplateLighting(nullptr);
    panelTab = new PageSettingRoomTemplatePanel(nullptr);
    lightingTab->hide();
    panelTab->hide();

    auto *nameGrid = formGrid();
    nameGrid->addWidget(new QtMaterialLabel(tr("Template Name"), nullptr), 0, 0);
    nameGrid->addWidget(lineEditName, 1, 0);
    nameGrid->setRowStretch(2, 1);
    auto *pictureGrid = formGrid();
    pictureGrid->addWidget(new QtMaterialLabel(tr("Template Picture"), nullptr), 0, 0);
    pictureGrid->addWidget(pictureTile, 1, 0);
    pictureGrid->addWidget(labelModifyIcon, 1, 1);
    pictureGrid->setColumnStretch(2, 1);
    pictureGrid->setRowStretch(2, 1);
    auto *upper = formGrid();
    upper->addLayout(nameGrid, 0, 0);
    upper->addLayout(pictureGrid, 0, 1);
    upper->setRowStretch(1, 1);
    auto *page = formGrid();
    page->addLayout(upper, 0, 0);
    page->addWidget(tabs, 1, 0);
    page->addWidget(lightingTab, 2, 0);
    page->addWidget(panelTab, 2, 0);
    page->setRowStretch(2, 1);
    setLayout(page);

    connect(pictureTile, &ManagerItem::signalsIconEdit, this, &PageSettingRoomTemplateEdit::slotsIconEdit);
    connect(labelModifyIcon, &QtMaterialLabel::signalsPressed, this,
            &PageSettingRoomTemplateEdit::labelModifyRoomTemplateIcon_pressed);
    connect(tabs, &QtMaterialTabs::currentChanged, this, &PageSettingRoomTemplateEdit::currentChanged);
    connect(&gBroadcastSocket, &BroadcastSocket::signalsPageEnter, this, &PageSettingRoomTemplateEdit::slotsPageEnter);
    connect(&gBroadcastSocket, &BroadcastSocket::signalsPageLeave, this, &PageSettingRoomTemplateEdit::slotsPageLeave);
}

void PageSettingRoomTemplateEdit::slotsPageEnter(QString room_template_id, QString resetTabs)
{
    if (!isVisible())
        return;
    lineEditName->clear();
    pictureTile->setIconName(tr("room_1"));
    roomTemplateId = room_template_id.toInt();

    RoomTemplateRow row;
    if (readRoomTemplate(roomTemplateId, row)) {
        lineEditName->setText(row.name);
        pictureTile->setIconName(row.iconName);
    }
    if (resetTabs.toInt() > 0)
        tabs->setCurrentTab(0);
    lightingTab->refreshList(roomTemplateId);
    panelTab->refreshList(roomTemplateId);
}

void PageSettingRoomTemplateEdit::slotsPageLeave(QString id)
{
    if (id != trPageId(PageId::EditTemplate))
        return;
    // An emptied name is stored empty. The page is left either way; a failed save keeps the stored row.
    if (!saveRoomTemplateNameAndPicture(roomTemplateId, lineEditName->text(), pictureTile->iconName()))
        emit gBroadcastSocket.signalsInformation(tr("Save failed!"));
}

void PageSettingRoomTemplateEdit::currentChanged(int index)
{
    const QString text = tabs->tabText(index);
    lightingTab->setVisible(text == tr("Lighting"));
    panelTab->setVisible(text == tr("Panel"));
}

void PageSettingRoomTemplateEdit::slotsIconEdit(QString iconName)
{
    const std::optional<QString> chosen = PictureChoice::chooseBuiltIn(IconSelectRoom);
    if (chosen && *chosen != iconName)
        pictureTile->setIconName(*chosen);
}

void PageSettingRoomTemplateEdit::labelModifyRoomTemplateIcon_pressed()
{
    // A gallery picture is written to the project folder at once; the row names it when the page is left.
    const std::optional<QString> chosen =
        PictureChoice::choose(this, IconSelectRoomTemplate, "Template", roomTemplateId);
    if (chosen)
        pictureTile->setIconName(*chosen);
}
