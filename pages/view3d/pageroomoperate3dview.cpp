#include "pages/view3d/pageroomoperate3dview.h"

#include "core/devicestore.h"
#include "core/globals.h"
#include "core/queryhelpers.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmaterialtabs.h"
#include "pages/view3d/pageroomoperate3dviewlighting.h"

#include <QGridLayout>

PageRoomOperate3DView::PageRoomOperate3DView(const QString &id, const QString &name, QWidget *parent)
    : MyDialog(id, name, parent)
{
    tabs = new QtMaterialTabs(nullptr);
    tabs->setObjectName("tabs");
    if (objectName().isEmpty())
        setObjectName("PageRoomOperate3DView");
    resize(400, 300);
    setWindowTitle(tr("Dialog"));
    connect(tabs, &QtMaterialTabs::currentChanged, this, &PageRoomOperate3DView::currentChanged);
    lightingPage = new PageRoomOperate3DViewLighting(nullptr);
    lightingPage->hide();

    auto *grid = new QGridLayout;
    grid->setSizeConstraint(QLayout::SetNoConstraint);
    grid->setSpacing(20);
    grid->addWidget(lightingPage, 0, 0);
    grid->addWidget(tabs, 1, 0);
    grid->setRowStretch(0, 1);
    setLayout(grid);

    connect(&gBroadcastSocket, &BroadcastSocket::signalsPageEnter, this, &PageRoomOperate3DView::slotsPageEnter);
}

void PageRoomOperate3DView::slotsPageEnter(QString roomId)
{
    if (!isVisible())
        return;
    m_roomId = roomId.toInt();
    tabs->clearTabs();
    if (roomHasAddressedLights(m_roomId)) {
        tabs->addTab(tr(":/myImages/png/edit_room/icon-room-lighting.png"), tr("Lighting"));
        lightingPage->loadRoom(m_roomId);
    } else {
        lightingPage->hide();
    }
    // Making the first tab current always reports the change, which shows the tab and refreshes it.
    if (tabs->count() > 0)
        tabs->setCurrentTab(0);
    tabs->setVisible(tabs->count() > 0);
}

void PageRoomOperate3DView::currentChanged(int index)
{
    emit gBroadcastSocket.signalsStopRefresh(false);
    const bool lighting = tabs->tabText(index) == tr("Lighting");
    lightingPage->setVisible(lighting);
    if (lighting)
        lightingPage->refresh();
}
