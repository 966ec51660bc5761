#pragma once
// The "Panel" tab of the template editor: the template's wall panels.

#include "pages/roomconfig/devicelisttab.h"

class PageSettingRoomTemplatePanel : public DeviceListTab
{
    Q_OBJECT

public:
    explicit PageSettingRoomTemplatePanel(QWidget *parent);

    static const DeviceListKind &kind();

protected:
    QVector<DeviceListEntry> listDevices(int templateId) override;
    bool removeDevice(int deviceId, int templateId) override;
};
