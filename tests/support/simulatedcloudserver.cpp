#include "tests/support/simulatedcloudserver.h"

#include "tests/support/buspeercrc.h"
#include "tests/support/simulateddevice.h"

#include <QTcpServer>
#include <QTcpSocket>

SimulatedCloudServer::SimulatedCloudServer(quint16 port, QObject *parent)
    : QObject(parent), server(new QTcpServer(this))
{
    server->listen(QHostAddress::LocalHost, port);
    connect(server, &QTcpServer::newConnection, this, &SimulatedCloudServer::onNewConnection);
}

SimulatedCloudServer::~SimulatedCloudServer() = default;

bool SimulatedCloudServer::isListening() const
{
    return server->isListening();
}

void SimulatedCloudServer::push(const QByteArray &data)
{
    if (client) {
        client->write(data);
        client->flush();
    }
}

void SimulatedCloudServer::closeClient()
{
    if (client) {
        client->disconnectFromHost();
        client = nullptr;
    }
}

void SimulatedCloudServer::onNewConnection()
{
    while (QTcpSocket *next = server->nextPendingConnection()) {
        client = next;
        connect(next, &QTcpSocket::readyRead, this, &SimulatedCloudServer::onReadyRead);
        emit clientConnected();
    }
}

void SimulatedCloudServer::onReadyRead()
{
    auto *socket = qobject_cast<QTcpSocket *>(sender());
    if (!socket)
        return;
    const QByteArray data = socket->readAll();
    received += data;
    pending += data;
    emit dataReceived();
    // The stream carries login packets (CC CC with their own length) and bus frames (AA AA at 14).
    while (!pending.isEmpty()) {
        if (pending.size() >= 2 && quint8(pending[0]) == 0xCC && quint8(pending[1]) == 0xCC) {
            if (pending.size() < 4)
                return;
            const int n = (quint8(pending[2]) << 8) | quint8(pending[3]);
            if (n < 6) {
                pending.remove(0, 1);
                continue;
            }
            if (pending.size() < n)
                return;
            const QByteArray packet = pending.left(n);
            pending.remove(0, n);
            const bool crcGood = buspeer::crc16Bitwise(packet.constData(), n - 2) ==
                                 quint16((quint8(packet[n - 2]) << 8) | quint8(packet[n - 1]));
            if (crcGood && quint8(packet[4]) == 0x00 && quint8(packet[5]) == 0xA2) {
                emit loginReceived(packet);
                if (!answersLogin)
                    continue;
                QByteArray reply("\xCC\xCC\x00\x10\x00\xA3\x00\x00\x00\x00\x00\x00\x00", 13);
                reply.append(char(loginResult));
                socket->write(makeServerPacket(reply));
            }
            continue;
        }
        if (pending.size() >= 16 && quint8(pending[14]) == 0xAA && quint8(pending[15]) == 0xAA) {
            if (pending.size() < 17)
                return;
            const int l = quint8(pending[16]);
            if (l < 11) {
                pending.remove(0, 1);
                continue;
            }
            if (pending.size() < 16 + l)
                return;
            const QByteArray frame = pending.left(16 + l);
            pending.remove(0, 16 + l);
            const bool crcGood = buspeer::crc16Bitwise(frame.constData() + 16, l - 2) ==
                                 quint16((quint8(frame[14 + l]) << 8) | quint8(frame[15 + l]));
            if (!crcGood)
                continue;
            emit frameReceived(frame);
            const quint16 opcode = quint16((quint8(frame[21]) << 8) | quint8(frame[22]));
            socket->write(makeDeviceFrame(deviceSubnet, deviceDevice, quint16(opcode + 1), quint8(frame[17]),
                                          quint8(frame[18]), frame.mid(25, l - 11)));
            continue;
        }
        if (pending.size() < 16)
            return;
        pending.remove(0, 1);
    }
}
