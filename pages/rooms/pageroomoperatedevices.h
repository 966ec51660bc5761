#pragma once
// What the lighting, air-conditioner and floor-heating tabs of a room's operation page share: the refresh banner,
// the control row ("All Off", the All picture, "All On", the occupancy and master strip, the refresh picture) and
// the grid of the room's panels of one kind, which a refresh starts 100 ms apart and watches every 100 ms until all
// have finished.

#include "shell/mywidget.h"

#include <QList>
#include <QTimer>

class DevicePanel;
class OccupationMasterItem;
class QtMaterialGroupBox;
class QtMaterialLabel;
class RefreshingCtrl;
class TileGrid;

class PageRoomOperateDevices : public MyWidget
{
    Q_OBJECT

public:
    // Replaces the panels by those of the room; the All switch starts off again and nothing is broadcast.
    void loadRoom(int roomId);

    // Restarts the banner, the strip and every panel (the first at once, each further one 100 ms later).
    void refresh() override;

    int roomId() const { return m_roomId; }
    int allState() const { return m_allState; }
    // The panels of the last load, in grid order.
    QList<DevicePanel *> panels() const;
    // Whether a refresh is still watched for its end.
    bool isRefreshing() const { return finishTimer.isActive(); }
    RefreshingCtrl *banner() const { return refreshingCtrl; }
    OccupationMasterItem *occupationStrip() const { return occupationMaster; }

public slots:
    // One check of the running refresh: ends the banner with success once every panel and the strip are done.
    void finishRefresh();
    void labelRefresh_pressed();

protected:
    // refreshTip: the tooltip of the refresh picture.
    PageRoomOperateDevices(const QString &refreshTip, QWidget *parent);

    // The room's panels of this tab's kind, in their order, without parent.
    virtual QList<DevicePanel *> createPanels(int roomId) const = 0;
    // The key of the banner's refresh time ("%d_lighting" ...), for the room.
    virtual QString lastUpdateKey(int roomId) const = 0;
    // The All state that means on (1, or 100 for lights), and the hub broadcast of a new All state.
    virtual int onState() const = 0;
    virtual void broadcastAll(int state) const = 0;

    // The All switch: a press (any button) on the All picture toggles it and broadcasts; the press goes on.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showAllState();

    int m_roomId = 0;
    int m_allState = 0;
    RefreshingCtrl *refreshingCtrl;
    QtMaterialLabel *labelAll;
    QtMaterialLabel *labelRefresh;
    OccupationMasterItem *occupationMaster;
    QtMaterialGroupBox *groupBoxPanels;
    TileGrid *grid;
    QTimer finishTimer;
};
