#pragma once
// The grid of room cards shared by the home page's strip and the rooms page: one card per room of the current
// project, by region id, floor id and room id, each named "region-floor-room" and showing the room's picture and
// its pending guest messages; a click on a card opens the room's operation page.
//
// A project may hold thousands of rooms, and a card is a widget of its own. The grid is therefore laid out whole
// (every room keeps its cell, so the layout and the scroll range are those of all cards), but a card is made only
// when its row comes into view or near it: on loading, when the grid is scrolled and when its view grows. What a
// card shows is read when it is made, as a rebuild of the grid would read it.

#include "core/roomname.h"
#include "devicelink/messagerecords.h"

#include <QHash>
#include <QList>
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
    int roomCount() const { return rooms.size(); }
    TileGrid *grid() const { return tileGrid; }

    // What a room card's click does: for a room (type 2) that still exists, asks for "Operate Room" with its name
    // read again from the database, its id and "1" (rebuild the tabs). Anything else does nothing.
    static void openRoom(int type, int id);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // What the grid keeps of a room until its card is made: a hotel has thousands, so the label is put together
    // only for the card, and rooms showing the same picture share its name.
    struct Room
    {
        int id;
        int regionId;
        int floorId;
        QString name;
        QString iconName;
        QPointer<ManagerItem> card;
    };

    QString labelOf(const Room &room) const;

    // Makes the cards of the rows in or near the part of the box its canvas shows.
    void makeCardsInView();
    void makeCard(int index);

    QtMaterialGroupBox *box;
    TileGrid *tileGrid;
    int width;
    QVector<Room> rooms;
    // The region and floor names as they were when the rooms were read.
    std::optional<RoomLabels> labels;
    bool making = false;

    // Pending messages of today by room, read once for the cards made after it, until the hub announces a change
    // or the day ends.
    QHash<int, QList<messageRecord>> todaysMessages;
    QString messagesDay;
};
