#include "pages/view3d/markerview3d.h"

#include "core/placementstore.h"
#include "devicelink/broadcastsocket.h"
#include "pages/view3d/roompicture.h"
#include "panels/devicepanel.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

int &staggerMs()
{
    static int value = 100;
    return value;
}

int &checkMs()
{
    static int value = 100;
    return value;
}

} // namespace

void MarkerView3D::setStaggerInterval(int milliseconds)
{
    staggerMs() = milliseconds;
}

int MarkerView3D::staggerInterval()
{
    return staggerMs();
}

void MarkerView3D::setCheckInterval(int milliseconds)
{
    checkMs() = milliseconds;
}

int MarkerView3D::checkInterval()
{
    return checkMs();
}

MarkerView3D::MarkerView3D(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setBrush(QPalette::All, QPalette::Window, QBrush(QColor(0x26, 0x34, 0x40)));
    setPalette(pal);
    installEventFilter(this);
    connect(&refreshTimer, &QTimer::timeout, this, &MarkerView3D::finishRefresh);
}

void MarkerView3D::loadPictureName(int roomId)
{
    readRoomPicture(roomId, m_iconName);
}

QPoint MarkerView3D::loadPosition(PositionLoader load, int key, int roomId)
{
    QPoint position;
    QString error;
    if (!load(key, roomId, position, &error) && m_loadError.isEmpty())
        m_loadError = error.isEmpty() ? tr("unknown error") : error;
    return position;
}

void MarkerView3D::reportLoadFailure()
{
    if (m_loadError.isEmpty())
        return;
    emit gBroadcastSocket.signalsInformation(
        tr("The 3D positions of this room could not be read or stored: %1").arg(m_loadError));
    m_loadError.clear();
}

void MarkerView3D::refresh()
{
    refreshFinished = false;
    refreshTimer.stop();
    int k = 0;
    for (int i = 0; i < entryCount(); ++i) {
        if (DevicePanel *panel = panelAt(i)) {
            panel->startRefreshDelayed(k * staggerMs());
            ++k;
        }
    }
    refreshTimer.start(checkMs());
}

void MarkerView3D::finishRefresh()
{
    if (!isVisible()) {
        refreshTimer.stop();
        return;
    }
    for (int i = 0; i < entryCount(); ++i) {
        DevicePanel *panel = panelAt(i);
        if (!panel)
            continue;
        if (!panel->isRefreshFinished()) {
            refreshFinished = false;
            return;
        }
        copyBack(i);
    }
    refreshTimer.stop();
    update();
    refreshFinished = true;
}

bool MarkerView3D::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == this && event->type() == QEvent::MouseButtonPress) {
        const QPoint pressed = static_cast<QMouseEvent *>(event)->pos();
        bool copied = false;
        for (int i = 0; i < entryCount(); ++i) {
            DevicePanel *panel = panelAt(i);
            if (!panel)
                continue;
            // The marker of a light just operated shows its new state once its panel closes.
            if (panel->isVisible()) {
                copyBack(i);
                copied = true;
            }
            panel->move((width() - panel->width()) / 2, (height() - panel->height()) / 2);
            const QPoint corner = positionAt(i);
            panel->setVisible(QRect(corner.x(), corner.y(), markerSize, markerSize).contains(pressed));
        }
        if (copied)
            update();
    }
    return QWidget::eventFilter(watched, event);
}

void MarkerView3D::paintCircle(QPainter &painter, const QPoint &corner, bool on)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(on ? QColor(0x1f, 0x29, 0x33) : QColor(0x3d, 0x53, 0x66));
    painter.drawEllipse(QRect(corner.x(), corner.y(), markerSize, markerSize));
}

void MarkerView3D::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paintRoomPicture(painter, size(), m_iconName);
    for (int i = 0; i < entryCount(); ++i)
        paintMarker(painter, i);
    painter.end();
    QWidget::paintEvent(event);
}
