#include "devicelink/buscommands.h"

#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "devicelink/devicerecords.h"

#include <cstring>
#include <initializer_list>

namespace {

inline quint8 low(int value)
{
    return quint8(value & 0xFF);
}

void send(quint16 opcode, int subnet, int device, const quint8 *payload, int n)
{
    gBroadcastSocket.sendCommand(quint8(11 + n), opcode, low(subnet), low(device),
                                 reinterpret_cast<const char *>(payload), n);
}

void send(quint16 opcode, int subnet, int device, std::initializer_list<int> values)
{
    quint8 payload[16] = {};
    int n = 0;
    for (int value : values)
        payload[n++] = low(value);
    send(opcode, subnet, device, payload, n);
}

// Fills n bytes with the UTF-8 text, cut or zero-padded.
void putText(quint8 *out, int n, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    std::memset(out, 0, size_t(n));
    std::memcpy(out, utf8.constData(), size_t(qMin(n, utf8.size())));
}

void putAddress(quint8 *out, const QString &ipv4)
{
    int parts[4];
    parseDottedQuad(ipv4, parts);
    for (int i = 0; i < 4; ++i)
        out[i] = low(parts[i]);
}

void sendIrKey(int subnet, int device, quint8 key)
{
    send(0xE01C, subnet, device, {key, 0xFF});
}

void acControlPayload(quint8 *out, const airConditionerRecord &ac)
{
    out[0] = low(ac.status);
    out[1] = low(ac.current_cool_temperature);
    out[2] = low(ac.mode * 16 + ac.speed);
    out[3] = 1;
    out[4] = low(ac.current_heat_temperature);
    out[5] = low(ac.current_auto_temperature);
    out[6] = low(ac.current_dry_temperature);
    out[7] = 0;
}

// Keys of the second unit are those of the first plus 100.
quint8 unitKey(int acIndex, int key)
{
    if (acIndex == 0)
        return low(key);
    if (acIndex == 1)
        return low(key + 100);
    return 0;
}

} // namespace

void sendReadDeviceInfo(int subnet, int device)
{
    send(0xEFFD, subnet, device, {});
}

void sendReadChannelStatus(int subnet, int device)
{
    send(0x0033, subnet, device, {});
}

void sendSingleChannelControl(int subnet, int device, int channel, int level)
{
    send(0x0031, subnet, device, {channel, level, 0, 0});
}

void sendReadColorStatus(int subnet, int device, int channel)
{
    send(0x2036, subnet, device, {channel});
}

void sendColorControl(int subnet, int device, int channel, int level, int hue, int saturation)
{
    send(0x2034, subnet, device, {channel, level, hue, 0, saturation});
}

void sendSceneControl(int subnet, int device, int area, int scene)
{
    send(0x0002, subnet, device, {area, scene});
}

void sendLightCommandF03C(int subnet, int device, int channel, bool up)
{
    send(0xF03C, subnet, device, {channel, up ? 0x87 : 0x07});
}

void sendReadOccupation(int subnet, int device)
{
    send(0x012C, subnet, device, {});
}

void sendAcQueryE120(int subnet, int device)
{
    send(0xE120, subnet, device, {});
}

void sendAcQueryE124(int subnet, int device, int channelIndex)
{
    send(0xE124, subnet, device, {channelIndex});
}

void sendAcQueryE124NoChannel(int subnet, int device)
{
    send(0xE124, subnet, device, {});
}

void sendAcQuery1900(int subnet, int device, int channelIndex)
{
    send(0x1900, subnet, device, {channelIndex});
}

void sendAcQuery1900NoChannel(int subnet, int device)
{
    send(0x1900, subnet, device, {});
}

void sendAcQueryE0EC(int subnet, int device, int channelIndex)
{
    send(0xE0EC, subnet, device, {channelIndex});
}

void sendAcQueryE0ECNoChannel(int subnet, int device)
{
    send(0xE0EC, subnet, device, {});
}

void sendAcControl(int subnet, int device, int channelIndex, const airConditionerRecord &ac)
{
    quint8 payload[9];
    payload[0] = low(channelIndex);
    acControlPayload(payload + 1, ac);
    send(0xE0EE, subnet, device, payload, 9);
}

void sendAcControlNoChannel(int subnet, int device, const airConditionerRecord &ac)
{
    quint8 payload[8];
    acControlPayload(payload, ac);
    send(0xE0EE, subnet, device, payload, 8);
}

void sendAcQueryE3E7(int subnet, int device)
{
    send(0xE3E7, subnet, device, {0});
}

quint8 irAcPowerKey(int acIndex, int status)
{
    return unitKey(acIndex, status > 0 ? 11 : 10);
}

quint8 irAcModeKey(int acIndex, int mode)
{
    static const int keys[] = {12, 32, 31, 52, 51};
    if (mode < 0 || mode > 4)
        return 0;
    return unitKey(acIndex, keys[mode]);
}

quint8 irAcFanSpeedKey(int acIndex, int mode, int speed)
{
    // Per mode, the key of fan speed auto; high, medium and low count down from it.
    int autoKey = 0;
    switch (mode) {
    case ModeCool:
        autoKey = 16;
        break;
    case ModeHeat:
        autoKey = 36;
        break;
    case ModeAuto:
        autoKey = 56;
        break;
    default:
        return 0;
    }
    if (speed < 0 || speed > 3)
        return 0;
    return unitKey(acIndex, autoKey - speed);
}

quint8 irAcTemperatureKey(int acIndex, int mode, int temperature)
{
    int offset = 0;
    switch (mode) {
    case ModeCool:
        offset = 0;
        break;
    case ModeHeat:
        offset = 20;
        break;
    case ModeAuto:
        offset = 40;
        break;
    default:
        return 0;
    }
    return unitKey(acIndex, temperature + offset);
}

void sendUniversalSwitch(int subnet, int device, int switchNo, bool on)
{
    send(0xE01C, subnet, device, {switchNo, on ? 0xFF : 0x00});
}

void sendIrAcPower(int subnet, int device, int acIndex, int status)
{
    sendIrKey(subnet, device, irAcPowerKey(acIndex, status));
}

void sendIrAcMode(int subnet, int device, int acIndex, int mode)
{
    sendIrKey(subnet, device, irAcModeKey(acIndex, mode));
}

void sendIrAcFanSpeed(int subnet, int device, int acIndex, int mode, int speed)
{
    sendIrKey(subnet, device, irAcFanSpeedKey(acIndex, mode, speed));
}

void sendIrAcTemperature(int subnet, int device, int acIndex, int mode, int temperature)
{
    sendIrKey(subnet, device, irAcTemperatureKey(acIndex, mode, temperature));
}

void sendFloorHeatQueryA13E(int subnet, int device, int channelIndex)
{
    if (channelIndex > 0)
        send(0xA13E, subnet, device, {channelIndex});
    else
        send(0xA13E, subnet, device, {});
}

void sendFloorHeatQuery1944(int subnet, int device, int channelIndex)
{
    if (channelIndex > 0)
        send(0x1944, subnet, device, {channelIndex});
    else
        send(0x1944, subnet, device, {});
}

void sendFloorHeatControl14(int subnet, int device, int channelIndex, int status)
{
    if (channelIndex > 0)
        send(0xE3D8, subnet, device, {0x23, 0x14, status});
    else
        send(0xE3D8, subnet, device, {0x14, status, 0, 0, 1});
}

void sendFloorHeatControl18(int subnet, int device, int channelIndex, int temperature)
{
    if (channelIndex > 0)
        send(0xE3D8, subnet, device, {0x23, 0x18, temperature});
    else
        send(0xE3D8, subnet, device, {0x18, temperature, 0, 0, 1});
}

void sendReadServerInfo(int subnet, int device)
{
    send(0x2024, subnet, device, {0x08});
}

void sendWriteServerInfo(int subnet, int device, const QString &serverIp, const QString &password, quint16 port,
                         quint8 serverType)
{
    quint8 payload[12] = {};
    payload[0] = 0x09;
    if (!serverIp.isEmpty())
        putAddress(payload + 1, serverIp);
    payload[5] = quint8(port >> 8);
    payload[6] = quint8(port & 0xFF);
    putText(payload + 7, 4, password);
    payload[11] = serverType;
    send(0x2024, subnet, device, payload, 12);
}

void sendReadServerDomain(int subnet, int device)
{
    send(0x2024, subnet, device, {0xBC, 0x01});
}

void sendWriteServerDomain(int subnet, int device, const QString &domain)
{
    quint8 payload[50];
    payload[0] = 0xBD;
    payload[1] = 0x01;
    putText(payload + 2, 48, domain);
    send(0x2024, subnet, device, payload, 50);
}

void sendProjectDownloadRequest(quint16 code, const QString &ipv4, quint16 port)
{
    quint8 payload[9];
    payload[0] = 0x38;
    payload[1] = quint8(code >> 8);
    payload[2] = quint8(code & 0xFF);
    putAddress(payload + 3, ipv4);
    payload[7] = quint8(port >> 8);
    payload[8] = quint8(port & 0xFF);
    send(0x2025, 255, 255, payload, 9);
}

void sendGatewayQuery38()
{
    send(0x2024, 255, 255, {0x38});
}

void sendGatewayQuery34(int subnet, int device)
{
    send(0x2024, subnet, device, {0x34});
}

void sendGatewayCommand22(int subnet, int device, int value)
{
    send(0x2024, subnet, device, {0x22, 0xFF, value});
}

void sendGatewayCommand28(int subnet, int device, int a, int b)
{
    send(0x2024, subnet, device, {0x28, a, b});
}

void sendGatewayCommand2A(int subnet, int device, int a, int b)
{
    send(0x2024, subnet, device, {0x2A, a, b});
}

void sendGatewayCommand30(int subnet, int device, int value, bool flag)
{
    send(0x2024, subnet, device, {flag ? 0x32 : 0x30, value - 1, 0});
}

void sendGatewayCommand(int subnet, int device, const char *payload, int n)
{
    // Lengths beyond one frame are refused by the send itself.
    gBroadcastSocket.sendCommand(quint8(11 + n), 0x2024, low(subnet), low(device), payload, n);
}
