#include "pages/roomconfig/pagesettingroommanageredit.h"

#include "core/globals.h"
#include "core/roomstore.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmateriallabel.h"
#include "materialwidgets/qtmateriallineedit.h"
#include "materialwidgets/qtmaterialtabs.h"
#include "pages/pickers/iconselectdlg.h"
#include "pages/pickers/picturechoice.h"
#include "pages/roomconfig/formgrid.h"
#include "pages/roomconfig/pagesettingroommanagermoods.h"
#include "pages/roomconfig/roomdevicetabs.h"
#include "pages/roomconfig/roomswitchtabs.h"
#include "shell/manageritem.h"
#include "shell/pageids.h"
#include "shell/tilegrid.h"

#include <QGridLayout>
#include <QPixmap>

PageSettingRoomManagerEdit::PageSettingRoomManagerEdit(const QString &id, const QString &name, QWidget *parent)
    : MyDialog(id, name, parent)
{
    if (objectName().isEmpty())
        setObjectName("PageSettingRoomManagerEdit");

    tabs = new QtMaterialTabs(nullptr);
    tabs->setObjectName("tabs");
    lineEditName = new QtMaterialLineEdit(nullptr);
    lineEditName->setObjectName("lineEditName");
    pictureTile = new ManagerItem(RoomTile, 0, QString(), "room_1", false, TileGrid::itemColor, 300, 160, nullptr);
    pictureTile->setObjectName("managerItemPicture");
    labelModifyIcon = new QtMaterialLabel(nullptr);
    labelModifyIcon->setObjectName("labelModifyRoomIcon");
    labelModifyIcon->setFixedSize(24, 24);
    labelModifyIcon->setPixmap(QPixmap(":/myImages/png/icon-system-edit.png"));
    labelModifyIcon->setScaledContents(true);

    lightingTab = new PageSettingRoomManagerLighting(nullptr);
    acTab = new PageSettingRoomManagerAC(nullptr);
    floorHeatTab = new PageSettingRoomManagerFloorHeat(nullptr);
    occupationTab = new PageSettingRoomManagerOccupation(nullptr);
    masterTab = new PageSettingRoomManagerMaster(nullptr);
    panelTab = new PageSettingRoomManagerPanel(nullptr);
    moodsTab = new PageSettingRoomManagerMoods(nullptr);
    tabPages = {{tr("Lighting"), lightingTab},    {tr("AC"), acTab},
                {tr("Floor Heat"), floorHeatTab}, {tr("Occupation"), occupationTab},
                {tr("Master"), masterTab},        {tr("Panel"), panelTab},
                {tr("Moods"), moodsTab}};
    const char *icons[] = {"lighting", "ac", "floorheat", "occupation", "master", "panel", "moods"};
    for (int i = 0; i < tabPages.size(); ++i) {
        tabs->addTab(tr(QString(":/myImages/png/edit_room/icon-room-%1.png").arg(icons[i]).toUtf8().constData()),
                     tabPages.at(i).first);
        tabPages.at(i).second->hide();
    }

    auto *nameGrid = formGrid();
    nameGrid->addWidget(new QtMaterialLabel(tr("Room Name"), nullptr), 0, 0);
    nameGrid->addWidget(lineEditName, 1, 0);
    nameGrid->setRowStretch(2, 1);
    auto *pictureGrid = formGrid();
    pictureGrid->addWidget(new QtMaterialLabel(tr("Room Picture"), nullptr), 0, 0);
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
    for (const auto &tab : qAsConst(tabPages))
        page->addWidget(tab.second, 2, 0);
    page->setRowStretch(2, 1);
    setLayout(page);

    connect(pictureTile, &ManagerItem::signalsIconEdit, this, &PageSettingRoomManagerEdit::slotsIconEdit);
    connect(labelModifyIcon, &QtMaterialLabel::signalsPressed, this,
            &PageSettingRoomManagerEdit::labelModifyRoomIcon_pressed);
    connect(tabs, &QtMaterialTabs::currentChanged, this, &PageSettingRoomManagerEdit::currentChanged);
    connect(&gBroadcastSocket, &BroadcastSocket::signalsPageEnter, this, &PageSettingRoomManagerEdit::slotsPageEnter);
    connect(&gBroadcastSocket, &BroadcastSocket::signalsPageLeave, this, &PageSettingRoomManagerEdit::slotsPageLeave);
}

void PageSettingRoomManagerEdit::slotsPageEnter(QString room, QString resetTabs)
{
    if (!isVisible())
        return;
    lineEditName->clear();
    pictureTile->setIconName("room_1");
    roomId = room.toInt();

    RoomRow row;
    if (readRoom(roomId, row)) {
        lineEditName->setText(row.name);
        pictureTile->setIconName(row.iconName);
    }
    if (resetTabs.toInt() > 0)
        tabs->setCurrentTab(0);
    lightingTab->refreshList(roomId);
    acTab->refreshList(roomId);
    floorHeatTab->refreshList(roomId);
    occupationTab->loadOccupation(roomId);
    masterTab->loadMaster(roomId);
    moodsTab->refreshList(roomId);
    panelTab->refreshList(roomId);
}

void PageSettingRoomManagerEdit::slotsPageLeave(QString id)
{
    if (id != trPageId(PageId::EditRoom))
        return;
    // An emptied name is stored empty. A room without a row updates nothing. The page is left either way; a failed
    // save keeps the stored row.
    if (!saveRoomNameAndPicture(roomId, lineEditName->text(), pictureTile->iconName()))
        emit gBroadcastSocket.signalsInformation(tr("Save failed!"));
}

void PageSettingRoomManagerEdit::currentChanged(int index)
{
    const QString text = tabs->tabText(index);
    for (const auto &tab : qAsConst(tabPages))
        tab.second->setVisible(text == tab.first);
}

void PageSettingRoomManagerEdit::slotsIconEdit(QString iconName)
{
    const std::optional<QString> chosen = PictureChoice::chooseBuiltIn(IconSelectRoomTemplate);
    if (chosen && *chosen != iconName)
        pictureTile->setIconName(*chosen);
}

void PageSettingRoomManagerEdit::labelModifyRoomIcon_pressed()
{
    // A gallery picture is written to the project folder at once; the row names it when the page is left.
    const std::optional<QString> chosen = PictureChoice::choose(this, IconSelectRoomTemplate, "Room", roomId);
    if (chosen)
        pictureTile->setIconName(*chosen);
}
