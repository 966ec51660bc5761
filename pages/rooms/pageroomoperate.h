#pragma once
// The page "Operate Room": one room of the project with a tab per device kind it has ("Lighting", "AC",
// "Floor Heat", "Moods"). A room card opens it with resetTabs "1", which rebuilds the tabs, loads every present
// kind and shows the first tab refreshed; Back enters it with "0", which keeps the tabs and panels as they were.

#include "shell/mydialog.h"

class PageRoomOperateAC;
class PageRoomOperateFloorHeat;
class PageRoomOperateLighting;
class PageRoomOperateMoods;
class QtMaterialTabs;

class PageRoomOperate : public MyDialog
{
    Q_OBJECT

public:
    PageRoomOperate(const QString &id, const QString &name, QWidget *parent);

    int roomId() const { return m_roomId; }
    QtMaterialTabs *tabs() const { return tabStrip; }
    PageRoomOperateLighting *lightingPage() const { return pageLighting; }
    PageRoomOperateAC *acPage() const { return pageAC; }
    PageRoomOperateFloorHeat *floorHeatPage() const { return pageFloorHeat; }
    PageRoomOperateMoods *moodsPage() const { return pageMoods; }

public slots:
    // roomId: the room as decimal text; resetTabs above 0 rebuilds the tabs. Only the visible page acts.
    void slotsPageEnter(QString roomId, QString resetTabs);
    // Stops every refresh, shows the tab page named by the tab's text and refreshes it.
    void currentChanged(int index);

private:
    int m_roomId = 0;
    QtMaterialTabs *tabStrip;
    PageRoomOperateLighting *pageLighting;
    PageRoomOperateAC *pageAC;
    PageRoomOperateFloorHeat *pageFloorHeat;
    PageRoomOperateMoods *pageMoods;
};
