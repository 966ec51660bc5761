#include "pages/rooms/pagedeviceoperate.h"

#include "core/globals.h"
#include "core/roomstore.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/picturefile.h"
#include "materialwidgets/qtmaterialcanvas.h"
#include "materialwidgets/qtmaterialgroupbox.h"
#include "materialwidgets/qtmateriallabel.h"
#include "panels/refreshingctrl.h"
#include "panels/roomitem.h"

#include <QEvent>
#include <QGridLayout>
#include <QPixmap>
#include <QSqlQuery>

namespace {
const char *const checkboxOff = ":/myImages/png/icon_checkbox_off.png";
const char *const checkboxOn = ":/myImages/png/icon_checkbox_on.png";
} // namespace

PageDeviceOperate::PageDeviceOperate(const QString &id, const QString &name, const Kind &deviceKind, QWidget *parent)
    : MyDialog(id, name, parent), kind(deviceKind)
{
    groupBoxRooms = new QtMaterialGroupBox(QString(), nullptr);
    groupBoxRooms->setObjectName("groupBoxRooms");
    groupBoxRooms->setStyleSheet("QGroupBox{border:none;}");
    auto *canvas = new QtMaterialCanvas(this);
    canvas->setWidget(groupBoxRooms);
    canvas->setWidgetResizable(true);

    auto *layout = new QGridLayout;
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    if (kind.lastUpdateKey) {
        refreshingCtrl = new RefreshingCtrl(this);
        refreshingCtrl->hide();

        labelAll = new QtMaterialLabel(this);
        labelAll->setObjectName("labelAll");
        labelAll->setFixedSize(64, 36);
        labelAll->setScaledContents(true);
        labelAll->installEventFilter(this);
        showAllState();

        labelRefresh = new QtMaterialLabel(this);
        labelRefresh->setObjectName("labelRefresh");
        labelRefresh->setFixedSize(36, 36);
        labelRefresh->setScaledContents(true);
        labelRefresh->setPixmap(picturePixmap(":/myImages/png/shuaxin.png"));
        labelRefresh->setToolTip(tr(kind.refreshTip));

        auto *switchRow = new QGridLayout;
        switchRow->setSizeConstraint(QLayout::SetNoConstraint);
        switchRow->setSpacing(20);
        switchRow->addWidget(new QtMaterialLabel(tr("All Off"), this), 0, 0);
        switchRow->addWidget(labelAll, 0, 1);
        switchRow->addWidget(new QtMaterialLabel(tr("All On"), this), 0, 2);
        switchRow->setColumnStretch(3, 1);

        auto *controlRow = new QGridLayout;
        controlRow->setSizeConstraint(QLayout::SetNoConstraint);
        controlRow->setSpacing(20);
        controlRow->addLayout(switchRow, 0, 0);
        controlRow->addWidget(labelRefresh, 0, 1, Qt::AlignRight);

        layout->addWidget(refreshingCtrl, 0, 0);
        layout->addLayout(controlRow, 1, 0);
        layout->addWidget(canvas, 2, 0);
        layout->setRowStretch(2, 1);

        connect(labelRefresh, &QtMaterialLabel::signalsPressed, this, &PageDeviceOperate::labelRefresh_pressed);
        connect(&finishTimer, &QTimer::timeout, this, &PageDeviceOperate::finishRefresh);
    } else {
        layout->addWidget(canvas, 0, 0);
        layout->setRowStretch(0, 1);
    }
    setLayout(layout);

    connect(&gBroadcastSocket, &BroadcastSocket::signalsPageEnter, this, &PageDeviceOperate::slotsPageEnter);
}

void PageDeviceOperate::showAllState()
{
    labelAll->setPixmap(picturePixmap(m_allState != 0 ? checkboxOn : checkboxOff));
}

void PageDeviceOperate::loadRooms()
{
    if (!grid) {
        grid = new QGridLayout;
        grid->setSizeConstraint(QLayout::SetNoConstraint);
        grid->setSpacing(20);
    } else {
        for (RoomItem *card : qAsConst(m_cards)) {
            grid->removeWidget(card);
            card->hide();
            card->deleteLater();
        }
        if (stretchRow >= 0)
            grid->setRowStretch(stretchRow, 0);
    }
    m_cards.clear();

    // The rooms of the project by region, floor and room id; a room gets a card when it has a device of the kind.
    for (int roomId : roomIdsInOrder()) {
        if (!kind.roomHasDevice(roomId))
            continue;
        auto *card = new RoomItem(roomId, kind.mode, nullptr);
        grid->addWidget(card, m_cards.size(), 0);
        m_cards.append(card);
    }
    stretchRow = m_cards.size();
    grid->setRowStretch(stretchRow, 1);
    if (groupBoxRooms->layout() != grid)
        groupBoxRooms->setLayout(grid);
}

void PageDeviceOperate::slotsPageEnter()
{
    if (!isVisible())
        return;
    if (refreshable()) {
        m_allState = 0;
        showAllState();
    }
    loadRooms();
    if (refreshable())
        refresh();
}

void PageDeviceOperate::refresh()
{
    if (!refreshable())
        return;
    finishTimer.stop();
    refreshingCtrl->startRefresh(kind.lastUpdateKey);
    for (int k = 0; k < m_cards.size(); ++k)
        m_cards.at(k)->startRefreshDelayed(100 * k);
    finishTimer.start(100);
}

void PageDeviceOperate::finishRefresh()
{
    if (!isVisible()) {
        finishTimer.stop();
        return;
    }
    for (const RoomItem *card : qAsConst(m_cards)) {
        if (!card->isRefreshFinished())
            return;
    }
    finishTimer.stop();
    refreshingCtrl->stopRefresh(true);
}

void PageDeviceOperate::labelRefresh_pressed()
{
    refresh();
}

bool PageDeviceOperate::eventFilter(QObject *watched, QEvent *event)
{
    if (labelAll && watched == labelAll && event->type() == QEvent::MouseButtonPress) {
        m_allState = m_allState <= 0 ? kind.onState : 0;
        showAllState();
        kind.broadcast(m_allState);
    }
    return MyDialog::eventFilter(watched, event);
}
