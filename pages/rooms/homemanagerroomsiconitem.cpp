#include "pages/rooms/homemanagerroomsiconitem.h"

#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "pages/rooms/homemanageritem.h"
#include "shell/pageids.h"

#include <QPainter>

const QString HomeManagerRoomsIconItem::caption = QString::fromLatin1(PageId::Rooms);
const QString HomeManagerRoomsIconItem::picture =
    QStringLiteral(":/myImages/png/settings/icon-settings-roomsmanager.png");

HomeManagerRoomsIconItem::HomeManagerRoomsIconItem(QWidget *parent) : DynamicWidget(QColor(0x3D, 0x53, 0x66), parent)
{
    setFixedSize(128, 128);
    connect(this, &DynamicWidget::signalsPressed, this, &HomeManagerRoomsIconItem::slotsPressed);
}

void HomeManagerRoomsIconItem::slotsPressed()
{
    emit gBroadcastSocket.signalsPageIdChanged(trPageId(PageId::Rooms), trPageId(PageId::Rooms), QString(), QString());
}

void HomeManagerRoomsIconItem::paintEvent(QPaintEvent *event)
{
    DynamicWidget::paintEvent(event);
    QPainter painter(this);
    HomeManagerItem::paintTile(painter, size(), picture, pictureSide, caption);
}
