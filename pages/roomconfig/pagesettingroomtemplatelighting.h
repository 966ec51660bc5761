#pragma once
// The "Lighting" tab of the template editor: the template's lights.

#include "pages/roomconfig/devicelisttab.h"

class PageSettingRoomTemplateLighting : public DeviceListTab
{
    Q_OBJECT

public:
    explicit PageSettingRoomTemplateLighting(QWidget *parent);

    static const DeviceListKind &kind();

protected:
    QVector<DeviceListEntry> listDevices(int templateId) override;
    bool removeDevice(int deviceId, int templateId) override;
};
