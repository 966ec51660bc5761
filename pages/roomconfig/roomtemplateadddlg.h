#pragma once
// Modal dialog that adds a room template by name; accepted once the template's row is written.

#include "pages/roomconfig/adddialogframe.h"

class QtMaterialLineEdit;

// A test's exec hook may type a name (lineEditName).
class RoomTemplateAddDlg : public HookedAddDialog<RoomTemplateAddDlg>
{
    Q_OBJECT

public:
    explicit RoomTemplateAddDlg(QWidget *parent);

private:
    void pushButtonAdd_clicked() override;

    QtMaterialLineEdit *lineEditName = nullptr;
};
