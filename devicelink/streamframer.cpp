#include "devicelink/streamframer.h"

#include "devicelink/broadcastsocket.h"

#include <cstring>

namespace {

// The lead-in text and the start mark of a bus frame; the frame itself starts with 4 address bytes before it.
const QByteArray busMark = QByteArray("VOVUZAVIZE") + QByteArray(2, char(0xAA));
const QByteArray serverMark(2, char(0xCC));
constexpr int addressBytes = 4;

} // namespace

void StreamFramer::append(const char *data, qint64 length)
{
    if (!data || length <= 0)
        return;
    buffer.append(data, int(length));
    if (buffer.size() > BufferLimit)
        drop(buffer.size() - BufferLimit);
}

void StreamFramer::clear()
{
    buffer.clear();
}

void StreamFramer::drop(int count)
{
    skippedBytes += count;
    buffer.remove(0, count);
}

int StreamFramer::findStart(int from) const
{
    const int bus = buffer.indexOf(busMark, from + addressBytes);
    const int server = buffer.indexOf(serverMark, from);
    // CC CC within a frame's address bytes (an address like 204.204.x.x) belongs to that frame.
    if (server >= 0 && (bus < 0 || server < bus - addressBytes))
        return server;
    return bus >= 0 ? bus - addressBytes : -1;
}

StreamFramer::Candidate StreamFramer::examine(int start, int &length) const
{
    const auto *p = reinterpret_cast<const quint8 *>(buffer.constData()) + start;
    const int available = buffer.size() - start;
    // A server packet unless the bus lead-in follows four bytes on: then the CC CC are a frame's address.
    const bool busFrame = available >= addressBytes + busMark.size() &&
                          std::memcmp(p + addressBytes, busMark.constData(), size_t(busMark.size())) == 0;
    if (!busFrame) {
        if (available < 4)
            return Candidate::Incomplete;
        length = (p[2] << 8) | p[3];
        if (length < 9 || length > MaximumServerPacketLength)
            return Candidate::Invalid;
        if (available < length)
            return Candidate::Incomplete;
        return checkCrc16(p, unsigned(length - 2)) ? Candidate::Complete : Candidate::Invalid;
    }
    if (available < 17)
        return Candidate::Incomplete;
    const int lengthByte = p[16];
    if (lengthByte < MinimumFrameLengthByte)
        return Candidate::Invalid;
    length = 16 + lengthByte;
    if (available < length)
        return Candidate::Incomplete;
    return checkCrc16(p + 16, unsigned(lengthByte - 2)) ? Candidate::Complete : Candidate::Invalid;
}

bool StreamFramer::next(QByteArray &packet)
{
    int firstIncomplete = -1;
    for (int start = findStart(0); start >= 0; start = findStart(start + 1)) {
        int length = 0;
        switch (examine(start, length)) {
        case Candidate::Complete:
            // A whole packet that starts inside an earlier, unfinished one shows that one to be garbage.
            drop(start);
            packet = buffer.left(length);
            buffer.remove(0, length);
            return true;
        case Candidate::Incomplete:
            if (firstIncomplete < 0)
                firstIncomplete = start;
            break;
        case Candidate::Invalid:
            break;
        }
    }
    if (firstIncomplete >= 0)
        drop(firstIncomplete);
    else if (buffer.size() > TailKept)
        drop(buffer.size() - TailKept);
    return false;
}
