#pragma once
// The short CC CC packets with which the station logs in to a cloud server (0x00A2) or to a router reached by
// its domain name (0x00A5), and the reading of the replies 0x00A3 and 0x00A4.

#include <QByteArray>
#include <QString>

namespace ServerLogin {

constexpr int cloudLoginLength = 56;
constexpr int dnsLoginLength = 23;
constexpr quint16 cloudLoginOpcode = 0x00A2;
constexpr quint16 cloudReplyOpcode = 0x00A3;
constexpr quint16 dnsReplyOpcode = 0x00A4;
constexpr quint16 dnsLoginOpcode = 0x00A5;
constexpr int machineIdLength = 32;

// The cloud login packet: gateway password and MAC (text "xx-xx-xx-xx-xx-xx-xx-xx"), the station's subnet and
// device id (decimal texts), and the letters and digits of the station's machine identifier.
QByteArray cloudLoginPacket(const QString &password, const QString &macText, const QString &subnetId,
                            const QString &deviceId, const QString &machineId);
// The DNS login packet: gateway password and MAC.
QByteArray dnsLoginPacket(const QString &password, const QString &macText);

// The eight fields of a gateway MAC text, read in order; fields that are missing or unreadable stay 0.
QByteArray macBytes(const QString &macText);

// The station's machine identifier as kept in the native store; made from the platform's identifier and
// stored the first time it is asked for. Empty when the platform reports none.
QString stationMachineId();

// Reads a server packet that checkShortPacket has accepted (length bytes received). True for a login reply
// whose result byte lies before its CRC; loginSuccess and msg then hold the outcome. Other packets, and
// replies too short to carry their result, answer false.
bool readLoginReply(const quint8 *packet, qint64 length, bool &loginSuccess, QString &msg);

} // namespace ServerLogin
