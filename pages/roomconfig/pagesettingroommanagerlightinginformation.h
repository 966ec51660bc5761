#pragma once
// The page "Light Information": one light of a room, its kind, picture and the bus address of each channel.
// Saving rewrites all rows of the light (one per colour channel of an RGB light) as one transaction.

#include "pages/roomconfig/formgrid.h"
#include "shell/mydialog.h"

class ManagerItem;
class QtMaterialComboBox;
class QtMaterialLabel;
class QtMaterialLineEdit;

class PageSettingRoomManagerLightingInformation : public MyDialog
{
    Q_OBJECT

public:
    PageSettingRoomManagerLightingInformation(const QString &id, const QString &name, QWidget *parent);

private slots:
    void slotsPageEnter(QString lightId, QString roomId);
    void comboBoxChange(int index);
    void slotsIconEdit(QString iconName);
    void pushButtonSave_clicked();

private:
    struct ChannelRow
    {
        QtMaterialLabel *labels[3];
        QtMaterialLineEdit *fields[3]; // subnet, device, channel
    };
    void showRow(const ChannelRow &row, bool shown);
    // The number inputs a save of the kind type reads, with the names the user knows them by.
    QList<NamedField> storedNumbers(int type) const;

    int lightId = 0;
    int roomId = 0;
    QtMaterialLineEdit *lineEditName = nullptr;
    QtMaterialComboBox *comboBoxType = nullptr;
    ManagerItem *pictureTile = nullptr;
    ChannelRow rows[4];
    QtMaterialLabel *labelArea = nullptr;
    QtMaterialLineEdit *lineEditArea = nullptr;
    QtMaterialLabel *labelScene = nullptr;
    QtMaterialLineEdit *lineEditScene = nullptr;
};
