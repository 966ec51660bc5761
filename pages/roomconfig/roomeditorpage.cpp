#include "pages/roomconfig/roomeditorpage.h"

#include "core/globals.h"
#include "core/roomstore.h"
#include "core/templatestore.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/picturefile.h"
#include "materialwidgets/qtmateriallabel.h"
#include "materialwidgets/qtmateriallineedit.h"
#include "materialwidgets/qtmaterialtabs.h"
#include "pages/pickers/iconselectdlg.h"
#include "pages/pickers/picturechoice.h"
#include "pages/roomconfig/formgrid.h"
#include "shell/manageritem.h"
#include "shell/pageids.h"
#include "shell/tilegrid.h"

#include <QGridLayout>
#include <QPixmap>

struct RoomEditorKind
{
    const char *objectName;
    // The kind of the picture tile, and the page id (a PageId constant) whose leaving stores the row.
    int tileKind;
    const char *pageId;
    // The labels over the name and the picture.
    const char *nameLabel;
    const char *pictureLabel;
    // The object name of the pencil beside the picture.
    const char *modifyIconName;
    // The built-in pictures the picture tile offers (an IconSelect family), and the word that names a gallery
    // picture of the row in the project folder.
    int builtInFamily;
    const char *galleryWord;
    std::optional<DeviceListEntry> (*read)(int id);
    // Stores the name and picture as given.
    bool (*save)(int id, const QString &name, const QString &picture, QString *error);
};

namespace {
// In the order of RoomConfigKind. A room's picture tile offers the built-in template pictures, a template's the
// room pictures.
const RoomEditorKind kinds[] = {
    {"PageSettingRoomManagerEdit", RoomTile, PageId::EditRoom, QT_TRANSLATE_NOOP("RoomEditorPage", "Room Name"),
     QT_TRANSLATE_NOOP("RoomEditorPage", "Room Picture"), "labelModifyRoomIcon", IconSelectRoomTemplate, "Room",
     readRoomEntry, saveRoomNameAndPicture},
    {"PageSettingRoomTemplateEdit", RoomTemplateTile, PageId::EditTemplate,
     QT_TRANSLATE_NOOP("RoomEditorPage", "Template Name"), QT_TRANSLATE_NOOP("RoomEditorPage", "Template Picture"),
     "labelModifyRoomTemplateIcon", IconSelectRoom, "Template", readRoomTemplateEntry, saveRoomTemplateNameAndPicture},
};
} // namespace

RoomEditorPage::RoomEditorPage(const QString &id, const QString &name, RoomConfigKind kind, QWidget *parent)
    : MyDialog(id, name, parent), m_kind(kinds[int(kind)])
{
    if (objectName().isEmpty())
        setObjectName(m_kind.objectName);
    lineEditName = new QtMaterialLineEdit(nullptr);
    lineEditName->setObjectName("lineEditName");
    pictureTile =
        new ManagerItem(m_kind.tileKind, 0, QString(), "room_1", false, TileGrid::itemColor, 300, 160, nullptr);
    pictureTile->setObjectName("managerItemPicture");
    labelModifyIcon = new QtMaterialLabel(nullptr);
    labelModifyIcon->setObjectName(m_kind.modifyIconName);
    labelModifyIcon->setFixedSize(24, 24);
    labelModifyIcon->setPixmap(picturePixmap(":/myImages/png/icon-system-edit.png"));
    labelModifyIcon->setScaledContents(true);
    tabs = new QtMaterialTabs(nullptr);
    tabs->setObjectName("tabs");

    auto *nameGrid = formGrid();
    nameGrid->addWidget(new QtMaterialLabel(tr(m_kind.nameLabel), nullptr), 0, 0);
    nameGrid->addWidget(lineEditName, 1, 0);
    nameGrid->setRowStretch(2, 1);
    auto *pictureGrid = formGrid();
    pictureGrid->addWidget(new QtMaterialLabel(tr(m_kind.pictureLabel), nullptr), 0, 0);
    pictureGrid->addWidget(pictureTile, 1, 0);
    pictureGrid->addWidget(labelModifyIcon, 1, 1);
    pictureGrid->setColumnStretch(2, 1);
    pictureGrid->setRowStretch(2, 1);
    auto *upper = formGrid();
    upper->addLayout(nameGrid, 0, 0);
    upper->addLayout(pictureGrid, 0, 1);
    upper->setRowStretch(1, 1);
    page = formGrid();
    page->addLayout(upper, 0, 0);
    page->addWidget(tabs, 1, 0);
    page->setRowStretch(2, 1);
    setLayout(page);

    connect(pictureTile, &ManagerItem::signalsIconEdit, this, &RoomEditorPage::slotsIconEdit);
    connect(labelModifyIcon, &QtMaterialLabel::signalsPressed, this, &RoomEditorPage::labelModifyIcon_pressed);
    connect(tabs, &QtMaterialTabs::currentChanged, this, &RoomEditorPage::currentChanged);
    connect(&gBroadcastSocket, &BroadcastSocket::signalsPageEnter, this, &RoomEditorPage::slotsPageEnter);
    connect(&gBroadcastSocket, &BroadcastSocket::signalsPageLeave, this, &RoomEditorPage::slotsPageLeave);
}

void RoomEditorPage::addTabPage(const QString &label, const char *icon, QWidget *tabPage)
{
    tabs->addTab(QString(":/myImages/png/edit_room/icon-room-%1.png").arg(icon), label);
    tabPage->hide();
    page->addWidget(tabPage, 2, 0);
    tabPages.append({label, tabPage});
}

void RoomEditorPage::setTabLoader(const std::function<void(int id)> &load)
{
    loadTabs = load;
}

void RoomEditorPage::slotsPageEnter(QString edited, QString resetTabs)
{
    if (!isVisible())
        return;
    lineEditName->clear();
    pictureTile->setIconName("room_1");
    m_editedId = edited.toInt();

    if (const std::optional<DeviceListEntry> row = m_kind.read(m_editedId)) {
        lineEditName->setText(row->name);
        pictureTile->setIconName(row->picture);
    }
    if (resetTabs.toInt() > 0)
        tabs->setCurrentTab(0);
    if (loadTabs)
        loadTabs(m_editedId);
}

void RoomEditorPage::slotsPageLeave(QString id)
{
    if (id != trPageId(m_kind.pageId))
        return;
    // An emptied name is stored empty. A row that is gone updates nothing. The page is left either way; a failed
    // save keeps the stored row.
    if (!m_kind.save(m_editedId, lineEditName->text(), pictureTile->iconName(), nullptr))
        emit gBroadcastSocket.signalsInformation(tr("Save failed!"));
}

void RoomEditorPage::currentChanged(int index)
{
    const QString text = tabs->tabText(index);
    for (const auto &tab : qAsConst(tabPages))
        tab.second->setVisible(text == tab.first);
}

void RoomEditorPage::slotsIconEdit(QString iconName)
{
    const std::optional<QString> chosen = PictureChoice::chooseBuiltIn(m_kind.builtInFamily);
    if (chosen && *chosen != iconName)
        pictureTile->setIconName(*chosen);
}

void RoomEditorPage::labelModifyIcon_pressed()
{
    // A gallery picture is written to the project folder at once; the row names it when the page is left.
    const std::optional<QString> chosen =
        PictureChoice::choose(this, IconSelectRoomTemplate, m_kind.galleryWord, m_editedId);
    if (chosen)
        pictureTile->setIconName(*chosen);
}
