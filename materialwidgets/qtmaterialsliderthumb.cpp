#include "materialwidgets/qtmaterialsliderthumb.h"

#include "materialwidgets/qtmaterialslider.h"

#include <QEvent>
#include <QPainter>

QtMaterialSliderThumb::QtMaterialSliderThumb(QtMaterialSlider *slider)
    : QtMaterialOverlayWidget(slider->parentWidget()), m_slider(slider)
{
    slider->installEventFilter(this);
    setAttribute(Qt::WA_TransparentForMouseEvents, true);
}

void QtMaterialSliderThumb::setDiameter(qreal diameter)
{
    m_diameter = diameter;
    update();
}

void QtMaterialSliderThumb::setBorderWidth(qreal width)
{
    m_borderWidth = width;
    update();
}

void QtMaterialSliderThumb::setBorderColor(const QColor &color)
{
    m_borderColor = color;
    update();
}

void QtMaterialSliderThumb::setFillColor(const QColor &color)
{
    m_fillColor = color;
    update();
}

void QtMaterialSliderThumb::setHaloSize(qreal size)
{
    m_haloSize = size;
    update();
}

void QtMaterialSliderThumb::setHaloColor(const QColor &color)
{
    m_haloColor = color;
    update();
}

void QtMaterialSliderThumb::setOffset(int offset)
{
    m_offset = offset;
    update();
}

bool QtMaterialSliderThumb::eventFilter(QObject *obj, QEvent *event)
{
    if (obj == m_slider && event->type() == QEvent::ParentChange)
        setParent(m_slider->parentWidget());
    return QtMaterialOverlayWidget::eventFilter(obj, event);
}

void QtMaterialSliderThumb::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRect g = m_slider->geometry();
    const bool horizontal = m_slider->orientation() == Qt::Horizontal;
    const QPointF centre = horizontal ? QPointF(g.x() + m_offset + 30, g.y() + g.height() / 2)
                                      : QPointF(g.x() + g.width() / 2, g.y() + m_offset + 30);

    painter.setPen(Qt::NoPen);
    painter.setBrush(m_haloColor);
    painter.setOpacity(0.15);
    painter.drawEllipse(centre, m_haloSize / 2, m_haloSize / 2);

    const bool enabled = m_slider->isEnabled();
    const bool atMinimum = m_slider->value() == m_slider->minimum();

    if (!enabled && atMinimum)
        painter.setBrush(Qt::NoBrush);
    else
        painter.setBrush(enabled ? m_fillColor : m_slider->disabledColor());

    if (!enabled && !atMinimum) {
        painter.setPen(Qt::NoPen);
    } else {
        const qreal width = enabled ? m_borderWidth : 1.7;
        // A zero-width pen would still draw a hairline, so no border means no pen.
        if (width > 0)
            painter.setPen(QPen(m_borderColor, width));
        else
            painter.setPen(Qt::NoPen);
    }

    painter.setOpacity(1);
    const qreal diameter = enabled ? m_diameter : 7;
    painter.drawEllipse(centre, diameter / 2, diameter / 2);
}
