#include "pages/rooms/pagehome.h"

#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmaterialcanvas.h"
#include "materialwidgets/qtmaterialgroupbox.h"
#include "pages/rooms/homemanageritem.h"
#include "shell/pageids.h"
#include "shell/settingitem.h"
#include "shell/tilegrid.h"

#include <QGridLayout>

PageHome::PageHome(const QString &id, const QString &name, QWidget *parent) : MyDialog(id, name, parent)
{
    homeManager = new HomeManagerItem(this);

    groupBoxItems = new QtMaterialGroupBox(QString(), nullptr);
    groupBoxItems->setObjectName("groupBoxDeviceKinds");
    groupBoxItems->setStyleSheet("QGroupBox{border:none;}");
    auto *canvas = new QtMaterialCanvas(this);
    canvas->setWidget(groupBoxItems);
    canvas->setWidgetResizable(true);
    loadItems();

    auto *layout = new QGridLayout;
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    layout->setSpacing(20);
    layout->addWidget(homeManager, 0, 0);
    layout->addWidget(canvas, 1, 0);
    layout->setRowStretch(1, 1);
    setLayout(layout);

    connect(&gBroadcastSocket, &BroadcastSocket::signalsPageEnter, this, &PageHome::slotsPageEnter);
}

QGridLayout *PageHome::loadItems()
{
    struct Kind
    {
        const char *pageId;
        const char *picture;
    };
    static const Kind kinds[] = {
        {PageId::Lighting, ":/myImages/png/edit_room/icon-room-lighting.png"},
        {PageId::AC, ":/myImages/png/edit_room/icon-room-ac.png"},
        {PageId::FloorHeat, ":/myImages/png/edit_room/icon-room-floorheat.png"},
        {PageId::Moods, ":/myImages/png/edit_room/icon-room-moods.png"},
    };
    auto *grid = new TileGrid(groupBoxItems, deviceKindCardSize, deviceKindCardSize, this);
    grid->begin(gScreenWidth);
    for (const Kind &kind : kinds) {
        auto *card = new SettingItem(trPageId(kind.pageId), kind.picture, 128, 128, deviceKindCardSize,
                                     deviceKindCardSize, nullptr);
        card->setObjectName(QString("settingItem") + kind.pageId);
        grid->addTile(card);
    }
    grid->finish();
    return grid->layout();
}

void PageHome::slotsPageEnter()
{
    if (!isVisible())
        return;
    homeManager->loadRooms();
}
