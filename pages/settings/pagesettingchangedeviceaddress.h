#pragma once
// The page "Change Device Address": the station's own bus address, the lock password and the number of days
// log records are kept. The fields stay locked until the lock password is given.

#include "shell/mydialog.h"

#include <QList>

class QtMaterialLineEdit;

class PageSettingChangeDeviceAddress : public MyDialog
{
    Q_OBJECT

public:
    PageSettingChangeDeviceAddress(const QString &id, const QString &name, QWidget *parent);

    bool isUnlocked() const { return unlocked; }

public slots:
    void slotsPageEnter();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void textChanged(const QString &text);
    void pushButtonSave_clicked();

private:
    void setFieldsEnabled(bool enabled);

    QtMaterialLineEdit *lineEditSubnetId = nullptr;
    QtMaterialLineEdit *lineEditDeviceId = nullptr;
    QtMaterialLineEdit *lineEditLockPassword = nullptr;
    QtMaterialLineEdit *lineEditRetainDays = nullptr;
    QList<QtMaterialLineEdit *> lockable;
    bool unlocked = false;
};
