#pragma once
// CRC-16/XMODEM computed bit by bit, independent of the station's table-driven one, for the peers and tests.

#include <QByteArray>
#include <QtGlobal>

namespace buspeer {

quint16 crc16Bitwise(const char *data, int length);
inline quint16 crc16Bitwise(const QByteArray &data)
{
    return crc16Bitwise(data.constData(), data.size());
}
// data followed by its CRC, high byte first.
QByteArray withCrc(const QByteArray &data);

} // namespace buspeer
