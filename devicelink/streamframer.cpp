#include "devicelink/streamframer.h"

#include <cstring>

namespace {

// The lead-in text and the start mark of a bus frame; the frame itself starts with 4 address bytes before it.
const char busMark[] = "VOVUZAVIZE\xAA\xAA";
constexpr int busMarkSize = 12;
constexpr int addressBytes = 4;
constexpr int busHeaderBytes = addressBytes + busMarkSize;
constexpr quint8 serverByte = 0xCC;

// The CRC-16/XMODEM register (polynomial 0x1021, start 0) is the message times x^16 modulo the polynomial. So
// with R(i) the register after the first i bytes, the CRC of the n bytes from i on is R(i + n) XOR R(i) * x^(8n),
// and the product is taken modulo the polynomial with the same table.
struct CrcTables
{
    quint16 byteTable[256];
    quint16 shift[StreamFramer::MaximumServerPacketLength + 1]; // x^(8n) modulo the polynomial

    CrcTables()
    {
        for (int i = 0; i < 256; ++i) {
            quint16 crc = quint16(i << 8);
            for (int bit = 0; bit < 8; ++bit)
                crc = quint16((crc & 0x8000) ? (crc << 1) ^ 0x1021 : crc << 1);
            byteTable[i] = crc;
        }
        shift[0] = 1;
        for (int n = 1; n <= StreamFramer::MaximumServerPacketLength; ++n)
            shift[n] = feed(shift[n - 1], 0);
    }

    quint16 feed(quint16 crc, quint8 byte) const { return quint16((crc << 8) ^ byteTable[(crc >> 8) ^ byte]); }

    // a * b modulo the polynomial.
    quint16 multiply(quint16 a, quint16 b) const
    {
        quint32 product = 0;
        for (int bit = 0; bit < 16; ++bit)
            if (b & (1u << bit))
                product ^= quint32(a) << bit;
        // The high half times x^16 is the register after feeding its two bytes; the low half adds as it is.
        const quint16 high = feed(feed(0, quint8(product >> 24)), quint8(product >> 16));
        return quint16(high ^ (product & 0xFFFF));
    }
};

const CrcTables &crcTables()
{
    static const CrcTables tables;
    return tables;
}

} // namespace

void StreamFramer::append(const char *data, qint64 length)
{
    if (!data || length <= 0)
        return;
    compact();
    const CrcTables &tables = crcTables();
    const int old = buffer.size();
    buffer.append(data, int(length));
    runningCrc.resize(buffer.size() + 1);
    quint16 crc = runningCrc[old];
    for (int i = old; i < buffer.size(); ++i) {
        crc = tables.feed(crc, quint8(buffer.at(i)));
        runningCrc[i + 1] = crc;
    }
}

void StreamFramer::clear()
{
    buffer.clear();
    runningCrc = {0};
    position = 0;
}

void StreamFramer::compact()
{
    // Consumed bytes are dropped in one move per read, not one per packet.
    if (position > 0) {
        buffer.remove(0, position);
        runningCrc.remove(0, position);
        position = 0;
    }
}

StreamFramer::Verdict StreamFramer::examine(int at, int &length) const
{
    const auto *p = reinterpret_cast<const quint8 *>(buffer.constData()) + at;
    const int available = buffer.size() - at;

    // The lead-in decides first: a frame from an address like 204.204.x.x starts with CC CC as well.
    const int markSeen = qBound(0, available - addressBytes, busMarkSize);
    if (std::memcmp(p + addressBytes, busMark, size_t(markSeen)) == 0) {
        if (markSeen < busMarkSize || available < busHeaderBytes + 1)
            return Verdict::Wait;
        const int lengthByte = p[busHeaderBytes];
        if (lengthByte < MinimumFrameLengthByte)
            return Verdict::NoPacket;
        length = busHeaderBytes + lengthByte;
        if (available < length)
            return Verdict::Wait;
        return crcHolds(at + busHeaderBytes, lengthByte - 2) ? Verdict::Packet : Verdict::NoPacket;
    }

    // Not a bus frame, and the lead-in test saw at least one byte past the address, so four bytes are here.
    if (p[0] != serverByte || p[1] != serverByte)
        return Verdict::NoPacket;
    length = (p[2] << 8) | p[3];
    if (length < 9 || length > MaximumServerPacketLength)
        return Verdict::NoPacket;
    if (available < length)
        return Verdict::Wait;
    return crcHolds(at, length - 2) ? Verdict::Packet : Verdict::NoPacket;
}

// The CRC of the count bytes from at equals the two bytes after them, high byte first.
bool StreamFramer::crcHolds(int at, int count) const
{
    const CrcTables &tables = crcTables();
    const quint16 crc = runningCrc[at + count] ^ tables.multiply(runningCrc[at], tables.shift[count]);
    const auto *p = reinterpret_cast<const quint8 *>(buffer.constData()) + at + count;
    return crc == quint16((p[0] << 8) | p[1]);
}

bool StreamFramer::next(QByteArray &packet)
{
    const int size = buffer.size();
    while (position < size) {
        int length = 0;
        switch (examine(position, length)) {
        case Verdict::Packet:
            packet = buffer.mid(position, length);
            position += length;
            return true;
        case Verdict::NoPacket:
            ++position;
            ++skippedBytes;
            break;
        case Verdict::Wait:
            return false;
        }
    }
    return false;
}
