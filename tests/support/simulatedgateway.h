#pragma once
// The gateway of the local network on the bus: keeps its server and domain settings, answers the station's
// 0x2024 sub-commands with 0x2025 as the module does, sends the frame its PRG button makes, and can be told to
// stay silent, to fail, or to answer under another address.

#include "tests/support/simulateddevice.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QScopedPointer>
#include <QSet>

class SimulatedGateway : public QObject
{
public:
    static constexpr quint8 subnet = 1;
    static constexpr quint8 device = 100;

    // The station that the replies are addressed to.
    SimulatedGateway(quint8 stationSubnet, quint8 stationDevice);
    ~SimulatedGateway() override;

    bool isBound() const;

    // Every 0x2024 request the station sent to the gateway, as received, and their payloads.
    QList<QByteArray> requests() const;
    QList<QByteArray> payloads() const;

    // A frame broadcast on the bus, and a 0x2025 reply with the given payload.
    void send(const QByteArray &frame);
    void reply(const QByteArray &payload);

    // Server settings held by the module.
    QByteArray address = QByteArray::fromHex("C6336464"); // 198.51.100.100
    quint16 port = 6100;
    QByteArray password = "wxyz";
    quint8 serverType = 1;
    QByteArray domain = "gw.zoduv.invalid";

    // Sub-commands it does not answer, and the status it answers for each (0xF8 where not set).
    QSet<quint8> silentFor;
    QMap<quint8, quint8> status;
    quint8 replySubnet = subnet;
    quint8 replyDevice = device;

private:
    void answer(const QByteArray &frame);

    QScopedPointer<SimulatedDevice> peer;
    quint8 stationSubnet;
    quint8 stationDevice;
};

// The frame the module sends while its PRG button is held: payload byte 20 is the mark, bytes 25-32 the MAC.
QByteArray gatewaySearchFrame(quint8 mark = 0xFB, int payloadLength = 33, const char *macHex = "a1b2c3d4e5f60718");
