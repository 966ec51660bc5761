#include "pages/view3d/placementtab.h"

#include "core/globals.h"
#include "core/placementstore.h"
#include "core/roomstore.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/picturefile.h"
#include "materialwidgets/qtmaterialstyle.h"
#include "pages/view3d/roompicture.h"

#include <QFontMetrics>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QSqlQuery>

namespace {

constexpr int markerSize = 80;

} // namespace

PlacementTab::PlacementTab(const Statements &statements, QWidget *parent) : MyDialog(parent), m_statements(statements)
{
    resize(400, 300);
    setWindowTitle(tr("Dialog"));
}

void PlacementTab::setIconName(const QString &iconName)
{
    m_iconName = iconName;
    update();
}

void PlacementTab::loadRoom(int roomId)
{
    clearRecords();
    readRoomPicture(roomId, m_iconName);
    RoomRow room;
    if (readRoom(roomId, room))
        m_roomName = room.name;

    QString loadError;
    appendDevices(roomId);
    for (int index = 0; index < count(); ++index) {
        QPoint position;
        QString error;
        if (!m_statements.loadPosition(keyAt(index), roomId, position, &error) && loadError.isEmpty())
            loadError = error.isEmpty() ? tr("unknown error") : error;
        setPositionAt(index, position);
    }
    update();
    if (!loadError.isEmpty())
        emit gBroadcastSocket.signalsInformation(
            tr("The 3D positions of this room could not be read or stored: %1").arg(loadError));
}

void PlacementTab::appendDevices(int roomId)
{
    QSqlQuery query = m_statements.deviceRows(roomId);
    while (query.next())
        appendRecord(query);
    query.finish();
}

void PlacementTab::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paintRoomPicture(painter, size(), m_iconName);

    const QFont &nameFont = QtMaterialStyle::instance().themeFont(8);
    painter.setBrush(Qt::NoBrush);
    painter.setFont(nameFont);
    painter.setPen(Qt::white);
    painter.drawText(QRect(20, 20, width() - 20, height() - 20), Qt::AlignLeft | Qt::AlignTop,
                     QFontMetrics(nameFont).elidedText(m_roomName, Qt::ElideRight, width() - 20));

    const QFont &markerFont = QtMaterialStyle::instance().themeFont(12);
    for (int i = 0; i < count(); ++i) {
        const QPoint corner = positionAt(i);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0x1F, 0x29, 0x33));
        painter.drawEllipse(QRect(corner.x(), corner.y(), markerSize, markerSize));
        painter.drawImage(QRect(corner.x() + 22, corner.y() + 10, 36, 36), readPicture(iconPathAt(i)));
        painter.setBrush(Qt::NoBrush);
        painter.setFont(markerFont);
        painter.setPen(Qt::white);
        painter.drawText(QRect(corner.x(), corner.y() + 49, markerSize, 20),
                         Qt::AlignHCenter | Qt::AlignVCenter | Qt::AlignBottom,
                         QFontMetrics(markerFont).elidedText(textAt(i), Qt::ElideRight, markerSize));
    }
    painter.end();
    MyDialog::paintEvent(event);
}

void PlacementTab::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        const QPoint cursor = event->localPos().toPoint();
        for (int i = 0; i < count(); ++i) {
            const QPoint corner = positionAt(i);
            if (QRect(corner.x(), corner.y(), markerSize, markerSize).contains(cursor)) {
                setDraggingAt(i, true);
                m_dragStart = corner;
                break;
            }
        }
    }
    MyDialog::mousePressEvent(event);
}

void PlacementTab::mouseMoveEvent(QMouseEvent *event)
{
    const int index = draggingIndex();
    if (index >= 0) {
        setPositionAt(index, cornerFor(event->localPos().toPoint()));
        update();
    }
    MyDialog::mouseMoveEvent(event);
}

void PlacementTab::mouseReleaseEvent(QMouseEvent *event)
{
    const int index = draggingIndex();
    if (index >= 0) {
        const QPoint corner = cornerFor(event->localPos().toPoint());
        setDraggingAt(index, false);
        setPositionAt(index, corner);
        update();
        if (!m_statements.savePosition(keyAt(index), roomAt(index), corner, nullptr)) {
            // The marker goes back to the position the room still has stored.
            setPositionAt(index, m_dragStart);
            update();
            emit gBroadcastSocket.signalsInformation(tr("Save failed!"));
        }
    }
    MyDialog::mouseReleaseEvent(event);
}

int PlacementTab::draggingIndex() const
{
    for (int i = 0; i < count(); ++i) {
        if (draggingAt(i))
            return i;
    }
    return -1;
}

QPoint PlacementTab::cornerFor(const QPoint &cursor) const
{
    int x = cursor.x() - markerSize / 2;
    int y = cursor.y() - markerSize / 2;
    if (x < 0)
        x = 0;
    if (y < 0)
        y = 0;
    // The box stops one pixel short of the right and bottom edges.
    if (x + markerSize - 1 >= width() - 1)
        x = width() - markerSize - 1;
    if (y + markerSize - 1 >= height() - 1)
        y = height() - markerSize - 1;
    return {x, y};
}
