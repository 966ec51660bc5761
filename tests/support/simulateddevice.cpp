#include "tests/support/simulateddevice.h"

#include "tests/support/buspeercrc.h"

#include <QUdpSocket>

QByteArray makeDeviceFrame(quint8 sourceSubnet, quint8 sourceDevice, quint16 opcode, quint8 targetSubnet,
                           quint8 targetDevice, const QByteArray &payload, quint16 deviceType)
{
    QByteArray frame;
    frame.append(char(127)).append(char(0)).append(char(0)).append(char(3));
    frame.append("VOVUZAVIZE");
    frame.append(char(0xAA)).append(char(0xAA));
    QByteArray body;
    body.append(char(11 + payload.size()));
    body.append(char(sourceSubnet)).append(char(sourceDevice));
    body.append(char(deviceType >> 8)).append(char(deviceType & 0xFF));
    body.append(char(opcode >> 8)).append(char(opcode & 0xFF));
    body.append(char(targetSubnet)).append(char(targetDevice));
    body.append(payload);
    return frame + buspeer::withCrc(body);
}

QByteArray makeServerPacket(const QByteArray &withoutCrc)
{
    return buspeer::withCrc(withoutCrc);
}

SimulatedDevice::SimulatedDevice(quint8 subnet, quint8 device, quint16 port, const QHostAddress &bindAddress,
                                 const QHostAddress &replyAddress, QObject *parent)
    : QObject(parent), socket(new QUdpSocket(this)), subnetId(subnet), deviceId(device), portNumber(port),
      replyTo(replyAddress)
{
    socket->bind(bindAddress, port, QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint);
    // Room for the answers to a burst, which arrive while the test is still sending it.
    socket->setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, 8 * 1024 * 1024);
    connect(socket, &QUdpSocket::readyRead, this, &SimulatedDevice::readPending);
}

SimulatedDevice::~SimulatedDevice() = default;

bool SimulatedDevice::isBound() const
{
    return socket->state() == QAbstractSocket::BoundState;
}

void SimulatedDevice::sendDatagram(const QByteArray &data, const QHostAddress &to, quint16 port)
{
    ownReplies.append(data);
    socket->writeDatagram(data, to, port);
}

void SimulatedDevice::readPending()
{
    while (socket->hasPendingDatagrams()) {
        Datagram d;
        d.data.resize(int(qMax<qint64>(0, socket->pendingDatagramSize())));
        d.senderPort = 0;
        const qint64 got = socket->readDatagram(d.data.data(), d.data.size(), &d.sender, &d.senderPort);
        if (got < 0)
            break;
        d.data.truncate(int(got));
        // Broadcasts come back to their sender as well.
        if (ownReplies.removeOne(d.data))
            continue;
        received.append(d);
        emit datagramReceived(d.data);
        const QByteArray &f = d.data;

        // DNS login: CC CC, length, opcode 0x00A5.
        if (f.size() >= 9 && quint8(f[0]) == 0xCC && quint8(f[1]) == 0xCC && quint8(f[4]) == 0x00 &&
            quint8(f[5]) == 0xA5 &&
            buspeer::crc16Bitwise(f.constData(), f.size() - 2) ==
                quint16((quint8(f[f.size() - 2]) << 8) | quint8(f[f.size() - 1]))) {
            if (answers) {
                QByteArray reply("\xCC\xCC\x00\x0C\x00\xA4\x00\x00\x00", 9);
                reply.append(char(dnsLoginResult));
                sendDatagram(makeServerPacket(reply), replyTo, portNumber);
            }
            continue;
        }

        if (f.size() < 27 || quint8(f[14]) != 0xAA || quint8(f[15]) != 0xAA)
            continue;
        const int l = quint8(f[16]);
        if (l < 11 || 16 + l > f.size())
            continue;
        const QByteArray body = f.mid(16, l - 2);
        const quint16 crc = quint16((quint8(f[14 + l]) << 8) | quint8(f[15 + l]));
        if (buspeer::crc16Bitwise(body) != crc)
            continue;
        if (quint8(f[19]) != 0xCC || quint8(f[20]) != 0xC2)
            continue;
        const quint8 targetSubnet = quint8(f[23]);
        const quint8 targetDevice = quint8(f[24]);
        if (!((targetSubnet == subnetId && targetDevice == deviceId) || (targetSubnet == 255 && targetDevice == 255)))
            continue;
        framesFromStation.append(f.left(16 + l));
        emit frameFromStation(f.left(16 + l));
        if (!answers)
            continue;
        const quint16 opcode = quint16((quint8(f[21]) << 8) | quint8(f[22]));
        const QByteArray payload = f.mid(25, l - 11);
        if (silentOpcodes.contains(opcode))
            continue;
        QByteArray replyBody = payload;
        if (replyPayloads.contains(opcode))
            replyBody = replyPayloads.value(opcode);
        else if (replyPayload)
            replyBody = replyPayload(opcode, payload);
        sendDatagram(makeDeviceFrame(subnetId, deviceId, quint16(opcode + 1), quint8(f[17]), quint8(f[18]), replyBody,
                                     deviceType),
                     replyTo, portNumber);
    }
}
