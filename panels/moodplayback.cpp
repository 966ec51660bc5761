#include "panels/moodplayback.h"

#include "core/globals.h"
#include "core/moodstore.h"
#include "devicelink/broadcastsocket.h"
#include "devicelink/buscommands.h"
#include "devicelink/messagerecords.h"
#include "panels/devicerecordloaders.h"
#include "panels/moodcommands.h"

#include <QThread>

namespace {

constexpr int FramePauseMs = 50;
// A DALI DT8 light takes its colour temperature on its channel number plus this.
constexpr int ColourTemperatureChannelOffset = 100;

std::function<void(int)> &pauseHook()
{
    static std::function<void(int)> hook;
    return hook;
}

// Playback blocks the GUI thread on purpose: a second press cannot start while a mood plays.
void pause()
{
    if (pauseHook())
        pauseHook()(FramePauseMs);
    else
        QThread::msleep(FramePauseMs);
}

void sendAndPause(const std::function<void()> &send)
{
    send();
    pause();
}

void playLight(const lightRecord &light)
{
    const int subnet = light.subnet_id[0];
    const int device = light.device_id[0];
    const int channel = light.channel[0];
    switch (light.light_type) {
    case LightOnOff:
    case LightDimmer:
        sendSingleChannelControl(subnet, device, channel, light.brightness[0]);
        break;
    case LightRgb:
        for (int row = 0; row < 3; ++row) {
            sendSingleChannelControl(light.subnet_id[row], light.device_id[row], light.channel[row],
                                     light.brightness[row]);
            pause();
        }
        if (light.subnet_id[3] > 0 && light.device_id[3] > 0 && light.channel[3] > 0)
            sendSingleChannelControl(light.subnet_id[3], light.device_id[3], light.channel[3], light.brightness[3]);
        break;
    case LightHsbRgb:
        sendColorControl(subnet, device, channel, light.brightness[0], light.brightness[1], light.brightness[2]);
        break;
    case LightScene:
        sendSceneControl(subnet, device, channel, light.brightness[0] > 0 ? light.us_id : 0);
        break;
    case LightDaliDt8:
        sendSingleChannelControl(subnet, device, channel, light.brightness[0]);
        pause();
        sendSingleChannelControl(subnet, device, channel + ColourTemperatureChannelOffset, light.brightness[1]);
        break;
    default:
        break;
    }
    // After the light's last frame, or in place of a frame it does not have (an RGB light's absent white row).
    pause();
}

void playAirConditioner(const airConditionerRecord &ac)
{
    const int subnet = ac.subnet_id;
    const int device = ac.device_id;
    if (ac.air_conditioner_type == AirConditionerTwoWay) {
        if (ac.channel <= 1)
            sendAcControlNoChannel(subnet, device, ac);
        else
            sendAcControl(subnet, device, ac.channel - 1, ac);
        pause();
        return;
    }
    // Every other type plays as infra-red keys.
    const int unit = ac.channel - 1;
    sendAndPause([&] { sendIrAcPower(subnet, device, unit, ac.status); });
    if (ac.status == 0)
        return;
    sendAndPause([&] { sendIrAcMode(subnet, device, unit, ac.mode); });
    int setPoint = 0;
    switch (ac.mode) {
    case ModeCool:
        setPoint = ac.current_cool_temperature;
        break;
    case ModeHeat:
        setPoint = ac.current_heat_temperature;
        break;
    case ModeAuto:
        setPoint = ac.current_auto_temperature;
        break;
    default:
        // Fan and dry take no speed or set-point key.
        return;
    }
    sendAndPause([&] { sendIrAcFanSpeed(subnet, device, unit, ac.mode, ac.speed); });
    sendAndPause([&] { sendIrAcTemperature(subnet, device, unit, ac.mode, setPoint); });
}

void playFloorHeating(const airConditionerRecord &fh)
{
    const int channelIndex = fh.channel - 1;
    sendAndPause([&] { sendFloorHeatControl14(fh.subnet_id, fh.device_id, channelIndex, fh.status); });
    sendAndPause([&] { sendFloorHeatControl18(fh.subnet_id, fh.device_id, channelIndex, fh.current_temperature); });
}

} // namespace

void setMoodPauseHook(std::function<void(int)> hook)
{
    pauseHook() = std::move(hook);
}

QList<lightRecord> loadMoodLightRecords(int moodId, int roomId)
{
    QList<lightRecord> records;
    for (const LightChannelRow &first : loadMoodLightRows(moodId, roomId)) {
        records.append(lightFromRows(first, [&](int rgb, LightChannelRow &row) {
            return loadMoodLightChannelRow(moodId, roomId, first.lightId, rgb, row);
        }));
    }
    return records;
}

QList<airConditionerRecord> loadMoodAirConditionerRecords(int moodId, int roomId)
{
    QList<airConditionerRecord> records = airConditionerRecords(loadMoodClimateRows(moodId, roomId, 0, 1));
    for (airConditionerRecord &ac : records) {
        if (ac.air_conditioner_type != AirConditionerInfrared)
            continue;
        correctInfraredSetPoints(ac);
    }
    return records;
}

QList<airConditionerRecord> loadMoodFloorHeatingRecords(int moodId, int roomId)
{
    return airConditionerRecords(loadMoodClimateRows(moodId, roomId, 2, 3));
}

bool sendMoodCommand(const moodCommandRecord &command)
{
    const char prm[4] = {char(command.prm1), char(command.prm2), char(command.prm3), char(command.prm4)};
    quint16 opcode = 0;
    // The four parameters, preceded (leading) or followed (trailing) by one fixed byte for some types.
    int leading = -1;
    int trailing = -1;
    switch (command.command_type) {
    case 85: // Scene Switch, Broadcast Scene
        opcode = 0x0002;
        break;
    case 86: // Sequence Switch
        opcode = 0x001A;
        break;
    case 88: // Universal Switch
        opcode = 0xE01C;
        break;
    case 89: // Single Channel Lighting, Broadcast Channel
        opcode = 0x0031;
        break;
    case 92: // Curtain Switch
        opcode = 0xE3E0;
        break;
    case 95: // Panel Control
        opcode = 0xE3D8;
        break;
    case 102: // Security Module
        opcode = 0x0104;
        break;
    case 103: // Audio Player
        opcode = 0x0218;
        break;
    case 112: // UPB Channel
        opcode = 0x201A;
        leading = 0x01;
        break;
    case 113: // UPB Scene
        opcode = 0x201A;
        leading = 0x02;
        break;
    case 115: // Modbus Coil
        opcode = 0x202A;
        trailing = 0x00;
        break;
    case 116: // Modbus Register
        opcode = 0x202E;
        trailing = 0x00;
        break;
    case 121: // Zigbee Channel
        opcode = 0x2034;
        break;
    default: // Invalid Switch, SMS Control, Dim Up, Dim Down and unknown types send nothing
        return false;
    }
    QByteArray payload;
    if (leading >= 0)
        payload.append(char(leading));
    payload.append(prm, 4);
    if (trailing >= 0)
        payload.append(char(trailing));
    gBroadcastSocket.sendCommand(quint8(11 + payload.size()), opcode, command.subnet_id, command.device_id,
                                 payload.constData(), payload.size());
    return true;
}

void playMood(const moodRecord &mood)
{
    if (mood.light_bool > 0) {
        for (const lightRecord &light : loadMoodLightRecords(mood.mood_id, mood.room_id))
            playLight(light);
    }
    if (mood.ac1_bool > 0 || mood.ac2_bool > 0) {
        // Every stored air conditioner plays, whichever of the two flags is set.
        for (const airConditionerRecord &ac : loadMoodAirConditionerRecords(mood.mood_id, mood.room_id))
            playAirConditioner(ac);
    }
    if (mood.floor_heat1_bool > 0 || mood.floor_heat2_bool > 0) {
        for (const airConditionerRecord &fh : loadMoodFloorHeatingRecords(mood.mood_id, mood.room_id))
            playFloorHeating(fh);
    }
    if (mood.diy_bool > 0) {
        for (const moodCommandRecord &command : loadMoodCommands(mood.mood_id, mood.room_id)) {
            sendMoodCommand(command);
            pause();
        }
    }
}
