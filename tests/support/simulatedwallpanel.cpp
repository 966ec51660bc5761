#include "tests/support/simulatedwallpanel.h"

#include "tests/support/simulateddevice.h"

SimulatedWallPanel::SimulatedWallPanel(quint8 subnet, quint8 deviceNumber, quint16 port, const QHostAddress &target,
                                       QObject *parent)
    : QObject(parent),
      device(new SimulatedDevice(subnet, deviceNumber, port, QHostAddress(QHostAddress::AnyIPv4), target, this)),
      subnetId(subnet), deviceId(deviceNumber), portNumber(port), targetAddress(target)
{
    device->answers = false;
    connect(device, &SimulatedDevice::frameFromStation, this, [this](const QByteArray &frame) {
        if (frame.size() > 22 && quint8(frame[21]) == 0xE0 && quint8(frame[22]) == 0x1D) {
            answers.append(frame);
            emit answerReceived(frame);
        } else if (frame.size() > 24 && quint8(frame[21]) == 0xE0 && quint8(frame[22]) == 0x1C &&
                   quint8(frame[23]) == subnetId && quint8(frame[24]) == deviceId) {
            switchSettings.append(frame);
            emit switchSettingReceived(frame);
        }
    });
}

SimulatedWallPanel::~SimulatedWallPanel() = default;

bool SimulatedWallPanel::isBound() const
{
    return device->isBound();
}

QByteArray SimulatedWallPanel::switchFrame(int switchNo, quint8 stateByte, quint8 targetSubnet,
                                           quint8 targetDevice) const
{
    QByteArray payload;
    payload.append(char(switchNo)).append(char(stateByte));
    return makeDeviceFrame(subnetId, deviceId, 0xE01C, targetSubnet, targetDevice, payload);
}

void SimulatedWallPanel::sendSwitch(int switchNo, quint8 stateByte, quint8 targetSubnet, quint8 targetDevice)
{
    sendRaw(switchFrame(switchNo, stateByte, targetSubnet, targetDevice));
}

void SimulatedWallPanel::sendRaw(const QByteArray &data)
{
    device->sendDatagram(data, targetAddress, portNumber);
}
