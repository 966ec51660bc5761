#pragma once
// The "Master" and "Occupation" tabs of the room editor: the bus address of the room's master switch and of its
// occupancy sensor. Each writes its row once per load, when the room editor is left: all three numbers set
// stores the row (status 0, not yet known), anything less removes it.

#include "shell/mydialog.h"

class QButtonGroup;
class QtMaterialLabel;
class QtMaterialLineEdit;
class QtMaterialRadioButton;

class PageSettingRoomManagerMaster : public MyDialog
{
    Q_OBJECT

public:
    explicit PageSettingRoomManagerMaster(QWidget *parent);

    void loadMaster(int roomId);

private slots:
    void slotsPageLeave(QString id);

private:
    // 0: nothing to save until the next load.
    int roomId = 0;
    QtMaterialLineEdit *lineEditSubnet = nullptr;
    QtMaterialLineEdit *lineEditDevice = nullptr;
    QtMaterialLineEdit *lineEditChannel = nullptr;
};

class PageSettingRoomManagerOccupation : public MyDialog
{
    Q_OBJECT

public:
    explicit PageSettingRoomManagerOccupation(QWidget *parent);

    void loadOccupation(int roomId);

private slots:
    void slotsPageLeave(QString id);
    void radioButtonOccupationType_clicked();

private:
    int roomId = 0;
    QtMaterialRadioButton *radioButtonUniversal = nullptr;
    QtMaterialRadioButton *radioButtonRelay = nullptr;
    QButtonGroup *group = nullptr;
    QtMaterialLineEdit *lineEditSubnet = nullptr;
    QtMaterialLineEdit *lineEditDevice = nullptr;
    QtMaterialLineEdit *lineEditChannel = nullptr;
    QtMaterialLabel *labelHint = nullptr;
};
