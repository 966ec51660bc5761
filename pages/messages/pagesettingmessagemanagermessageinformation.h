#pragma once
// The page "Message Information": the editor of one panel message, its name, type, picture and the universal switch
// number that raises it. The number is unique among the messages; changing it drops the message's logged
// occurrences after a confirmation.

#include "shell/mydialog.h"

class ManagerItem;
class QtMaterialComboBox;
class QtMaterialFlatButton;
class QtMaterialLineEdit;

class PageSettingMessageManagerMessageInformation : public MyDialog
{
    Q_OBJECT

public:
    PageSettingMessageManagerMessageInformation(const QString &id, const QString &name, QWidget *parent);

    int messageId() const { return m_messageId; }
    bool existed() const { return m_existed; }
    ManagerItem *pictureTile() const { return tile; }

public slots:
    void slotsPageEnter(QString messageId);
    void slotsIconEdit(QString iconName);
    void textChanged(QString text);
    void pushButtonSave_clicked();

private:
    // Writes the message; false (with nothing changed) when a statement failed.
    bool store(int type, const QString &name, const QString &picture, int number, bool renumbered);

    QtMaterialLineEdit *lineEditName = nullptr;
    QtMaterialComboBox *comboBoxType = nullptr;
    QtMaterialLineEdit *lineEditNumber = nullptr;
    QtMaterialFlatButton *pushButtonSave = nullptr;
    ManagerItem *tile = nullptr;
    int m_messageId = 0;
    bool m_existed = false;
};
