#include "pages/rooms/roomcardgrid.h"

#include "core/globals.h"
#include "core/roomstore.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmaterialgroupbox.h"
#include "shell/manageritem.h"
#include "shell/pageids.h"
#include "shell/tilegrid.h"

#include <QDate>
#include <QEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QScreen>

RoomCardGrid::RoomCardGrid(QtMaterialGroupBox *cardBox, int availableWidth, QObject *parent)
    : QObject(parent), box(cardBox), tileGrid(new TileGrid(cardBox, cardWidth, cardHeight, this)), width(availableWidth)
{
    // Scrolling moves the box inside the canvas's viewport; a larger viewport shows more of it.
    box->installEventFilter(this);
    if (QWidget *viewport = box->parentWidget())
        viewport->installEventFilter(this);
    // The cards made so far follow the hub themselves; those made later read the messages again.
    const auto forget = [this] { messagesDay.clear(); };
    connect(&gBroadcastSocket, &BroadcastSocket::signalsAppendMessage, this, forget);
    connect(&gBroadcastSocket, &BroadcastSocket::signalsRemoveMessage, this, forget);
    connect(&gBroadcastSocket, &BroadcastSocket::signalsUpdateMessage, this, forget);
}

void RoomCardGrid::load()
{
    tileGrid->begin(width);
    roomIds = roomIdsInOrder();
    madeCards.clear();
    messagesDay.clear();
    todaysMessages.clear();
    labels.emplace();
    for (int i = 0; i < roomIds.size(); ++i)
        tileGrid->addPlaceholder();
    // Made while the grid is being built, the first cards come on show together with it.
    makeCardsInView();
    tileGrid->finish();
}

QList<ManagerItem *> RoomCardGrid::cards() const
{
    QList<ManagerItem *> list;
    for (const QPointer<ManagerItem> &card : madeCards) {
        if (card)
            list.append(card);
    }
    return list;
}

QStringList RoomCardGrid::roomNames() const
{
    QStringList names;
    names.reserve(roomIds.size());
    for (const int id : roomIds) {
        RoomRow room;
        names.append(readRoom(id, room) ? labelOf(room) : QString());
    }
    return names;
}

QString RoomCardGrid::labelOf(const RoomRow &room) const
{
    return labels ? labels->label(room.regionId, room.floorId, room.name) : room.name;
}

bool RoomCardGrid::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
        if (watched == box || watched == box->parentWidget())
            makeCardsInView();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void RoomCardGrid::makeCardsInView()
{
    if (making || roomIds.isEmpty())
        return;
    making = true;
    // The part of the box its canvas shows: the viewport's size at the box's scroll position. A canvas not on
    // show yet may still have any size: the screen is what it can show at most.
    QWidget *viewport = box->parentWidget();
    QSize extent;
    if (viewport && viewport->isVisible()) {
        extent = viewport->size();
    } else {
        const QScreen *screen = QGuiApplication::primaryScreen();
        extent = QSize(qMax(gScreenWidth, screen ? screen->size().width() : 0), screen ? screen->size().height() : 0);
    }
    const QPoint scrolled = viewport ? -box->pos() : QPoint();
    // One row beyond each edge (and the layout's margins) are made as well, so a card never comes into view
    // unmade.
    const int pitch = cardHeight + qMax(0, tileGrid->layout()->verticalSpacing());
    const int top = scrolled.y() - pitch;
    const int bottom = scrolled.y() + extent.height() + pitch;
    const int columns = tileGrid->columns();
    const int lastRow = (roomIds.size() - 1) / columns;
    const int firstMade = qBound(0, top / pitch, lastRow);
    const int lastMade = qBound(0, bottom / pitch, lastRow);
    for (int row = firstMade; row <= lastMade; ++row) {
        for (int column = 0; column < columns; ++column) {
            const int index = row * columns + column;
            if (index < roomIds.size() && !madeCards.contains(index))
                makeCard(index);
        }
    }
    making = false;
}

void RoomCardGrid::makeCard(int index)
{
    const QString today = QDate::currentDate().toString("yyyy-MM-dd");
    if (messagesDay != today) {
        // One statement for every card made until the messages change, not one per card.
        todaysMessages = ManagerItem::todaysMessagesByRoom();
        messagesDay = today;
    }
    // A room deleted since the rooms were listed keeps its cell empty until the next rebuild.
    madeCards.insert(index, nullptr);
    RoomRow room;
    if (!readRoom(roomIds.at(index), room))
        return;
    auto *card = new ManagerItem(room.roomId, labelOf(room), room.iconName, todaysMessages.value(room.roomId),
                                 TileGrid::itemColor, cardWidth, cardHeight, nullptr);
    connect(card, &ManagerItem::signalsEdit, this, &RoomCardGrid::openRoom);
    madeCards.insert(index, card);
    const int columns = tileGrid->columns();
    tileGrid->placeTile(card, index / columns, index % columns);
}

void RoomCardGrid::openRoom(int type, int id)
{
    if (type != RoomTile)
        return;
    const RoomNameParts parts = roomNameParts(id);
    // A room deleted since the cards were built.
    if (!parts.hasRoom)
        return;
    emit gBroadcastSocket.signalsPageIdChanged(trPageId(PageId::OperateRoom), parts.joined(), QString::number(id),
                                               QStringLiteral("1"));
}
