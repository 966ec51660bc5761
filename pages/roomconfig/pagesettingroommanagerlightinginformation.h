#pragma once
// The page "Light Information": one light of a room, its kind, picture and the bus address of each channel.
// Saving rewrites all rows of the light (one per colour channel of an RGB light) as one transaction.

#include "pages/roomconfig/formgrid.h"
#include "pages/roomconfig/lightinformationpage.h"

class QtMaterialLabel;
class QtMaterialLineEdit;

class PageSettingRoomManagerLightingInformation : public LightInformationPage
{
    Q_OBJECT

public:
    PageSettingRoomManagerLightingInformation(const QString &id, const QString &name, QWidget *parent);

private slots:
    void comboBoxChange(int index);

private:
    void load() override;
    void save() override;

    struct ChannelRow
    {
        QtMaterialLabel *labels[3];
        QtMaterialLineEdit *fields[3]; // subnet, device, channel
    };
    void showRow(const ChannelRow &row, bool shown);
    // The number inputs a save of the kind type reads, with the names the user knows them by.
    QList<NamedField> storedNumbers(int type) const;

    ChannelRow rows[4];
    QtMaterialLabel *labelArea = nullptr;
    QtMaterialLineEdit *lineEditArea = nullptr;
    QtMaterialLabel *labelScene = nullptr;
    QtMaterialLineEdit *lineEditScene = nullptr;
};
