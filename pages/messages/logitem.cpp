#include "pages/messages/logitem.h"

#include "core/queryhelpers.h"
#include "devicelink/messagerecords.h"
#include "materialwidgets/qtmaterialstyle.h"
#include "pages/messages/logpageframe.h"

#include <QPainter>
#include <QPixmap>
#include <QSqlQuery>

#include <cstring>

logRecord logRecordFromRow(const QSqlQuery &query)
{
    logRecord record;
    std::memset(&record, 0, sizeof record);
    record.id = queryColumnInt(query, "id");
    record.log_type = queryColumnInt(query, "log_type");
    copyRecordText(record.log_address, queryColumnText(query, "log_address"));
    copyRecordText(record.log_device, queryColumnText(query, "log_device"));
    copyRecordText(record.log_event, queryColumnText(query, "log_event"));
    copyRecordText(record.log_time, queryColumnText(query, "log_time"));
    return record;
}

LogItem::LogItem(logRecord value, QWidget *parent) : DynamicWidget(QColor(61, 83, 102), parent), record(value)
{
    // A record from elsewhere may have filled a field to its last byte.
    record.log_address[255] = record.log_device[255] = record.log_event[255] = record.log_time[255] = '\0';
    setFixedHeight(40);
    setToolTip(QString::asprintf("%s %s", record.log_device, record.log_event));
    connect(this, &DynamicWidget::signalsPressed, this, &LogItem::slotsPressed);
}

void LogItem::slotsPressed()
{
    if (!checkBoxVisible)
        return;
    checked = !checked;
    update();
}

void LogItem::slotsLogsChecked(bool value)
{
    checked = value;
    update();
}

void LogItem::slotsLogsVisible(bool visible)
{
    checkBoxVisible = visible;
    update();
}

QList<LogItem::TextCell> LogItem::textCells() const
{
    const int w = width();
    const int h = height();
    const int q = w / 4;
    return {{QRect(0, 0, q, h), QString::fromUtf8(record.log_time), Qt::AlignCenter},
            {QRect(q, 0, q, h), QString::fromUtf8(record.log_address), Qt::AlignCenter},
            {QRect(w / 2, 0, w / 2, h), QString::asprintf("%s %s", record.log_device, record.log_event),
             Qt::AlignLeft | Qt::AlignVCenter}};
}

void LogItem::paintEvent(QPaintEvent *event)
{
    DynamicWidget::paintEvent(event);

    const int w = width();
    const int h = height();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (checkBoxVisible)
        LogPageFrame::paintRowCheckBox(painter, h, checked);

    painter.setBrush(Qt::NoBrush);
    painter.setFont(QtMaterialStyle::instance().themeFont(8));
    painter.setPen(Qt::white);
    for (const TextCell &cell : textCells()) {
        const QString text = painter.fontMetrics().elidedText(cell.text, Qt::ElideRight, cell.rect.width());
        painter.drawText(cell.rect, cell.flags, text);
    }

    painter.setPen(Qt::lightGray);
    painter.drawLine(0, h - 1, w - 1, h - 1);
}
