#pragma once
// Modal dialog that adds one room, or a numbered series, from a room template; accepted once the rooms are
// written (or when there was nothing to write).

#include "pages/roomconfig/adddialogframe.h"

class QtMaterialCheckBox;
class QtMaterialComboBox;
class QtMaterialLineEdit;

// A test's exec hook may fill comboBoxRegion, comboBoxFloor, lineEditRoomName, comboBoxTemplate, checkBoxAddInBulk
// and lineEditNumber.
class RoomAddDlg : public HookedAddDialog<RoomAddDlg>
{
    Q_OBJECT

public:
    explicit RoomAddDlg(QWidget *parent);

private slots:
    void comboBoxChange(int index);
    void editingFinished();
    void textChanged(QString text);
    void checkBoxAddInBulk_toggled(bool checked);
    void pushButtonAdd_clicked() override;

private:
    QtMaterialComboBox *comboBoxRegion = nullptr;
    QtMaterialComboBox *comboBoxFloor = nullptr;
    QtMaterialLineEdit *lineEditRoomName = nullptr;
    QtMaterialComboBox *comboBoxTemplate = nullptr;
    QtMaterialCheckBox *checkBoxAddInBulk = nullptr;
    QtMaterialLineEdit *lineEditNumber = nullptr;
};
