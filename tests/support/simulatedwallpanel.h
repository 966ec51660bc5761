#pragma once
// A wall panel in a guest room on loopback UDP: raises and withdraws guest requests with universal-switch
// frames (0xE01C) and records the station's answers (0xE01D) and the switch settings the station sends it
// (0xE01C addressed to the panel) once staff have dealt with a request.

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QObject>

class SimulatedDevice;

class SimulatedWallPanel : public QObject
{
    Q_OBJECT

public:
    // Listens on port (shared with the station) for the station's broadcast answers; frames go to target:port.
    SimulatedWallPanel(quint8 subnet, quint8 device, quint16 port,
                       const QHostAddress &target = QHostAddress(QStringLiteral("127.255.255.255")),
                       QObject *parent = nullptr);
    ~SimulatedWallPanel() override;

    bool isBound() const;

    // The frame the panel sends when switch switchNo changes to stateByte (0 off, anything else on).
    QByteArray switchFrame(int switchNo, quint8 stateByte, quint8 targetSubnet = 255, quint8 targetDevice = 255) const;
    void sendSwitch(int switchNo, quint8 stateByte, quint8 targetSubnet = 255, quint8 targetDevice = 255);
    void sendRaw(const QByteArray &data);

    // The station's answers (0xE01D) received so far, whole frames from the source address on.
    QList<QByteArray> answers;
    // The station's 0xE01C frames addressed to this panel, whole frames from the source address on.
    QList<QByteArray> switchSettings;

signals:
    void answerReceived(QByteArray frame);
    void switchSettingReceived(QByteArray frame);

private:
    SimulatedDevice *device;
    quint8 subnetId;
    quint8 deviceId;
    quint16 portNumber;
    QHostAddress targetAddress;
};
