#pragma once
// The pages "AC Information" and "Floor Heat Information": one air conditioner (numbers 0 and 1) or floor
// heating (2 and 3) of a room, stored as its row of tbl_air_conditioner. A save also clears the run-time state the
// operating panels keep in the row, until they next read the device.

#include "shell/mydialog.h"

class QButtonGroup;
class QtMaterialCheckBox;
class QtMaterialComboBox;
class QtMaterialLineEdit;
class QtMaterialRadioButton;

class PageSettingRoomManagerACInformation : public MyDialog
{
    Q_OBJECT

public:
    PageSettingRoomManagerACInformation(const QString &id, const QString &name, QWidget *parent);

private slots:
    void slotsPageEnter(QString acNO, QString roomId);
    void radioButtonACType_clicked();
    void pushButtonSave_clicked();

private:
    int roomId = 0;
    int acNo = 0;
    bool exists = false;
    // The row could not be read on entry: the page does not know whether to update or insert.
    bool readFailed = false;
    QtMaterialLineEdit *lineEditName = nullptr;
    QtMaterialRadioButton *radioButtonPanel = nullptr;
    QtMaterialRadioButton *radioButtonIR = nullptr;
    QButtonGroup *group = nullptr;
    QtMaterialLineEdit *lineEditSubnet = nullptr;
    QtMaterialLineEdit *lineEditDevice = nullptr;
    QtMaterialLineEdit *lineEditChannel = nullptr;
    QtMaterialComboBox *comboBoxPatch = nullptr;
    QtMaterialCheckBox *checkBoxHide = nullptr;
};

class PageSettingRoomManagerFloorHeatInformation : public MyDialog
{
    Q_OBJECT

public:
    PageSettingRoomManagerFloorHeatInformation(const QString &id, const QString &name, QWidget *parent);

private slots:
    void slotsPageEnter(QString fhNO, QString roomId);
    void pushButtonSave_clicked();

private:
    int roomId = 0;
    int fhNo = 0;
    bool exists = false;
    // The row could not be read on entry: the page does not know whether to update or insert.
    bool readFailed = false;
    QtMaterialLineEdit *lineEditName = nullptr;
    QtMaterialLineEdit *lineEditSubnet = nullptr;
    QtMaterialLineEdit *lineEditDevice = nullptr;
    QtMaterialLineEdit *lineEditChannel = nullptr;
    QtMaterialCheckBox *checkBoxHide = nullptr;
};
