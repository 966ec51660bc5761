#include "panels/roomitem.h"

#include "core/globals.h"
#include "core/queryhelpers.h"
#include "core/roomname.h"
#include "core/roomstore.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/picturefile.h"
#include "materialwidgets/qtmaterialcanvas.h"
#include "materialwidgets/qtmaterialgroupbox.h"
#include "materialwidgets/qtmateriallabel.h"
#include "panels/acitem.h"
#include "panels/devicerecordloaders.h"
#include "panels/floorheatitem.h"
#include "panels/lightitem.h"
#include "panels/mooditem.h"
#include "panels/occupationmasteritem.h"
#include "shell/manageritem.h"
#include "shell/tilegrid.h"

#include <QDateTime>
#include <QGridLayout>
#include <QPainter>
#include <QPainterPath>

RoomItem::RoomItem(int roomId, int mode, QWidget *parent) : QWidget(parent), m_roomId(roomId), m_mode(mode)
{
    delayTimer.setSingleShot(true);

    RoomRow room;
    if (readRoom(roomId, room))
        m_pictureName = room.iconName;
    labelTitle = new QtMaterialLabel(roomNameParts(roomId).joined(), this);
    labelTitle->setObjectName("labelTitle");

    m_strip = new OccupationMasterItem(24, 24, this);
    m_strip->setDevices(loadOccupationMasterRecord(roomId));

    groupBoxPanels = new QtMaterialGroupBox(QString(), nullptr);
    groupBoxPanels->setObjectName("groupBoxPanels");
    groupBoxPanels->setStyleSheet("QGroupBox{border:none;}");
    auto *canvas = new QtMaterialCanvas(Qt::Horizontal, this);
    canvas->setWidget(groupBoxPanels);
    canvas->setWidgetResizable(true);

    auto *layout = new QGridLayout;
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    layout->addWidget(labelTitle, 0, 0);
    layout->addWidget(m_strip, 0, 1, Qt::AlignRight);
    layout->addWidget(canvas, 1, 0, 1, 2);
    layout->setRowStretch(1, 1);
    setLayout(layout);
    setFixedHeight(cardHeight);

    connect(&delayTimer, &QTimer::timeout, this, &RoomItem::startRefresh);
    // A card still waiting for its turn when the page is left must not start its panels on the hidden page.
    connect(&gBroadcastSocket, &BroadcastSocket::signalsStopRefresh, &delayTimer, &QTimer::stop);
    loadDevices();
}

QString RoomItem::title() const
{
    return labelTitle->text();
}

void RoomItem::place(QWidget *item)
{
    const int columns = TileGrid::columnsFor(gScreenWidth, panelWidth);
    const int n = m_items.size();
    m_grid->addWidget(item, n / columns, n % columns);
    m_items.append(item);
}

void RoomItem::loadDevices()
{
    // The panels share the screen width as the room tabs do; a screen narrower than a panel still shows one column.
    m_grid = new QGridLayout;
    m_grid->setSizeConstraint(QLayout::SetNoConstraint);
    m_grid->setHorizontalSpacing(TileGrid::spacingFor(gScreenWidth, panelWidth));
    m_grid->setVerticalSpacing(20);

    switch (m_mode) {
    case RoomItemLights:
        for (const lightRecord &record : loadLightRecords(m_roomId)) {
            auto *panel = new LightItem(record, false, nullptr);
            place(panel);
            m_panels.append(panel);
        }
        break;
    case RoomItemAirConditioners:
        for (const airConditionerRecord &record : loadAirConditionerRecords(m_roomId)) {
            auto *panel = new ACItem(record, false, nullptr);
            place(panel);
            m_panels.append(panel);
        }
        break;
    case RoomItemFloorHeatings:
        for (const airConditionerRecord &record : loadFloorHeatingRecords(m_roomId)) {
            auto *panel = new FloorHeatItem(record, false, nullptr);
            place(panel);
            m_panels.append(panel);
        }
        break;
    case RoomItemMoods:
        for (const moodRecord &record : loadMoodRecords(m_roomId))
            place(new MoodItem(record, nullptr));
        break;
    default:
        break;
    }

    const int columns = TileGrid::columnsFor(gScreenWidth, panelWidth);
    const int n = m_items.size();
    const int rowsUsed = (n + columns - 1) / columns;
    m_grid->setColumnStretch(rowsUsed == 1 ? n : columns, 1);
    m_grid->setRowStretch(rowsUsed, 1);
    groupBoxPanels->setLayout(m_grid);
}

void RoomItem::startRefreshDelayed(int msec)
{
    delayTimer.stop();
    if (msec > 0)
        delayTimer.start(msec);
    else
        startRefresh();
}

void RoomItem::startRefresh()
{
    delayTimer.stop();
    m_strip->restartRefresh();
    for (int i = 0; i < m_panels.size(); ++i)
        m_panels.at(i)->startRefreshDelayed(100 * i);
}

bool RoomItem::isRefreshFinished() const
{
    for (const DevicePanel *panel : m_panels) {
        if (!panel->isRefreshFinished())
            return false;
    }
    return m_strip->isRefreshFinished();
}

QString RoomItem::picturePath(const QString &pictureName)
{
    return ManagerItem::picturePathOf(RoomTile, pictureName);
}

void RoomItem::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath clip;
        clip.addRoundedRect(rect(), 10, 10);
        painter.setClipPath(clip);
        const QString path = picturePath(m_pictureName);
        if (!path.isEmpty()) {
            // Pictures are decoded once per file, not once per card and paint; a user photo replaced under its
            // name is read again.
            const QPixmap picture = picturePixmap(path);
            if (!picture.isNull())
                painter.drawPixmap(rect(), picture);
        }
    }
    QWidget::paintEvent(event);
}
