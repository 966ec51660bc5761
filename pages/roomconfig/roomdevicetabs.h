#pragma once
// The device tabs of the room editor: a room's lights, air conditioners, floor heatings and wall panels.

#include "pages/roomconfig/devicelisttab.h"

class PageSettingRoomManagerLighting : public DeviceListTab
{
    Q_OBJECT

public:
    explicit PageSettingRoomManagerLighting(QWidget *parent);
    static const DeviceListKind &kind();

protected:
    QVector<DeviceListEntry> listDevices(int roomId) override;
    bool removeDevice(int deviceId, int roomId) override;
};

class PageSettingRoomManagerAC : public DeviceListTab
{
    Q_OBJECT

public:
    explicit PageSettingRoomManagerAC(QWidget *parent);
    static const DeviceListKind &kind();

protected:
    QVector<DeviceListEntry> listDevices(int roomId) override;
    bool removeDevice(int number, int roomId) override;
    int countDevices(int roomId) override;
};

class PageSettingRoomManagerFloorHeat : public DeviceListTab
{
    Q_OBJECT

public:
    explicit PageSettingRoomManagerFloorHeat(QWidget *parent);
    static const DeviceListKind &kind();

protected:
    QVector<DeviceListEntry> listDevices(int roomId) override;
    bool removeDevice(int number, int roomId) override;
    int countDevices(int roomId) override;
};

class PageSettingRoomManagerPanel : public DeviceListTab
{
    Q_OBJECT

public:
    explicit PageSettingRoomManagerPanel(QWidget *parent);
    static const DeviceListKind &kind();

protected:
    QVector<DeviceListEntry> listDevices(int roomId) override;
    bool removeDevice(int deviceId, int roomId) override;
};
