#pragma once
// A received bus frame as the panels read it: the datagram copied into a zero-filled buffer of the largest
// size the hub delivers, so that a read past the received length sees 0 rather than foreign memory.

#include "devicelink/broadcastsocket.h"

#include <QtGlobal>

class BusFrame
{
public:
    enum { Capacity = BroadcastSocket::PacketBufferSize };

    // Copies at most Capacity bytes of data; the rest of the buffer stays 0.
    BusFrame(const quint8 *data, qint64 length);

    // The byte at offset; 0 past the received length and outside the buffer.
    quint8 byte(int offset) const { return offset >= 0 && offset < Capacity ? bytes[offset] : 0; }
    const quint8 *data() const { return bytes; }
    // The length the hub reported (handlers that test an exact length compare against it).
    qint64 length() const { return received; }

    // Header fields of a device frame (bytes 16 to 24).
    int lengthByte() const { return byte(16); }
    quint8 sourceSubnet() const { return byte(17); }
    quint8 sourceDevice() const { return byte(18); }
    int sourceDeviceType() const { return byte(19) * 256 + byte(20); }
    quint16 opcode() const { return quint16(byte(21) * 256 + byte(22)); }
    bool isFrom(int subnet, int device) const { return sourceSubnet() == subnet && sourceDevice() == device; }

    // The device link's acceptance test (lead-in, length, CRC, addressed to this station), run once per frame.
    bool isAccepted() const;

    // The printable version text of a device-information reply (0xEFFE): payload from byte 25, at most
    // lengthByte - 11 bytes, up to the first byte outside 0x20..0x7E; empty for a payload of 0xFF bytes only.
    QByteArray deviceInfoText() const;

private:
    quint8 bytes[Capacity] = {};
    qint64 received = 0;
    mutable int accepted = -1;
};
