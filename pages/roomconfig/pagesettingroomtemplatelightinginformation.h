#pragma once
// The page "Template Light Information": name, kind and picture of one light of a room template.

#include "pages/roomconfig/lightinformationpage.h"

class PageSettingRoomTemplateLightingInformation : public LightInformationPage
{
    Q_OBJECT

public:
    PageSettingRoomTemplateLightingInformation(const QString &id, const QString &name, QWidget *parent);

private:
    void load() override;
    void save() override;

    // The entry found the stored row: saving updates it instead of inserting.
    bool exists = false;
};
