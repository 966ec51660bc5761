#pragma once
// One row of the project chooser: the project's name, marked when it is the current project.

#include "shell/dynamicwidget.h"

#include <QString>

class ProjectSelectItem : public DynamicWidget
{
    Q_OBJECT

public:
    ProjectSelectItem(const QString &projectName, bool selected, QWidget *parent);

    QString projectName() const { return name; }
    bool isSelected() const { return selected; }

signals:
    // The row was clicked.
    void signalsProjectChanged(QString projectName);

protected:
    void paintEvent(QPaintEvent *event) override;

private slots:
    void slotsPressed();

private:
    QString name;
    bool selected;
};
