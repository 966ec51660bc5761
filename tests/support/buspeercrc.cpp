#include "tests/support/buspeercrc.h"

namespace buspeer {

quint16 crc16Bitwise(const char *data, int length)
{
    quint16 crc = 0;
    for (int i = 0; i < length; ++i) {
        crc ^= quint16(quint8(data[i])) << 8;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x8000) ? quint16((crc << 1) ^ 0x1021) : quint16(crc << 1);
    }
    return crc;
}

QByteArray withCrc(const QByteArray &data)
{
    const quint16 crc = crc16Bitwise(data);
    QByteArray out = data;
    out.append(char(crc >> 8));
    out.append(char(crc & 0xFF));
    return out;
}

} // namespace buspeer
