#pragma once
// Cuts the byte stream of the cloud connection into whole packets: bus frames (their length byte says where
// they end) and CC CC server packets (their own 16-bit length). An incomplete tail waits for the next read;
// garbage and lengths that cannot be right are skipped up to the next lead-in.

#include <QByteArray>

class StreamFramer
{
public:
    enum {
        // A bus frame is 16 bytes of lead-in and then as many bytes as its length byte counts (11 at least).
        MinimumFrameLengthByte = 11,
        // The server's packets are a few dozen bytes; a longer claim is garbage, not a packet to wait for.
        MaximumServerPacketLength = 1024,
        // Kept at most while no packet completes, so that a stream of garbage cannot grow the buffer.
        BufferLimit = 65536,
        // Bytes kept when no lead-in is in sight: a lead-in that is still arriving (4 address bytes, the
        // 10-byte text and the first start byte).
        TailKept = 15,
    };

    void append(const char *data, qint64 length);
    // Takes the next whole packet out of the buffer; false when none is complete yet.
    bool next(QByteArray &packet);
    void clear();
    qint64 buffered() const { return buffer.size(); }
    // Bytes skipped as garbage since construction.
    qint64 skipped() const { return skippedBytes; }

private:
    enum class Candidate { Complete, Incomplete, Invalid };
    int findStart(int from) const;
    Candidate examine(int start, int &length) const;
    void drop(int count);

    QByteArray buffer;
    qint64 skippedBytes = 0;
};
