#pragma once
// The page "Operate Room 3D View": one room's lights on its 3D picture behind a tab strip with the one tab
// "Lighting", offered only when the room has lights with a bus address. Entering the page refreshes them at once.

#include "shell/mydialog.h"

class PageRoomOperate3DViewLighting;
class QtMaterialTabs;

class PageRoomOperate3DView : public MyDialog
{
    Q_OBJECT

public:
    PageRoomOperate3DView(const QString &id, const QString &name, QWidget *parent);

    int roomId() const { return m_roomId; }
    PageRoomOperate3DViewLighting *lightingTab() const { return lightingPage; }

private slots:
    void slotsPageEnter(QString roomId);
    void currentChanged(int index);

private:
    int m_roomId = 0;
    QtMaterialTabs *tabs;
    PageRoomOperate3DViewLighting *lightingPage;
};
