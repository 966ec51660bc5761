#pragma once
// One device-log entry as a row of the log page: when, where, which device and what happened. In the page's
// delete mode it shows a check box and a press marks or unmarks it.

#include "core/devicelog.h"
#include "pages/messages/logrow.h"

class LogItem : public LogRow
{
    Q_OBJECT

public:
    LogItem(logRecord record, QWidget *parent);

    // The three text columns: time, address, and device with event.
    QList<TextCell> textCells() const override;
    QColor textColor() const override;

    logRecord logInfo() const { return record; }

private:
    logRecord record;
};
