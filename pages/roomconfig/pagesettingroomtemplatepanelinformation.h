#pragma once
// The page "Template Panel Information": the name of one wall panel of a room template.

#include "pages/roomconfig/deviceinformationpage.h"

class PageSettingRoomTemplatePanelInformation : public DeviceInformationPage
{
    Q_OBJECT

public:
    PageSettingRoomTemplatePanelInformation(const QString &id, const QString &name, QWidget *parent);

private:
    // The entry found the stored row: saving updates it instead of inserting.
    bool exists = false;

    void load() override;
    void save() override;
};
