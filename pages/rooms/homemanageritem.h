#pragma once
// The top strip of the home page: the "3D View" and "Rooms" tiles beside a sideways scrolling grid of the
// project's room cards. The cards follow the current project: they are rebuilt on every project change, also
// while the home page is hidden, and whenever the page asks.

#include <QWidget>

class HomeManager3DViewIconItem;
class HomeManagerRoomsIconItem;
class QPainter;
class RoomCardGrid;

class HomeManagerItem : public QWidget
{
    Q_OBJECT

public:
    explicit HomeManagerItem(QWidget *parent);

    // Rebuilds the room cards from the database.
    void loadRooms();

    RoomCardGrid *roomCards() const { return cards; }
    HomeManager3DViewIconItem *view3DTile() const { return tile3DView; }
    HomeManagerRoomsIconItem *roomsTile() const { return tileRooms; }

    // The two tiles' painting: their picture scaled into a side x side square centred above the caption.
    static void paintTile(QPainter &painter, const QSize &size, const QString &picture, int side,
                          const QString &caption);

public slots:
    void slotsProjectStateChanged();
    void slotsEdit(int type, int id);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    HomeManager3DViewIconItem *tile3DView;
    HomeManagerRoomsIconItem *tileRooms;
    RoomCardGrid *cards;
};
