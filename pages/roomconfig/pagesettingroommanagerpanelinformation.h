#pragma once
// The page "Panel Information": one wall panel of a room, its name and bus address. An address belongs to one
// panel of the whole project; changing it discards the panel's guest-message history, after asking.

#include "pages/roomconfig/deviceinformationpage.h"

class PageSettingRoomManagerPanelInformation : public DeviceInformationPage
{
    Q_OBJECT

public:
    PageSettingRoomManagerPanelInformation(const QString &id, const QString &name, QWidget *parent);

private:
    void load() override;
    void save() override;

    bool exists = false;
    QtMaterialLineEdit *lineEditSubnet = nullptr;
    QtMaterialLineEdit *lineEditDevice = nullptr;
};
