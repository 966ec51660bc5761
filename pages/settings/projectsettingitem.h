#pragma once
// One row of the project list: upload check box, home picture, the project's name and, except on the
// current project's row, a delete button.

#include "shell/dynamicwidget.h"

#include <QString>

class QtMaterialCheckBox;
class QtMaterialIconButton;
class QtMaterialLabel;

class ProjectSettingItem : public DynamicWidget
{
    Q_OBJECT

public:
    ProjectSettingItem(const QString &projectName, bool isCurrent, QWidget *parent);

    QString projectName() const;
    bool isChecked() const;
    // The delete button; none on the current project's row.
    QtMaterialIconButton *deleteButton() const { return pushButtonDelete; }

signals:
    // The row was clicked outside its check box and delete button.
    void signalsProjectEdit(QString projectName);
    // The delete button was clicked; nothing is asked.
    void signalsProjectDelete(QString projectName);

private slots:
    void slotsPressed();
    void pushButtonDelete_clicked();

private:
    QtMaterialCheckBox *checkBox = nullptr;
    QtMaterialLabel *labelName = nullptr;
    QtMaterialIconButton *pushButtonDelete = nullptr;
};
