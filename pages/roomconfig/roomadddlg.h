#pragma once
// Modal dialog that adds one room, or a numbered series, from a room template; accepted once the rooms are
// written (or when there was nothing to write).

#include "shell/mydialog.h"

#include <functional>

class QtMaterialCheckBox;
class QtMaterialComboBox;
class QtMaterialLineEdit;

class RoomAddDlg : public MyDialog
{
    Q_OBJECT

public:
    explicit RoomAddDlg(QWidget *parent);

    int exec() override;

    // Test seam: while a hook is set, exec() does not show the dialog but returns what the hook returns. The hook
    // may fill comboBoxRegion, comboBoxFloor, lineEditRoomName, comboBoxTemplate, checkBoxAddInBulk and
    // lineEditNumber and press pushButtonAdd or pushButtonCancel.
    using ExecHook = std::function<int(RoomAddDlg &dialog)>;
    static void setExecHook(const ExecHook &hook);

protected:
    void paintEvent(QPaintEvent *event) override;

private slots:
    void comboBoxChange(int index);
    void editingFinished();
    void textChanged(QString text);
    void checkBoxAddInBulk_toggled(bool checked);
    void pushButtonAdd_clicked();

private:
    QtMaterialComboBox *comboBoxRegion = nullptr;
    QtMaterialComboBox *comboBoxFloor = nullptr;
    QtMaterialLineEdit *lineEditRoomName = nullptr;
    QtMaterialComboBox *comboBoxTemplate = nullptr;
    QtMaterialCheckBox *checkBoxAddInBulk = nullptr;
    QtMaterialLineEdit *lineEditNumber = nullptr;
};
