#include "shell/settingitem.h"

#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/picturefile.h"
#include "materialwidgets/qtmaterialstyle.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>

const QColor SettingItem::tileColor(0x3D, 0x53, 0x66);

SettingItem::SettingItem(const QString &pageId, const QString &iconPath, int iconWidth, int iconHeight, int width,
                         int height, QWidget *parent)
    : DynamicWidget(tileColor, parent), m_pageId(pageId), m_iconPath(iconPath), m_iconWidth(iconWidth),
      m_iconHeight(iconHeight)
{
    setFixedSize(width, height);
    connect(this, &DynamicWidget::signalsPressed, this, &SettingItem::slotsPressed);
}

void SettingItem::slotsPressed()
{
    emit gBroadcastSocket.signalsPageIdChanged(m_pageId, m_pageId, "", "");
}

void SettingItem::paintEvent(QPaintEvent *event)
{
    DynamicWidget::paintEvent(event);

    const int w = width();
    const int h = height();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // The picture is centred in the part of the card above the caption band.
    const QPixmap picture = picturePixmap(m_iconPath);
    if (!picture.isNull())
        painter.drawPixmap(
            QRect((w - m_iconWidth) / 2, (h - m_iconHeight - captionBand) / 2, m_iconWidth, m_iconHeight), picture);

    painter.setBrush(Qt::NoBrush);
    painter.setFont(QtMaterialStyle::instance().themeFont(8));
    painter.setPen(Qt::white);
    const QString caption = painter.fontMetrics().elidedText(m_pageId, Qt::ElideRight, w);
    painter.drawText(QRect(0, h - 31, w, 20), Qt::AlignHCenter | Qt::AlignBottom | Qt::AlignVCenter, caption);
}
