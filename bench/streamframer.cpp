// Cost of cutting the cloud connection's stream into packets, per 8 KiB read: garbage of 0xCC bytes, honest
// frames, and server headers that each claim many bytes and are proved false only by their CRC (the costliest
// stream there is). Prints microseconds per read.
//
//     build/bench/bench_streamframer

#include "devicelink/streamframer.h"
#include "devicelink/broadcastsocket.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <cstdio>

namespace {

constexpr int readBytes = 8192;

QByteArray frame()
{
    QByteArray bytes = QByteArray("\xC0\xA8\x01\x14VOVUZAVIZE\xAA\xAA", 16);
    const QByteArray rest = QByteArray::fromHex("0F0114CCC20032010A01640000");
    bytes += rest;
    bytes.append(2, '\0');
    appendCrc16(reinterpret_cast<quint8 *>(bytes.data()) + 16, unsigned(rest.size()));
    return bytes;
}

double microsecondsPerRead(const QByteArray &read, int rounds)
{
    StreamFramer framer;
    QByteArray packet;
    qint64 packets = 0;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rounds; ++i) {
        framer.append(read.constData(), read.size());
        while (framer.next(packet))
            ++packets;
    }
    const double result = double(timer.nsecsElapsed()) / rounds / 1000.0;
    if (packets < 0)
        std::printf("unreachable\n");
    return result;
}

QByteArray repeatedTo(const QByteArray &unit, int size)
{
    QByteArray bytes;
    while (bytes.size() < size)
        bytes += unit;
    bytes.truncate(size);
    return bytes;
}

} // namespace

int main()
{
    const int rounds = 2000;
    std::printf("streamframer_cc_garbage_us_per_8k %.2f\n",
                microsecondsPerRead(QByteArray(readBytes, char(0xCC)), rounds));
    std::printf("streamframer_frames_us_per_8k %.2f\n", microsecondsPerRead(repeatedTo(frame(), readBytes), rounds));
    // CC CC 04 00 every 4 bytes: each claims 1024 bytes, so each costs a CRC over 1022 bytes.
    std::printf("streamframer_false_headers_us_per_8k %.2f\n",
                microsecondsPerRead(repeatedTo(QByteArray::fromHex("CCCC0400"), readBytes), rounds / 10));
    return 0;
}
