#pragma once
// Modal chooser of a project of the project list: one row per project, the current one marked; a click on a
// row accepts the dialog with that project's name.

#include "shell/mydialog.h"

#include <QString>
#include <functional>

class QtMaterialGroupBox;

class ProjectSelectDlg : public MyDialog
{
    Q_OBJECT

public:
    explicit ProjectSelectDlg(QWidget *parent);

    // Preset by the caller; after an accepted run, the name of the project picked.
    QString projectName;

    // Adds one row per project of the project list, marking the current project of the list.
    void initProjects();

    int exec() override;

    // Test seam: while a hook is set, exec() does not show the dialog but returns what the hook returns.
    // The hook may click a row (findChildren<ProjectSelectItem *>).
    using ExecHook = std::function<int(ProjectSelectDlg &dialog)>;
    static void setExecHook(const ExecHook &hook);

public slots:
    void slotsProjectChanged(QString projectName);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QtMaterialGroupBox *groupBox = nullptr;
};
