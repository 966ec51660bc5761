#pragma once
// Asks for the lock password before the settings open; Accepted means unlocked.

#include "shell/mydialog.h"

#include <functional>

class QtMaterialLineEdit;

namespace Ui {
class UnlockDlg;
}

class UnlockDlg : public MyDialog
{
    Q_OBJECT

public:
    explicit UnlockDlg(QWidget *parent);
    ~UnlockDlg() override;

    // Accepted when the typed text equals the lock password; "Cancel" and the close icon give Rejected.
    int exec() override;

    QtMaterialLineEdit *passwordField() const { return passwordEdit; }

    // Test seam: while a hook is set, exec() does not show the dialog but returns what the hook returns.
    // The hook may type into the field and press "Confirm" (findChild by object name).
    using ExecHook = std::function<int(UnlockDlg &dialog)>;
    static void setExecHook(const ExecHook &hook);

protected:
    void paintEvent(QPaintEvent *event) override;

private slots:
    void pushButtonOk_clicked();

private:
    QtMaterialLineEdit *passwordEdit = nullptr;
    Ui::UnlockDlg *ui = nullptr;
};
