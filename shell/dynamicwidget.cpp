#include "shell/dynamicwidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QtMath>

const QColor DynamicWidget::pressColor(0x55, 0x7F, 0xA3);

DynamicWidget::DynamicWidget(const QColor &background, QWidget *parent)
    : QWidget(parent), baseColor(background), currentColor(background)
{
}

void DynamicWidget::setRound(bool value)
{
    round = value;
    update();
}

void DynamicWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        pressed = true;
        currentColor = pressColor;
        update();
    }
    QWidget::mousePressEvent(event);
}

void DynamicWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (pressed && event->button() == Qt::LeftButton) {
        pressed = false;
        currentColor = baseColor;
        update();
        // Only a release over the tile counts as a click; dragging off it cancels.
        const QPoint at(qFloor(event->localPos().x() + 0.5), qFloor(event->localPos().y() + 0.5));
        if (rect().contains(at))
            emit signalsPressed();
    }
    QWidget::mouseReleaseEvent(event);
}

void DynamicWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(currentColor);
    if (round) {
        const int side = qMin(width(), height());
        painter.drawEllipse(QRect((width() - side) / 2, (height() - side) / 2, side, side));
    } else {
        painter.drawRoundedRect(QRect(0, 0, width(), height()), 10, 10, Qt::AbsoluteSize);
    }
}
