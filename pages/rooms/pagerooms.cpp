#include "pages/rooms/pagerooms.h"

#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmaterialcanvas.h"
#include "materialwidgets/qtmaterialgroupbox.h"
#include "pages/rooms/roomcardgrid.h"

#include <QVBoxLayout>

PageRooms::PageRooms(const QString &id, const QString &name, QWidget *parent) : MyDialog(id, name, parent)
{
    auto *box = new QtMaterialGroupBox(QString(), nullptr);
    box->setObjectName("groupBoxRooms");
    box->setStyleSheet("QGroupBox{border:none;}");
    auto *canvas = new QtMaterialCanvas(this);
    canvas->setWidget(box);
    canvas->setWidgetResizable(true);
    auto *layout = new QVBoxLayout;
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    layout->addWidget(canvas);
    setLayout(layout);

    cards = new RoomCardGrid(box, gScreenWidth, this);
    connect(&gBroadcastSocket, &BroadcastSocket::signalsPageEnter, this, &PageRooms::slotsPageEnter);
}

void PageRooms::loadRooms()
{
    cards->load();
}

void PageRooms::slotsPageEnter()
{
    if (!isVisible())
        return;
    loadRooms();
}

void PageRooms::slotsEdit(int type, int id)
{
    RoomCardGrid::openRoom(type, id);
}
