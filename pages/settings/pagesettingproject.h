#pragma once
// The page "Project Setting": the projects of the project list, one row each, with adding, deleting,
// opening a project's information, and sending
// and fetching projects.

#include "shell/mydialog.h"

#include <QStringList>

class QtMaterialGroupBox;

class PageSettingProject : public MyDialog
{
    Q_OBJECT

public:
    PageSettingProject(const QString &id, const QString &name, QWidget *parent);

    // Rebuilds the rows from the project list.
    void refreshProjectList();
    // Names of the rows whose check box is ticked, in row order.
    QStringList checkedProjectNames() const;

public slots:
    void slotsPageEnter();
    void slotsProjectEdit(QString projectName);
    void slotsProjectDelete(QString projectName);

private slots:
    void pushButtonAddProject_clicked();
    void pushButtonUpload_clicked();
    void pushButtonDownload_clicked();

private:
    QtMaterialGroupBox *groupBox = nullptr;
};
