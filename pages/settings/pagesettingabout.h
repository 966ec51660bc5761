#pragma once
// The page "About": the maker, the vendor's or agent's contact kept in the user's settings, and the software
// and database versions as they were when the page was made.

#include "shell/mydialog.h"

class QtMaterialLineEdit;

class PageSettingAbout : public MyDialog
{
    Q_OBJECT

public:
    PageSettingAbout(const QString &id, const QString &name, QWidget *parent);

    static constexpr double softwareVersion = 3.08;

private slots:
    void editingFinished();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QtMaterialLineEdit *lineEditName = nullptr;
    QtMaterialLineEdit *lineEditPhone = nullptr;
};
