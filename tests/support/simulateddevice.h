#pragma once
// A room device (or a router relaying the bus) on loopback UDP: records every datagram and answers the
// station's bus frames with opcode + 1, as a real device does.

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QMap>
#include <QObject>
#include <QSet>
#include <functional>

class QUdpSocket;

// A bus frame as a device sends it: lead-in, length 11 + payload, its own address and device type, CRC.
QByteArray makeDeviceFrame(quint8 sourceSubnet, quint8 sourceDevice, quint16 opcode, quint8 targetSubnet,
                           quint8 targetDevice, const QByteArray &payload, quint16 deviceType = 0x0123);
// A CC CC server packet: the given bytes followed by their CRC.
QByteArray makeServerPacket(const QByteArray &withoutCrc);

class SimulatedDevice : public QObject
{
    Q_OBJECT

public:
    struct Datagram
    {
        QByteArray data;
        QHostAddress sender;
        quint16 senderPort;
    };

    // Binds to bindAddress:port (every address by default, sharing the port with the station so that both
    // hear broadcasts). Replies go to replyAddress:port.
    SimulatedDevice(quint8 subnet, quint8 device, quint16 port,
                    const QHostAddress &bindAddress = QHostAddress(QHostAddress::AnyIPv4),
                    const QHostAddress &replyAddress = QHostAddress(QStringLiteral("127.255.255.255")),
                    QObject *parent = nullptr);
    ~SimulatedDevice() override;

    bool isBound() const;
    // Every datagram received, the device's own replies excluded.
    QList<Datagram> received;
    // Frames from the station (device type CC C2) with a good CRC, addressed to this device or to 255/255.
    QList<QByteArray> framesFromStation;
    // Off: the device listens but never answers.
    bool answers = true;
    // Payload of the reply to a request with the given opcode and payload: the entry of replyPayloads for the
    // request's opcode when there is one, else what replyPayload answers, else the request's own payload.
    QMap<quint16, QByteArray> replyPayloads;
    std::function<QByteArray(quint16 opcode, const QByteArray &payload)> replyPayload;
    // Requests with these opcodes are recorded but not answered.
    QSet<quint16> silentOpcodes;
    // The device type the replies carry in bytes 19 and 20.
    quint16 deviceType = 0x0123;
    // Answers DNS login packets (CC CC, opcode 0x00A5) with 0x00A4 carrying this result code.
    int dnsLoginResult = 1;

    void sendDatagram(const QByteArray &data, const QHostAddress &to, quint16 port);

signals:
    void datagramReceived(QByteArray data);
    void frameFromStation(QByteArray frame);

private:
    void readPending();

    QUdpSocket *socket;
    quint8 subnetId;
    quint8 deviceId;
    quint16 portNumber;
    QHostAddress replyTo;
    QList<QByteArray> ownReplies;
};
