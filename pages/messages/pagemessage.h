#pragma once
// The page "Message": the message log filtered by type, status, room and a date-time range, newest first. A row
// opens the message dialog; marked rows are deleted in two steps (and leave the message strip and the room tiles);
// the rows shown are exported to an Excel workbook.

#include "pages/messages/logpageframe.h"
#include "shell/mydialog.h"

#include <QList>
#include <QPointer>

class MessageItem;
class QtMaterialComboBox;
class QtMaterialDateTimeEdit;

class PageMessage : public MyDialog
{
    Q_OBJECT

public:
    PageMessage(const QString &id, const QString &name, QWidget *parent);

    // The rows, top to bottom.
    QList<MessageItem *> rows() const;

signals:
    // Every row is marked or unmarked.
    void signalsLogsChecked(bool checked);
    // Every row shows or hides its check box.
    void signalsLogsVisible(bool visible);

private slots:
    void comboBoxChange(int index);
    void dateTimeChanged();
    void slotsPageEnter();
    void labelExport_pressed();
    void labelDelete_pressed();
    void pushButtonCancel_clicked();
    void pushButtonSelectAll_clicked();

private:
    void loadMessages();
    void fillRoomFilter();

    QtMaterialComboBox *comboBoxType = nullptr;
    QtMaterialComboBox *comboBoxStatus = nullptr;
    QtMaterialComboBox *comboBoxRoom = nullptr;
    QtMaterialDateTimeEdit *dateTimeEditStart = nullptr;
    QtMaterialDateTimeEdit *dateTimeEditEnd = nullptr;
    LogPageFrame frame;
    QList<QPointer<MessageItem>> built;
};
