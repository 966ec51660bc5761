#pragma once
// The "Lighting" tab of the room 3D operation page: the room's occupancy and master strip with a refresh icon
// above the light marker view, and the refresh banner that tells when all lights and the strip have been read.

#include "shell/mywidget.h"

#include <QTimer>

class Light3DViewItem;
class OccupationMasterItem;
class QtMaterialLabel;
class RefreshingCtrl;

class PageRoomOperate3DViewLighting : public MyWidget
{
    Q_OBJECT

public:
    explicit PageRoomOperate3DViewLighting(QWidget *parent);

    // Loads the occupancy and master rows and the light markers of the room; starts nothing.
    void loadRoom(int roomId);
    // Reads every light and the strip again under the refresh banner; a running refresh starts over.
    void refresh() override;

    int roomId() const { return m_roomId; }
    Light3DViewItem *lightView() const { return m_lightView; }
    OccupationMasterItem *occupationMaster() const { return occupationMasterItem; }
    RefreshingCtrl *banner() const { return refreshingCtrl; }
    bool isRefreshRunning() const { return refreshTimer.isActive(); }

private slots:
    void finishRefresh();
    void labelRefresh_pressed();

private:
    int m_roomId = 0;
    QTimer refreshTimer;
    RefreshingCtrl *refreshingCtrl;
    OccupationMasterItem *occupationMasterItem;
    QtMaterialLabel *labelRefresh;
    Light3DViewItem *m_lightView;
};
