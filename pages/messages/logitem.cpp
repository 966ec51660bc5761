#include "pages/messages/logitem.h"

LogItem::LogItem(logRecord value, QWidget *parent) : LogRow(parent), record(value)
{
    // A record from elsewhere may have filled a field to its last byte.
    record.log_address[255] = record.log_device[255] = record.log_event[255] = record.log_time[255] = '\0';
    setToolTip(QString::asprintf("%s %s", record.log_device, record.log_event));
}

QList<LogRow::TextCell> LogItem::textCells() const
{
    const int w = width();
    const int h = height();
    const int q = w / 4;
    return {{QRect(0, 0, q, h), QString::fromUtf8(record.log_time), Qt::AlignCenter},
            {QRect(q, 0, q, h), QString::fromUtf8(record.log_address), Qt::AlignCenter},
            {QRect(w / 2, 0, w / 2, h), QString::asprintf("%s %s", record.log_device, record.log_event),
             Qt::AlignLeft | Qt::AlignVCenter}};
}

QColor LogItem::textColor() const
{
    return Qt::white;
}
