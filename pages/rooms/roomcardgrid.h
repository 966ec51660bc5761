#pragma once
// The grid of room cards shared by the home page's strip and the rooms page: one card per room of the current
// project, by region id, floor id and room id, each named "region-floor-room" and showing the room's picture and
// its pending guest messages; a click on a card opens the room's operation page.
//
// A project may hold thousands of rooms, and a card is a widget of its own. The grid is therefore laid out whole
// (every room keeps its cell, so the layout and the scroll range are those of all cards), but a card is made only
// when its row comes into view or near it: on loading, when the grid is scrolled and when its view grows. What a
// card shows (the room's name and picture, its messages) is read when it is made, as a rebuild of the grid would
// read it.

#include "core/roomname.h"
#include "core/roomstore.h"
#include "devicelink/messagerecords.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QVector>

#include <optional>

class ManagerItem;
class QtMaterialGroupBox;
class TileGrid;

class RoomCardGrid : public QObject
{
    Q_OBJECT

public:
    static constexpr int cardWidth = 300;
    static constexpr int cardHeight = 160;

    // Cards are laid out in box for the given available width (the columns follow the shell's tile grid rule).
    // box is the widget of a scrolling canvas.
    RoomCardGrid(QtMaterialGroupBox *box, int availableWidth, QObject *parent);

    // Replaces the cards by those of the rooms in the database now.
    void load();

    // The cards made so far, in grid order.
    QList<ManagerItem *> cards() const;
    // The names of every room of the grid in grid order, whether its card is made yet or not.
    QStringList roomNames() const;
    int roomCount() const { return roomIds.size(); }
    TileGrid *grid() const { return tileGrid; }

    // What a room card's click does: for a room (type 2) that still exists, asks for "Operate Room" with its name
    // read again from the database, its id and "1" (rebuild the tabs). Anything else does nothing.
    static void openRoom(int type, int id);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString labelOf(const RoomRow &room) const;

    // Makes the cards of the rows in or near the part of the box its canvas shows.
    void makeCardsInView();
    void makeCard(int index);

    QtMaterialGroupBox *box;
    TileGrid *tileGrid;
    int width;
    // The rooms in grid order, by id: a hotel has thousands, and a room's name and picture are read only for its
    // card.
    QVector<int> roomIds;
    // The cards made so far by grid index; null where the room was gone by the time its card was to be made.
    QMap<int, QPointer<ManagerItem>> madeCards;
    // The region and floor names as they were when the rooms were listed.
    std::optional<RoomLabels> labels;
    bool making = false;

    // Pending messages of today by room, read once for the cards made after it, until the hub announces a change
    // or the day ends.
    QHash<int, QList<messageRecord>> todaysMessages;
    QString messagesDay;
};
