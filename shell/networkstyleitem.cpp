#include "shell/networkstyleitem.h"

#include "shell/chooserparts.h"

#include <QCoreApplication>

NetworkStyleItem::NetworkStyleItem(NetStyle netStyle, bool isSelected, QWidget *parent)
    : DynamicWidget(QColor(0x1F, 0x29, 0x33), parent), style(netStyle), selected(isSelected)
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

    paintChooserRow(this, stylePicture(style), styleText(style), selected);
}
