#include "panels/colorlabel.h"

#include <QPainter>

ColorLabel::ColorLabel(QWidget *parent) : QWidget(parent)
{
    setFixedSize(40, 40);
}

void ColorLabel::setColor(const QColor &color)
{
    swatchColor = color;
    update();
}

void ColorLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(Qt::NoPen);
    painter.setBrush(swatchColor);
    painter.drawEllipse(rect());
}
