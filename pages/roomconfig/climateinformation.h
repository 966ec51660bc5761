#pragma once
// The pages "AC Information" and "Floor Heat Information": one air conditioner (numbers 0 and 1) or floor
// heating (2 and 3) of a room, stored as its row of tbl_air_conditioner. A save also clears the run-time state the
// operating panels keep in the row, until they next read the device.

#include "pages/roomconfig/deviceinformationpage.h"
#include "pages/roomconfig/formgrid.h"

class QButtonGroup;
class QGridLayout;
class QLayout;
class QtMaterialCheckBox;
class QtMaterialComboBox;
class QtMaterialLineEdit;
class QtMaterialRadioButton;
struct ClimateRow;

// What both pages edit: the name, the bus address with the device's number, and whether the panels hide the room
// temperature. The row is read on every page enter and written back on a save.
class ClimateInformationPage : public DeviceInformationPage
{
    Q_OBJECT

public:
    ClimateInformationPage(const QString &id, const QString &name, const char *objectName, QWidget *parent);

protected:
    // Subnet, device and the device's number under numberLabel, for the page to add to before setClimateForm.
    QGridLayout *addressGrid(const QString &numberLabel);
    // Lays the page out: Save, the name under nameLabel, control (when given), address and the hide flag.
    void setClimateForm(const QString &nameLabel, QLayout *control, QGridLayout *address);

    // Clears the address and the hide flag and reads the row: true with row filled, and the form showing its name,
    // address and hide flag, when it exists. A row that cannot be read is told ("Read failed!") and keeps every
    // later save from being stored.
    bool readRow(ClimateRow &row);
    // Stores the form as the row with the kind's type and channel; typedChannel names lineEditChannel when the
    // channel is the one typed there, so that it is checked against 255 with the address.
    void storeRow(int type, int channel, const QList<NamedField> &typedChannel);

    QtMaterialLineEdit *lineEditSubnet = nullptr;
    QtMaterialLineEdit *lineEditDevice = nullptr;
    QtMaterialLineEdit *lineEditChannel = nullptr;
    QtMaterialCheckBox *checkBoxHide = nullptr;

private:
    bool exists = false;
    // The row could not be read on entry: the page does not know whether to update or insert.
    bool readFailed = false;
};

class PageSettingRoomManagerACInformation : public ClimateInformationPage
{
    Q_OBJECT

public:
    PageSettingRoomManagerACInformation(const QString &id, const QString &name, QWidget *parent);

private slots:
    void radioButtonACType_clicked();

private:
    void load() override;
    void save() override;

    QtMaterialRadioButton *radioButtonPanel = nullptr;
    QtMaterialRadioButton *radioButtonIR = nullptr;
    QButtonGroup *group = nullptr;
    QtMaterialComboBox *comboBoxPatch = nullptr;
};

class PageSettingRoomManagerFloorHeatInformation : public ClimateInformationPage
{
    Q_OBJECT

public:
    PageSettingRoomManagerFloorHeatInformation(const QString &id, const QString &name, QWidget *parent);

private:
    void load() override;
    void save() override;
};
