#pragma once
// The station's bus opened on loopback for the panel tests, and the means to read what simulated devices got.

#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "devicelink/buscommands.h"
#include "tests/support/simulateddevice.h"

#include <QList>
#include <QTest>

namespace panelbus {

constexpr quint16 udpPort = 16300;
constexpr quint8 stationSubnet = 1;
constexpr quint8 stationDevice = 254;

// Opens the station's UDP side on udpPort as station 1/254 at 127.0.0.2 (inside the private network only).
inline bool open()
{
    gNetworkType = LocalNetwork;
    gHostIp = QStringLiteral("127.0.0.2");
    gBroadcastSocket.setPorts(udpPort, udpPort + 10);
    gBroadcastSocket.setKeepAliveInterval(3600 * 1000);
    gBroadcastSocket.setLocalAddress(stationSubnet, stationDevice);
    return gBroadcastSocket.connectNetwork();
}

// A device on the bus that answers every request with opcode + 1.
inline SimulatedDevice *addDevice(quint8 subnet, quint8 device, QObject *parent)
{
    return new SimulatedDevice(subnet, device, udpPort, QHostAddress(QHostAddress::AnyIPv4),
                               QHostAddress(QStringLiteral("127.255.255.255")), parent);
}

inline quint16 opcodeOf(const QByteArray &frame)
{
    return quint16((quint8(frame.at(21)) << 8) | quint8(frame.at(22)));
}

// How many of the frames the station sent the device carry opcode.
inline int opcodeCount(const SimulatedDevice &device, quint16 opcode)
{
    int n = 0;
    for (const QByteArray &frame : device.framesFromStation)
        n += opcodeOf(frame) == opcode ? 1 : 0;
    return n;
}

inline QByteArray payloadOf(const QByteArray &frame)
{
    return frame.mid(25, quint8(frame.at(16)) - 11);
}

// "opcode:payload" in hex of every frame the station sent the device, in order, e.g. "0031:01280000".
inline QStringList framesTo(const SimulatedDevice &device)
{
    QStringList frames;
    for (const QByteArray &frame : device.framesFromStation)
        frames << QString::asprintf("%04X:", opcodeOf(frame)) + QString::fromLatin1(payloadOf(frame).toHex());
    return frames;
}

// Waits until every frame the station sent so far has reached device: a probe frame to an address nobody has is
// sent last and travels behind them. False when it does not come.
inline bool settle(SimulatedDevice &device)
{
    const int before = device.received.size();
    sendReadDeviceInfo(250, 250);
    return QTest::qWaitFor([&] {
        for (int i = before; i < device.received.size(); ++i) {
            const QByteArray &d = device.received.at(i).data;
            if (d.size() > 24 && quint8(d.at(23)) == 250 && quint8(d.at(24)) == 250)
                return true;
        }
        return false;
    });
}

// A frame from a device to the station, handed to the station's receivers as the transport does.
inline void deliver(const QByteArray &frame)
{
    QByteArray copy = frame;
    emit gBroadcastSocket.dataIsComming(reinterpret_cast<quint8 *>(copy.data()), copy.size());
}

inline QByteArray replyFrom(quint8 subnet, quint8 device, quint16 opcode, const QByteArray &payload,
                            quint16 deviceType = 0x0123)
{
    return makeDeviceFrame(subnet, device, opcode, stationSubnet, stationDevice, payload, deviceType);
}

} // namespace panelbus

namespace panelbus {

// A light controller's answers as the panels read them, kept in the device's own state: levels per channel
// (channel n at index n - 1), an HSB colour per channel, the version text and device type of 0xEFFE.
struct LightController
{
    QByteArray levels = QByteArray(4, '\0');
    QByteArray hsb = QByteArray(3, '\0'); // level, hue, saturation
    QByteArray version = "V1.0";
};

inline void actAsLightController(SimulatedDevice &device, LightController *state, quint16 deviceType = 0x0260)
{
    device.deviceType = deviceType;
    device.replyPayload = [state](quint16 opcode, const QByteArray &p) -> QByteArray {
        const auto at = [&p](int i) { return i < p.size() ? quint8(p.at(i)) : quint8(0); };
        switch (opcode) {
        case 0xEFFD:
            return state->version;
        case 0x0033:
            return char(state->levels.size()) + state->levels;
        case 0x0031: {
            const int channel = at(0);
            if (channel >= 1 && channel <= state->levels.size())
                state->levels[channel - 1] = char(at(1));
            return QByteArray() + char(channel) + char(0xF8) + char(at(1));
        }
        case 0x2034:
            state->hsb = QByteArray() + char(at(1)) + char(at(2)) + char(at(4));
            return QByteArray() + char(0xF8) + char(at(0)) + QByteArray(3, '\0') + state->hsb;
        case 0x2036:
            return QByteArray() + char(0xF8) + char(at(0)) + QByteArray(3, '\0') + state->hsb;
        default:
            return p;
        }
    };
}

} // namespace panelbus
