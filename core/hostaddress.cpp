#include "core/hostaddress.h"

#include "core/cppsqlite3db.h"
#include "core/globals.h"

#include <QNetworkInterface>

namespace {

const QHostAddress limitedBroadcast(QHostAddress::Broadcast);

bool qualifies(const QHostAddress &address)
{
    return address.protocol() == QAbstractSocket::IPv4Protocol && !address.isNull() &&
           address != QHostAddress(QHostAddress::LocalHost);
}

} // namespace

QString chooseHostIp(const QString &current, const QList<QHostAddress> &machineAddresses)
{
    for (const QHostAddress &address : machineAddresses) {
        if (qualifies(address) && address.toString() == current)
            return QString();
    }
    for (const QHostAddress &address : machineAddresses) {
        if (qualifies(address))
            return address.toString();
    }
    return QString();
}

QStringList hostAddressTexts(const QList<QHostAddress> &machineAddresses)
{
    QStringList texts;
    for (const QHostAddress &address : machineAddresses) {
        if (qualifies(address))
            texts << address.toString();
    }
    return texts;
}

bool updateHostIp()
{
    const QString chosen = chooseHostIp(gHostIp, QNetworkInterface::allAddresses());
    if (chosen.isEmpty())
        return true;
    gHostIp = chosen;
    return gDatabase.execSql("update tbl_network set host_ip=?", {gHostIp});
}

QHostAddress findBroadcastAddress(const QString &hostIp, const QList<QNetworkAddressEntry> &entries)
{
    for (const QNetworkAddressEntry &entry : entries) {
        const QHostAddress ip = entry.ip();
        if (ip.protocol() != QAbstractSocket::IPv4Protocol || ip == QHostAddress(QHostAddress::LocalHost))
            continue;
        if (ip.toString() == hostIp) {
            // An entry without a broadcast address (point-to-point links) would leave every frame
            // addressed to nowhere; the limited broadcast still reaches the local segment.
            if (entry.broadcast().isNull())
                return limitedBroadcast;
            return entry.broadcast();
        }
    }
    return limitedBroadcast;
}

QHostAddress getBroadcastAddress()
{
    QList<QNetworkAddressEntry> entries;
    const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &interface : interfaces)
        entries += interface.addressEntries();
    return findBroadcastAddress(gHostIp, entries);
}
