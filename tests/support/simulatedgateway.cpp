#include "tests/support/simulatedgateway.h"

#include "devicelink/broadcastsocket.h"

namespace {

const QHostAddress busBroadcast(QStringLiteral("127.255.255.255"));

QByteArray padded(QByteArray bytes, int size)
{
    bytes = bytes.left(size);
    return bytes + QByteArray(size - bytes.size(), '\0');
}

bool isGatewayRequest(const QByteArray &frame)
{
    return frame.size() > 25 && quint8(frame[21]) == 0x20 && quint8(frame[22]) == 0x24;
}

QByteArray payloadOf(const QByteArray &frame)
{
    return frame.mid(25, quint8(frame[16]) - 11);
}

} // namespace

SimulatedGateway::SimulatedGateway(quint8 stationSubnet_, quint8 stationDevice_)
    : peer(new SimulatedDevice(subnet, device, BroadcastSocket::UdpPort)), stationSubnet(stationSubnet_),
      stationDevice(stationDevice_)
{
    peer->answers = false;
    connect(peer.data(), &SimulatedDevice::frameFromStation, this, &SimulatedGateway::answer);
}

SimulatedGateway::~SimulatedGateway() = default;

bool SimulatedGateway::isBound() const
{
    return peer->isBound();
}

QList<QByteArray> SimulatedGateway::requests() const
{
    QList<QByteArray> out;
    for (const QByteArray &frame : peer->framesFromStation) {
        if (isGatewayRequest(frame))
            out << frame;
    }
    return out;
}

QList<QByteArray> SimulatedGateway::payloads() const
{
    QList<QByteArray> out;
    for (const QByteArray &frame : requests())
        out << payloadOf(frame);
    return out;
}

void SimulatedGateway::send(const QByteArray &frame)
{
    peer->sendDatagram(frame, busBroadcast, BroadcastSocket::UdpPort);
}

void SimulatedGateway::reply(const QByteArray &payload)
{
    send(makeDeviceFrame(replySubnet, replyDevice, 0x2025, stationSubnet, stationDevice, payload));
}

void SimulatedGateway::answer(const QByteArray &frame)
{
    if (!isGatewayRequest(frame))
        return;
    const QByteArray p = payloadOf(frame);
    const quint8 sub = p.isEmpty() ? 0 : quint8(p.at(0));
    if (silentFor.contains(sub))
        return;
    const char done = char(status.value(sub, 0xF8));
    QByteArray out;
    switch (sub) {
    case 0x08:
        out = QByteArray("\x08", 1) + done + address + char(port >> 8) + char(port & 0xFF) + padded(password, 4) +
              char(serverType);
        break;
    case 0x09:
        address = p.mid(1, 4);
        port = quint16((quint8(p[5]) << 8) | quint8(p[6]));
        password = p.mid(7, 4);
        serverType = quint8(p[11]);
        out = QByteArray("\x09", 1) + done;
        break;
    case 0xBC:
        out = QByteArray("\xBC\x01", 2) + done + padded(domain, 48);
        break;
    case 0xBD:
        domain = p.mid(2, 48);
        domain.truncate(domain.indexOf('\0') < 0 ? domain.size() : domain.indexOf('\0'));
        out = QByteArray("\xBD\x01", 2) + done;
        break;
    default:
        return;
    }
    reply(out);
}

QByteArray gatewaySearchFrame(quint8 mark, int payloadLength, const char *macHex)
{
    QByteArray payload(payloadLength, '\0');
    if (payloadLength > 20)
        payload[20] = char(mark);
    const QByteArray mac = QByteArray::fromHex(macHex);
    for (int i = 0; i < mac.size() && 25 + i < payloadLength; ++i)
        payload[25 + i] = mac[i];
    return makeDeviceFrame(SimulatedGateway::subnet, SimulatedGateway::device, 0x000F, 255, 255, payload);
}
