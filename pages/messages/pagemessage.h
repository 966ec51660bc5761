#pragma once
// The page "Message": the message log filtered by type, status, room and a date-time range, newest first. A row
// opens the message dialog; marked rows are deleted in two steps (and leave the message strip and the room tiles);
// the rows shown are exported to an Excel workbook.

#include "pages/messages/loglistpage.h"

#include <QList>
#include <QPointer>

class MessageItem;
class QtMaterialComboBox;

class PageMessage : public LogListPage
{
    Q_OBJECT

public:
    PageMessage(const QString &id, const QString &name, QWidget *parent);

    // The rows, top to bottom.
    QList<MessageItem *> rows() const;

private slots:
    void comboBoxChange(int index);

private:
    void reload() override;
    void resetFilters() override;
    int markedCount() const override;
    bool isListEmpty() const override;
    bool deleteMarked() override;
    bool writeExport(XlsxWriter &book) override;

    QList<int> markedIds() const;
    void fillRoomFilter();

    QtMaterialComboBox *comboBoxType = nullptr;
    QtMaterialComboBox *comboBoxStatus = nullptr;
    QtMaterialComboBox *comboBoxRoom = nullptr;
    QList<QPointer<MessageItem>> built;
};
