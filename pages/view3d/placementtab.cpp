#include "pages/view3d/placementtab.h"

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/queryhelpers.h"
#include "core/roomstore.h"
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
    queryStringValue(QString::asprintf("select icon_name from tbl_3d_view_manager where room_id=%d", roomId),
                     "icon_name", m_iconName);
    RoomRow room;
    if (readRoom(roomId, room))
        m_roomName = room.name;

    QSqlQuery query = m_statements.deviceRows ? m_statements.deviceRows(roomId)
                                              : gDatabase.querySql(QString::asprintf(m_statements.devices, roomId));
    while (query.next()) {
        appendRecord(query);
        const int index = count() - 1;
        const QString position = QString::asprintf(m_statements.position, keyAt(index), roomId);
        if (queryHasRecord(position)) {
            setPositionAt(index, QPoint(queryIntValue(position, "xp1"), queryIntValue(position, "yp1")));
        } else {
            gDatabase.execSql(QString::asprintf(m_statements.defaultRow, keyAt(index), 0, 0, roomId));
            setPositionAt(index, QPoint(0, 0));
        }
    }
    query.finish();
    update();
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
        painter.drawImage(QRect(corner.x() + 22, corner.y() + 10, 36, 36), QImage(iconPathAt(i)));
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
        gDatabase.execSql(QString::asprintf(m_statements.store, corner.x(), corner.y(), keyAt(index), roomAt(index)));
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
