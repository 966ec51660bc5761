#include "panels/busframe.h"

#include "core/globals.h"
#include "core/queryhelpers.h"

#include <cstring>

BusFrame::BusFrame(const quint8 *data, qint64 length) : received(length)
{
    if (data && length > 0)
        std::memcpy(bytes, data, size_t(qMin<qint64>(length, Capacity)));
}

bool BusFrame::isAccepted() const
{
    if (accepted < 0)
        accepted = gBroadcastSocket.checkPacket(bytes, received) ? 1 : 0;
    return accepted == 1;
}

QByteArray BusFrame::deviceInfoText() const
{
    const int length = qBound(0, lengthByte() - 11, Capacity - 25);
    QByteArray text(length + 1, '\0');
    copyDeviceText(text.data(), bytes + 25, length, true);
    return QByteArray(text.constData());
}
