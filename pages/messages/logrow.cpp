#include "pages/messages/logrow.h"

#include "materialwidgets/picturefile.h"
#include "materialwidgets/qtmaterialstyle.h"

#include <QPainter>
#include <QPixmap>

LogRow::LogRow(QWidget *parent) : DynamicWidget(QColor(61, 83, 102), parent)
{
    setFixedHeight(40);
    connect(this, &DynamicWidget::signalsPressed, this, &LogRow::slotsPressed);
}

void LogRow::slotsPressed()
{
    toggleMark();
}

bool LogRow::toggleMark()
{
    if (!checkBoxVisible)
        return false;
    checked = !checked;
    update();
    return true;
}

void LogRow::slotsLogsChecked(bool value)
{
    checked = value;
    update();
}

void LogRow::slotsLogsVisible(bool visible)
{
    checkBoxVisible = visible;
    update();
}

void LogRow::paintBeforeTexts(QPainter &) {}

void LogRow::paintEvent(QPaintEvent *event)
{
    DynamicWidget::paintEvent(event);

    const int w = width();
    const int h = height();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (checkBoxVisible) {
        // At the left, centred in the row's height.
        const QString box = checked ? ":/myImages/png/icon_checkbox2_on.png" : ":/myImages/png/icon_checkbox2_off.png";
        painter.drawPixmap(QRect(20, (h - 20) / 2, 20, 20), picturePixmap(box));
    }

    painter.setBrush(Qt::NoBrush);
    painter.setPen(textColor());
    painter.setFont(QtMaterialStyle::instance().themeFont(8));
    paintBeforeTexts(painter);
    for (const TextCell &cell : textCells()) {
        const QString text = painter.fontMetrics().elidedText(cell.text, Qt::ElideRight, cell.rect.width());
        painter.drawText(cell.rect, cell.flags, text);
    }

    painter.setPen(Qt::lightGray);
    painter.drawLine(0, h - 1, w - 1, h - 1);
}
