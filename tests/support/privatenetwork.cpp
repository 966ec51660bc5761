#include "tests/support/privatenetwork.h"

#include <QHostAddress>
#include <QNetworkInterface>

namespace privatenetwork {

bool inside()
{
    const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    bool hasSecondLoopback = false;
    for (const QNetworkInterface &interface : interfaces) {
        if (!(interface.flags() & QNetworkInterface::IsLoopBack))
            return false;
        for (const QNetworkAddressEntry &entry : interface.addressEntries()) {
            if (entry.ip() == QHostAddress(QStringLiteral("127.0.0.2")))
                hasSecondLoopback = true;
        }
    }
    return hasSecondLoopback;
}

bool required()
{
    return !qEnvironmentVariableIsEmpty("CI") || !qEnvironmentVariableIsEmpty("STATION_NETNS_INSIDE");
}

} // namespace privatenetwork
