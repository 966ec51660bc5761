#pragma once
// One device-log entry as a row of the log page: when, where, which device and what happened. In the page's
// delete mode it shows a check box and a press marks or unmarks it.

#include "shell/dynamicwidget.h"

#include <QList>
#include <QRect>
#include <QString>
#include <QtGlobal>

class QSqlQuery;

// One row of tbl_log.
struct logRecord
{
    qint32 id;
    qint32 log_type;       // 0 device status, 1 device alert
    char log_address[256]; // "region-floor-room", NUL-terminated UTF-8
    char log_device[256];  // the panel's key of the device
    char log_event[256];   // what happened
    char log_time[256];    // "yyyy-MM-dd hh:mm:ss", local time
};

// The current row of a query on tbl_log as a record; texts longer than a field are cut before the first
// character that does not fit whole.
logRecord logRecordFromRow(const QSqlQuery &query);

class LogItem : public DynamicWidget
{
    Q_OBJECT

public:
    LogItem(logRecord record, QWidget *parent);

    bool isChecked() const { return checked; }
    bool isCheckBoxVisible() const { return checkBoxVisible; }
    logRecord logInfo() const { return record; }

    // The three text columns as painted at the row's current size, before eliding.
    struct TextCell
    {
        QRect rect;
        QString text;
        int flags;
    };
    QList<TextCell> textCells() const;

public slots:
    void slotsPressed();
    void slotsLogsChecked(bool checked);
    void slotsLogsVisible(bool visible);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    logRecord record;
    bool checked = false;
    bool checkBoxVisible = false;
};
