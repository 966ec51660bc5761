#include "pages/rooms/pageroomoperatedevices.h"

#include "core/globals.h"
#include "materialwidgets/picturefile.h"
#include "materialwidgets/qtmaterialcanvas.h"
#include "materialwidgets/qtmaterialgroupbox.h"
#include "materialwidgets/qtmateriallabel.h"
#include "panels/devicepanel.h"
#include "panels/devicerecordloaders.h"
#include "panels/occupationmasteritem.h"
#include "panels/refreshingctrl.h"
#include "shell/tilegrid.h"

#include <QEvent>
#include <QGridLayout>
#include <QPixmap>

namespace {
constexpr int panelWidth = 500;
constexpr int panelHeight = 320;
constexpr int startStagger = 100;   // ms between the first reads of two panels
constexpr int finishInterval = 100; // ms between two checks for the end of a refresh
} // namespace

PageRoomOperateDevices::PageRoomOperateDevices(const QString &refreshTip, QWidget *parent) : MyWidget(parent)
{
    refreshingCtrl = new RefreshingCtrl(this);
    refreshingCtrl->setObjectName("refreshingCtrl");
    refreshingCtrl->hide();

    auto *labelAllOff = new QtMaterialLabel(tr("All Off"), this);
    labelAllOff->setObjectName("labelAllOff");
    labelAll = new QtMaterialLabel(this);
    labelAll->setObjectName("labelAll");
    labelAll->setFixedSize(64, 36);
    labelAll->setScaledContents(true);
    labelAll->installEventFilter(this);
    auto *labelAllOn = new QtMaterialLabel(tr("All On"), this);
    labelAllOn->setObjectName("labelAllOn");
    occupationMaster = new OccupationMasterItem(36, 36, this);
    occupationMaster->setObjectName("occupationMaster");
    labelRefresh = new QtMaterialLabel(this);
    labelRefresh->setObjectName("labelRefresh");
    labelRefresh->setFixedSize(36, 36);
    labelRefresh->setScaledContents(true);
    labelRefresh->setPixmap(picturePixmap(":/myImages/png/shuaxin.png"));
    labelRefresh->setToolTip(refreshTip);
    showAllState();

    auto *allRow = new QGridLayout;
    allRow->setSizeConstraint(QLayout::SetNoConstraint);
    allRow->setSpacing(20);
    allRow->addWidget(labelAllOff, 0, 0);
    allRow->addWidget(labelAll, 0, 1);
    allRow->addWidget(labelAllOn, 0, 2);
    allRow->addWidget(occupationMaster, 0, 3);
    allRow->setColumnStretch(4, 1);

    auto *controlRow = new QGridLayout;
    controlRow->setSizeConstraint(QLayout::SetNoConstraint);
    controlRow->setSpacing(20);
    controlRow->addLayout(allRow, 0, 0);
    controlRow->addWidget(labelRefresh, 0, 1, Qt::AlignRight);

    groupBoxPanels = new QtMaterialGroupBox(QString(), this);
    groupBoxPanels->setObjectName("groupBoxPanels");
    groupBoxPanels->setStyleSheet("QGroupBox{border:none;}");
    auto *canvas = new QtMaterialCanvas(this);
    canvas->setWidget(groupBoxPanels);
    canvas->setWidgetResizable(true);
    grid = new TileGrid(groupBoxPanels, panelWidth, panelHeight, this);

    auto *layout = new QGridLayout(this);
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    layout->addWidget(refreshingCtrl, 0, 0);
    layout->addLayout(controlRow, 1, 0);
    layout->addWidget(canvas, 2, 0);
    layout->setRowStretch(2, 1);

    connect(labelRefresh, &QtMaterialLabel::signalsPressed, this, &PageRoomOperateDevices::labelRefresh_pressed);
    connect(&finishTimer, &QTimer::timeout, this, &PageRoomOperateDevices::finishRefresh);
}

void PageRoomOperateDevices::loadRoom(int roomId)
{
    m_allState = 0;
    showAllState();
    m_roomId = roomId;
    occupationMaster->setDevices(loadOccupationMasterRecord(roomId));

    grid->begin(gScreenWidth);
    for (DevicePanel *panel : createPanels(roomId))
        grid->addTile(panel);
    grid->finish();
}

QList<DevicePanel *> PageRoomOperateDevices::panels() const
{
    QList<DevicePanel *> list;
    for (QWidget *tile : grid->tiles())
        list << static_cast<DevicePanel *>(tile);
    return list;
}

void PageRoomOperateDevices::refresh()
{
    finishTimer.stop();
    refreshingCtrl->startRefresh(lastUpdateKey(m_roomId));
    occupationMaster->restartRefresh();
    int delay = 0;
    for (DevicePanel *panel : panels()) {
        panel->startRefreshDelayed(delay);
        delay += startStagger;
    }
    finishTimer.start(finishInterval);
}

void PageRoomOperateDevices::finishRefresh()
{
    if (!isVisible()) {
        finishTimer.stop();
        return;
    }
    for (DevicePanel *panel : panels()) {
        if (!panel->isRefreshFinished())
            return;
    }
    if (!occupationMaster->isRefreshFinished())
        return;
    finishTimer.stop();
    refreshingCtrl->stopRefresh(true);
}

void PageRoomOperateDevices::labelRefresh_pressed()
{
    refresh();
}

bool PageRoomOperateDevices::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == labelAll && event->type() == QEvent::MouseButtonPress) {
        m_allState = m_allState <= 0 ? onState() : 0;
        showAllState();
        broadcastAll(m_allState);
    }
    return MyWidget::eventFilter(watched, event);
}

void PageRoomOperateDevices::showAllState()
{
    labelAll->setPixmap(picturePixmap(m_allState != 0 ? ":/myImages/png/icon_checkbox_on.png"
                                                      : ":/myImages/png/icon_checkbox_off.png"));
}
