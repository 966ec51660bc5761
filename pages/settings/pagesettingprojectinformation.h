#pragma once
// The page "Project Information": a project's name and its valid indoor temperature range, kept in the
// project list.

#include "shell/mydialog.h"

class QtMaterialLineEdit;

class PageSettingProjectInformation : public MyDialog
{
    Q_OBJECT

public:
    PageSettingProjectInformation(const QString &id, const QString &name, QWidget *parent);

public slots:
    void slotsPageEnter(QString projectName);

private slots:
    void pushButtonSave_clicked();

private:
    QtMaterialLineEdit *lineEditName = nullptr;
    QtMaterialLineEdit *lineEditLow = nullptr;
    QtMaterialLineEdit *lineEditHigh = nullptr;
};
