#include "pages/view3d/markerview3d.h"

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/queryhelpers.h"
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
    queryStringValue(QString::asprintf("select icon_name from tbl_3d_view_manager where room_id=%d", roomId),
                     "icon_name", m_iconName);
}

QPoint MarkerView3D::loadPosition(const char *position, const char *insert, int key, int roomId)
{
    const QString sql = QString::asprintf(position, key, roomId);
    if (queryHasRecord(sql))
        return {queryIntValue(sql, "xp1"), queryIntValue(sql, "yp1")};
    gDatabase.execSql(QString::asprintf(insert, key, 0, 0, roomId));
    return {0, 0};
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
