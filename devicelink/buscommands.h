#pragma once
// One free builder per bus command: lays out the payload and sends it through gBroadcastSocket at once.
// Every integer argument is sent as its low byte; a reply to opcode X comes back later as X + 1 through
// dataIsComming.

#include <QString>
#include <QtGlobal>

struct airConditionerRecord; // panels/devicerecords.h

void sendReadDeviceInfo(int subnet, int device);                                                // 0xEFFD
void sendReadChannelStatus(int subnet, int device);                                             // 0x0033
void sendSingleChannelControl(int subnet, int device, int channel, int level);                  // 0x0031
void sendReadColorStatus(int subnet, int device, int channel);                                  // 0x2036
void sendColorControl(int subnet, int device, int channel, int level, int hue, int saturation); // 0x2034
void sendSceneControl(int subnet, int device, int area, int scene);                             // 0x0002
void sendLightCommandF03C(int subnet, int device, int channel, bool up);                        // 0xF03C
void sendReadOccupation(int subnet, int device);                                                // 0x012C

// Air conditioners: the forms with a channel byte serve the second and later channels of a controller.
void sendAcQueryE120(int subnet, int device);                   // 0xE120 temperature unit
void sendAcQueryE124(int subnet, int device, int channelIndex); // 0xE124 supported modes and speeds
void sendAcQueryE124NoChannel(int subnet, int device);
void sendAcQuery1900(int subnet, int device, int channelIndex); // 0x1900 set-point limits
void sendAcQuery1900NoChannel(int subnet, int device);
void sendAcQueryE0EC(int subnet, int device, int channelIndex); // 0xE0EC status
void sendAcQueryE0ECNoChannel(int subnet, int device);
void sendAcControl(int subnet, int device, int channelIndex, const airConditionerRecord &ac); // 0xE0EE
void sendAcControlNoChannel(int subnet, int device, const airConditionerRecord &ac);
void sendAcQueryE3E7(int subnet, int device); // 0xE3E7 room temperature of an infra-red unit

// A wall panel's universal switch, set on (0xFF) or off (0x00): tells the panel whether its guest request is
// still pending.
void sendUniversalSwitch(int subnet, int device, int switchNo, bool on); // 0xE01C

// Infra-red units: universal-switch key 0xE01C [key, 0xFF]; acIndex 0 first unit, 1 second; key 0 where no
// key is learned for the combination.
void sendIrAcPower(int subnet, int device, int acIndex, int status);
void sendIrAcMode(int subnet, int device, int acIndex, int mode);
void sendIrAcFanSpeed(int subnet, int device, int acIndex, int mode, int speed);
void sendIrAcTemperature(int subnet, int device, int acIndex, int mode, int temperature);
// The key numbers themselves, as the builders above send them.
quint8 irAcPowerKey(int acIndex, int status);
quint8 irAcModeKey(int acIndex, int mode);
quint8 irAcFanSpeedKey(int acIndex, int mode, int speed);
quint8 irAcTemperatureKey(int acIndex, int mode, int temperature);

// Floor heatings: channelIndex above 0 selects the second-channel form.
void sendFloorHeatQueryA13E(int subnet, int device, int channelIndex);                  // 0xA13E limits
void sendFloorHeatQuery1944(int subnet, int device, int channelIndex);                  // 0x1944 status
void sendFloorHeatControl14(int subnet, int device, int channelIndex, int status);      // 0xE3D8 power
void sendFloorHeatControl18(int subnet, int device, int channelIndex, int temperature); // 0xE3D8 set point

// Gateway command 0x2024; the first payload byte is the sub-command.
void sendReadServerInfo(int subnet, int device);
void sendWriteServerInfo(int subnet, int device, const QString &serverIp, const QString &password, quint16 port,
                         quint8 serverType);
void sendReadServerDomain(int subnet, int device);
void sendWriteServerDomain(int subnet, int device, const QString &domain);
// Project-transfer beacon 0x2025 to every device: the other station answers over HTTP.
void sendProjectDownloadRequest(quint16 code, const QString &ipv4, quint16 port);
void sendGatewayQuery38();
void sendGatewayQuery34(int subnet, int device);
void sendGatewayCommand22(int subnet, int device, int value);
void sendGatewayCommand28(int subnet, int device, int a, int b);
void sendGatewayCommand2A(int subnet, int device, int a, int b);
void sendGatewayCommand30(int subnet, int device, int value, bool flag);
void sendGatewayCommand(int subnet, int device, const char *payload, int n);
