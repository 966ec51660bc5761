#pragma once
// Cuts the byte stream of the cloud connection into whole packets: bus frames (their length byte says where
// they end) and CC CC server packets (their own 16-bit length).
//
// The rule, chosen so that the packets depend only on the bytes of the stream and never on where the reads
// end: the stream is taken position by position from its start. At each position the bytes there decide one
// of three things: a whole packet starts here (it is handed on and the scan goes on behind it), no packet
// starts here (the scan moves one byte on), or that cannot be told yet (the scan waits here for more bytes).
// A packet starts where the bus lead-in stands four bytes on and its length byte, the bytes it counts and its
// CRC are right; failing that, where CC CC stands and its length (9 to 1024) and CRC are right. So a candidate
// that starts inside an earlier one still waiting for its bytes is never taken ahead of it: a device's payload
// cannot pass for a server packet, and a false header delays what follows (at most 1024 bytes' worth) without
// swallowing it. Every position is judged once, so the work is linear in the bytes received.

#include <QByteArray>
#include <QVector>

class StreamFramer
{
public:
    enum {
        // A bus frame is 16 bytes of lead-in and then as many bytes as its length byte counts (11 at least).
        MinimumFrameLengthByte = 11,
        // The server's packets are a few dozen bytes; a longer claim is garbage, not a packet to wait for.
        MaximumServerPacketLength = 1024,
        // Kept at most while no packet is under way: a lead-in that is still arriving (4 address bytes, the
        // 10-byte text and the first start byte).
        TailKept = 15,
    };

    void append(const char *data, qint64 length);
    // Takes the next whole packet out of the stream; false when none is complete yet.
    bool next(QByteArray &packet);
    void clear();
    // Bytes kept for a packet that may still complete; never more than the longest packet after next() said
    // false.
    qint64 buffered() const { return buffer.size() - position; }
    // Bytes skipped as garbage since construction.
    qint64 skipped() const { return skippedBytes; }

private:
    enum class Verdict { NoPacket, Packet, Wait };
    Verdict examine(int at, int &length) const;
    bool crcHolds(int at, int count) const;
    void compact();

    QByteArray buffer;
    // The CRC register after each byte of buffer (entry i: before byte i), so that the CRC of any stretch costs
    // the same however long it is; otherwise every false server header would cost a pass over 1024 bytes.
    QVector<quint16> runningCrc{0};
    // Where the scan stands in buffer; everything before it has been handed on or skipped.
    int position = 0;
    qint64 skippedBytes = 0;
};
