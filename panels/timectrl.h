#pragma once
// Two numeric fields around a colon that give and take a time text "%d:%d"; each field holds at most 59.

#include <QString>
#include <QWidget>

class QtMaterialLineEdit;

class TimeCtrl : public QWidget
{
    Q_OBJECT

public:
    TimeCtrl();

    // "%d:%d" of the two fields, without leading zeros; a field that is not a number counts 0.
    QString time() const;
    // Reads "%d:%d"; a missing or unreadable number is 0. Numbers above 59 show as 59.
    void setTime(const QString &time);

signals:
    // Declared for the editors that connect to it; the control does not emit it.
    void timeCtrlValueChanged();

private slots:
    // A number above 59 becomes 59.
    void textChanged(QString text);
    // An empty field becomes 0.
    void editingFinished();

private:
    QtMaterialLineEdit *leftEdit;
    QtMaterialLineEdit *rightEdit;
};
