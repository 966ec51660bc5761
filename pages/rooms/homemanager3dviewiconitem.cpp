#include "pages/rooms/homemanager3dviewiconitem.h"

#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "pages/rooms/homemanageritem.h"
#include "shell/pageids.h"

#include <QPainter>

const QString HomeManager3DViewIconItem::caption = QString::fromLatin1(PageId::View3D);
const QString HomeManager3DViewIconItem::picture = QStringLiteral(":/myImages/png/settings/icon-settings-3dview.png");

HomeManager3DViewIconItem::HomeManager3DViewIconItem(QWidget *parent) : DynamicWidget(QColor(0x3D, 0x53, 0x66), parent)
{
    setFixedSize(128, 128);
    connect(this, &DynamicWidget::signalsPressed, this, &HomeManager3DViewIconItem::slotsPressed);
}

void HomeManager3DViewIconItem::slotsPressed()
{
    emit gBroadcastSocket.signalsPageIdChanged(trPageId(PageId::View3D), trPageId(PageId::View3D), QString(),
                                               QString());
}

void HomeManager3DViewIconItem::paintEvent(QPaintEvent *event)
{
    DynamicWidget::paintEvent(event);
    QPainter painter(this);
    HomeManagerItem::paintTile(painter, size(), picture, pictureSide, caption);
}
