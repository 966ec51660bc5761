#include "devicelink/streamframer.h"

#include "devicelink/broadcastsocket.h"

#include <cstring>

namespace {

// The lead-in text and the start mark of a bus frame; the frame itself starts with 4 address bytes before it.
const char busMark[] = "VOVUZAVIZE\xAA\xAA";
constexpr int busMarkSize = 12;
constexpr int addressBytes = 4;
constexpr int busHeaderBytes = addressBytes + busMarkSize;
constexpr quint8 serverByte = 0xCC;

} // namespace

void StreamFramer::append(const char *data, qint64 length)
{
    if (!data || length <= 0)
        return;
    compact();
    buffer.append(data, int(length));
}

void StreamFramer::clear()
{
    buffer.clear();
    position = 0;
}

void StreamFramer::compact()
{
    // Consumed bytes are dropped in one move per read, not one per packet.
    if (position > 0) {
        buffer.remove(0, position);
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
        return checkCrc16(p + busHeaderBytes, unsigned(lengthByte - 2)) ? Verdict::Packet : Verdict::NoPacket;
    }

    // Not a bus frame, and the lead-in test saw at least one byte past the address, so four bytes are here.
    if (p[0] != serverByte || p[1] != serverByte)
        return Verdict::NoPacket;
    length = (p[2] << 8) | p[3];
    if (length < 9 || length > MaximumServerPacketLength)
        return Verdict::NoPacket;
    if (available < length)
        return Verdict::Wait;
    return checkCrc16(p, unsigned(length - 2)) ? Verdict::Packet : Verdict::NoPacket;
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
