#pragma once
// Modal dialog that adds a room template by name; accepted once the template's row is written.

#include "shell/mydialog.h"

#include <functional>

class QtMaterialLineEdit;

class RoomTemplateAddDlg : public MyDialog
{
    Q_OBJECT

public:
    explicit RoomTemplateAddDlg(QWidget *parent);

    int exec() override;

    // Test seam: while a hook is set, exec() does not show the dialog but returns what the hook returns.
    // The hook may type a name (lineEditName) and press the buttons (pushButtonAdd, pushButtonCancel).
    using ExecHook = std::function<int(RoomTemplateAddDlg &dialog)>;
    static void setExecHook(const ExecHook &hook);

protected:
    void paintEvent(QPaintEvent *event) override;

private slots:
    void pushButtonAdd_clicked();

private:
    QtMaterialLineEdit *lineEditName = nullptr;
};
