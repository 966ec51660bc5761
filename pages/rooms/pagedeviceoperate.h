#pragma once
// What the pages showing one kind of device across every room share: one room card per room that has a device of
// the kind, one card per row, rebuilt on every entry. The lighting, air-conditioner and floor-heating pages add the
// refresh banner and the control row: "All Off", the All picture and "All On" switch every panel of the page
// through one hub broadcast, and the refresh picture re-reads every card, the cards started 100 ms apart and
// watched every 100 ms until all have finished.

#include "shell/mydialog.h"

#include <QList>
#include <QTimer>

class QGridLayout;
class QtMaterialGroupBox;
class QtMaterialLabel;
class RefreshingCtrl;
class RoomItem;

class PageDeviceOperate : public MyDialog
{
    Q_OBJECT

public:
    // Rebuilds the room cards from the database.
    void loadRooms();

    QList<RoomItem *> cards() const { return m_cards; }
    int allState() const { return m_allState; }
    bool isRefreshing() const { return finishTimer.isActive(); }
    RefreshingCtrl *banner() const { return refreshingCtrl; }
    QtMaterialLabel *allPicture() const { return labelAll; }
    QtMaterialLabel *refreshPicture() const { return labelRefresh; }

    // Restarts the banner and the cards (the first at once, each further one 100 ms later).
    void refresh() override;

public slots:
    void slotsPageEnter();
    // One check of a running refresh: ends the banner with success once every card has finished.
    void finishRefresh();
    void labelRefresh_pressed();

protected:
    // What tells the pages of the family apart.
    struct Kind
    {
        int mode; // RoomItemMode of the cards
        // Refreshable pages only (empty for the moods page):
        const char *lastUpdateKey;
        const char *refreshTip;
        int onState;                  // the All state meaning on
        void (*broadcast)(int state); // the hub signal of the All switch
        // Whether a room has a device of the kind, and so a card.
        bool (*roomHasDevice)(int roomId);
    };

    PageDeviceOperate(const QString &id, const QString &name, const Kind &kind, QWidget *parent);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool refreshable() const { return refreshingCtrl != nullptr; }
    void showAllState();

    const Kind kind;
    int m_allState = 0;
    RefreshingCtrl *refreshingCtrl = nullptr;
    QtMaterialLabel *labelAll = nullptr;
    QtMaterialLabel *labelRefresh = nullptr;
    QtMaterialGroupBox *groupBoxRooms;
    QGridLayout *grid = nullptr;
    int stretchRow = -1;
    QList<RoomItem *> m_cards;
    QTimer finishTimer;
};
