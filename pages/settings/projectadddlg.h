#pragma once
// Modal dialog that creates a new, empty project: a list entry, its folder and an emptied copy of the current
// project's database. The current project stays the one in use.

#include "shell/mydialog.h"

#include <functional>

class QtMaterialLineEdit;

class ProjectAddDlg : public MyDialog
{
    Q_OBJECT

public:
    explicit ProjectAddDlg(QWidget *parent);

    QtMaterialLineEdit *nameField() const { return lineEditName; }

    int exec() override;

    // Test seam: while a hook is set, exec() does not show the dialog but returns what the hook returns.
    // The hook may type a name and press "Add" (findChild by object name).
    using ExecHook = std::function<int(ProjectAddDlg &dialog)>;
    static void setExecHook(const ExecHook &hook);

private slots:
    void pushButtonAdd_clicked();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool createProject(const QString &name);

    QtMaterialLineEdit *lineEditName = nullptr;
};
