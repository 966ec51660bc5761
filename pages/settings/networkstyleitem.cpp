#include "pages/settings/networkstyleitem.h"

#include "materialwidgets/qtmaterialstyle.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPixmap>

NetworkStyleItem::NetworkStyleItem(NetStyle netStyle, bool selected, QWidget *parent)
    : DynamicWidget(QColor(0x1F, 0x29, 0x33), parent), style(netStyle), selected(selected)
{
    setFixedHeight(40);
    connect(this, &DynamicWidget::signalsPressed, this, &NetworkStyleItem::slotsPressed);
}

QString NetworkStyleItem::styleText(int netStyle)
{
    switch (netStyle) {
    case CloudServer:
        return tr("Cloud Server");
    case DnsServer:
        return tr("DNS Server");
    default:
        return tr("Local Network");
    }
}

QString NetworkStyleItem::stylePicture(int netStyle)
{
    switch (netStyle) {
    case CloudServer:
        return ":/myImages/png/network/icon-connection-cloudserver.png";
    case DnsServer:
        return ":/myImages/png/network/icon-connection-dnsserver.png";
    default:
        return ":/myImages/png/network/icon-connection-localnetwork.png";
    }
}

void NetworkStyleItem::slotsPressed()
{
    emit signalsNetworkChanged(style);
}

void NetworkStyleItem::paintEvent(QPaintEvent *event)
{
    DynamicWidget::paintEvent(event);

    const int w = width();
    const int h = height();
    const int y = (h - 24) / 2;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawPixmap(QRect(20, y, 24, 24), QPixmap(stylePicture(style)));
    if (selected)
        painter.drawPixmap(QRect(w - 41, y, 24, 24), QPixmap(":/myImages/png/selected.png"));

    painter.setFont(QtMaterialStyle::instance().themeFont(8));
    painter.setPen(Qt::white);
    const QString text = painter.fontMetrics().elidedText(styleText(style), Qt::ElideRight, w);
    painter.drawText(QRect(60, 0, w, h), Qt::AlignLeft | Qt::AlignVCenter, text);

    painter.setPen(Qt::lightGray);
    painter.drawLine(0, h - 1, w - 1, h - 1);
}
