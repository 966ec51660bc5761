#include "pages/view3d/pageroomoperate3dviewlighting.h"

#include "materialwidgets/picturefile.h"
#include "materialwidgets/qtmateriallabel.h"
#include "pages/view3d/light3dviewitem.h"
#include "panels/devicerecordloaders.h"
#include "panels/occupationmasteritem.h"
#include "panels/refreshingctrl.h"

#include <QGridLayout>
#include <QPixmap>

PageRoomOperate3DViewLighting::PageRoomOperate3DViewLighting(QWidget *parent) : MyWidget(parent)
{
    if (objectName().isEmpty())
        setObjectName("PageRoomOperate3DViewLighting");
    occupationMasterItem = new OccupationMasterItem(36, 36, nullptr);
    refreshingCtrl = new RefreshingCtrl(nullptr);
    refreshingCtrl->hide();
    labelRefresh = new QtMaterialLabel(QString(), nullptr);
    labelRefresh->setObjectName("labelRefresh");
    labelRefresh->setFixedSize(36, 36);
    labelRefresh->setScaledContents(true);
    labelRefresh->setPixmap(picturePixmap(tr(":/myImages/png/shuaxin.png")));
    labelRefresh->setToolTip(tr("Refresh All Ligths Information"));
    connect(labelRefresh, &QtMaterialLabel::signalsPressed, this, &PageRoomOperate3DViewLighting::labelRefresh_pressed);
    m_lightView = new Light3DViewItem(nullptr);

    auto *strip = new QGridLayout;
    strip->setSizeConstraint(QLayout::SetNoConstraint);
    strip->setSpacing(20);
    strip->addWidget(occupationMasterItem, 0, 0);
    strip->addWidget(labelRefresh, 0, 1, Qt::AlignRight);
    strip->setRowStretch(1, 1);
    auto *page = new QGridLayout;
    page->setSizeConstraint(QLayout::SetNoConstraint);
    page->addWidget(refreshingCtrl, 0, 0);
    page->addLayout(strip, 1, 0);
    page->addWidget(m_lightView, 2, 0);
    page->setRowStretch(2, 1);
    setLayout(page);

    connect(&refreshTimer, &QTimer::timeout, this, &PageRoomOperate3DViewLighting::finishRefresh);
}

void PageRoomOperate3DViewLighting::loadRoom(int roomId)
{
    m_roomId = roomId;
    occupationMasterItem->setDevices(loadOccupationMasterRecord(roomId));
    m_lightView->loadRoom(roomId);
}

void PageRoomOperate3DViewLighting::refresh()
{
    refreshTimer.stop();
    // The room operation page's lighting tab keeps its last refresh under the same key.
    refreshingCtrl->startRefresh(QString::asprintf("%d_lighting", m_roomId));
    occupationMasterItem->restartRefresh();
    m_lightView->refresh();
    refreshTimer.start(Light3DViewItem::checkInterval());
}

void PageRoomOperate3DViewLighting::finishRefresh()
{
    if (!isVisible()) {
        refreshTimer.stop();
        return;
    }
    if (m_lightView->isRefreshFinished() && occupationMasterItem->isRefreshFinished()) {
        refreshTimer.stop();
        refreshingCtrl->stopRefresh(true);
    }
}

void PageRoomOperate3DViewLighting::labelRefresh_pressed()
{
    refresh();
}
