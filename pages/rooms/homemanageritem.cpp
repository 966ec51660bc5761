#include "pages/rooms/homemanageritem.h"

#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/picturefile.h"
#include "materialwidgets/qtmaterialcanvas.h"
#include "materialwidgets/qtmaterialgroupbox.h"
#include "materialwidgets/qtmaterialstyle.h"
#include "pages/rooms/homemanager3dviewiconitem.h"
#include "pages/rooms/homemanagerroomsiconitem.h"
#include "pages/rooms/roomcardgrid.h"

#include <QGridLayout>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>
#include <QtMath>

namespace {
const QColor stripColor(0x3D, 0x53, 0x66);
constexpr int tileSide = 128;
} // namespace

HomeManagerItem::HomeManagerItem(QWidget *parent) : QWidget(parent)
{
    auto *box = new QtMaterialGroupBox(QString(), nullptr);
    box->setObjectName("groupBoxRooms");
    box->setStyleSheet("QGroupBox{border:none;}");
    auto *canvas = new QtMaterialCanvas(Qt::Horizontal, this);
    canvas->setObjectName("canvasRooms");
    canvas->setWidget(box);
    canvas->setWidgetResizable(true);

    tile3DView = new HomeManager3DViewIconItem(this);
    tileRooms = new HomeManagerRoomsIconItem(this);
    // The strip's tiles take the left 128 pixels of the screen; the cards share the rest.
    cards = new RoomCardGrid(box, gScreenWidth - tileSide, this);

    setFixedHeight(300);
    auto *layout = new QGridLayout;
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    layout->addWidget(tile3DView, 0, 0);
    layout->addWidget(tileRooms, 1, 0);
    layout->addWidget(canvas, 0, 1, 2, 1);
    layout->setColumnStretch(1, 1);
    setLayout(layout);

    connect(&gBroadcastSocket, &BroadcastSocket::signalsProjectStateChanged, this,
            &HomeManagerItem::slotsProjectStateChanged);
}

void HomeManagerItem::loadRooms()
{
    cards->load();
}

void HomeManagerItem::slotsProjectStateChanged()
{
    loadRooms();
}

void HomeManagerItem::slotsEdit(int type, int id)
{
    RoomCardGrid::openRoom(type, id);
}

void HomeManagerItem::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath clip;
        clip.addRoundedRect(rect(), 10, 10);
        painter.setClipPath(clip);
        painter.setPen(stripColor);
        painter.setBrush(stripColor);
        painter.drawRect(rect());
    }
    QWidget::paintEvent(event);
}

void HomeManagerItem::paintTile(QPainter &painter, const QSize &size, const QString &picture, int side,
                                const QString &caption)
{
    const int w = size.width();
    const int h = size.height();
    painter.setRenderHint(QPainter::Antialiasing);
    // Kept at the size it is drawn, not at the size of the file: the picture is larger than its place.
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const int pixels = qCeil(side * ratio);
    const QString key = picture + QLatin1Char('@') + QString::number(pixels);
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        // Read as an image: a pixmap read from a file would keep its full size in the cache as well.
        const QImage full = readPicture(picture);
        pixmap = QPixmap::fromImage(full.width() > pixels || full.height() > pixels
                                        ? full.scaled(pixels, pixels, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                                        : full);
        QPixmapCache::insert(key, pixmap);
    }
    painter.drawPixmap(QRect((w - side) / 2, (h - side - 20) / 2, side, side), pixmap);
    painter.setBrush(Qt::NoBrush);
    painter.setFont(QtMaterialStyle::instance().themeFont(8));
    painter.setPen(Qt::white);
    const QString text = painter.fontMetrics().elidedText(caption, Qt::ElideRight, w);
    painter.drawText(QRect(0, h - 21, w, 20), Qt::AlignHCenter | Qt::AlignVCenter | Qt::AlignBottom, text);
}
