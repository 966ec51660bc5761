#pragma once
// The "Moods" tab of a room's operation page: a card for every mood of the room; a press on a card plays it.
// Nothing here polls, so the tab has no banner and its refresh does nothing.

#include "shell/mywidget.h"

#include <QList>

class QtMaterialGroupBox;
class TileGrid;

class PageRoomOperateMoods : public MyWidget
{
    Q_OBJECT

public:
    explicit PageRoomOperateMoods(QWidget *parent);

    // Replaces the cards by those of the room's moods, in ascending mood id.
    void loadRoom(int roomId);

    int roomId() const { return m_roomId; }
    // The cards of the last load, in grid order.
    QList<QWidget *> cards() const;

private:
    int m_roomId = 0;
    QtMaterialGroupBox *groupBoxMoods;
    TileGrid *grid;
};
