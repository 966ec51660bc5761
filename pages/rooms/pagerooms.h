#pragma once
// "Rooms": every room of the current project as a card in a grid across the whole screen; a click on a card
// opens the room's operation page. The cards are rebuilt on each entry.

#include "shell/mydialog.h"

class RoomCardGrid;

class PageRooms : public MyDialog
{
    Q_OBJECT

public:
    PageRooms(const QString &id, const QString &name, QWidget *parent);

    void loadRooms();
    RoomCardGrid *roomCards() const { return cards; }

public slots:
    void slotsPageEnter();
    void slotsEdit(int type, int id);

private:
    RoomCardGrid *cards;
};
