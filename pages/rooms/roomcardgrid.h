#pragma once
// The grid of room cards shared by the home page's strip and the rooms page: one card per room of the current
// project, by region id, floor id and room id, each named "region-floor-room" and showing the room's picture and
// its pending guest messages; a click on a card opens the room's operation page.

#include <QList>
#include <QObject>

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
    RoomCardGrid(QtMaterialGroupBox *box, int availableWidth, QObject *parent);

    // Replaces the cards by those of the rooms in the database now.
    void load();

    QList<ManagerItem *> cards() const;
    TileGrid *grid() const { return tileGrid; }

    // What a room card's click does: for a room (type 2) that still exists, asks for "Operate Room" with its name
    // read again from the database, its id and "1" (rebuild the tabs). Anything else does nothing.
    static void openRoom(int type, int id);

private:
    TileGrid *tileGrid;
    int width;
};
