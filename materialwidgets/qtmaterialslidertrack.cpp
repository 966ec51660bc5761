#include "materialwidgets/qtmaterialslidertrack.h"

#include "materialwidgets/qtmaterialslider.h"
#include "materialwidgets/qtmaterialsliderthumb.h"

#include <QEvent>
#include <QPainter>

QtMaterialSliderTrack::QtMaterialSliderTrack(QtMaterialSliderThumb *thumb, QtMaterialSlider *slider)
    : QtMaterialOverlayWidget(slider->parentWidget()), m_slider(slider), m_thumb(thumb)
{
    slider->installEventFilter(this);
    setAttribute(Qt::WA_TransparentForMouseEvents, true);
    connect(slider, &QAbstractSlider::sliderMoved, this, qOverload<>(&QWidget::update));
}

void QtMaterialSliderTrack::setFillColor(const QColor &color)
{
    m_fillColor = color;
    update();
}

void QtMaterialSliderTrack::setTrackWidth(int width)
{
    m_trackWidth = width;
    update();
}

bool QtMaterialSliderTrack::eventFilter(QObject *obj, QEvent *event)
{
    if (obj == m_slider && event->type() == QEvent::ParentChange)
        setParent(m_slider->parentWidget());
    return QtMaterialOverlayWidget::eventFilter(obj, event);
}

void QtMaterialSliderTrack::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    const bool enabled = m_slider->isEnabled();
    const QBrush filled(enabled ? m_slider->thumbColor() : m_slider->disabledColor());
    const QBrush rest(enabled ? m_fillColor : m_slider->disabledColor());

    const QRect g = m_slider->geometry();
    const bool horizontal = m_slider->orientation() == Qt::Horizontal;
    const qreal half = m_trackWidth / 2.0;
    if (horizontal)
        painter.translate(g.x() + 30, g.y() + g.height() / 2 - half);
    else
        painter.translate(g.x() + g.width() / 2 - half, g.y() + 30);

    const int o = m_thumb->offset();
    QRectF bar;
    QRectF part1;
    QRectF part2;
    if (horizontal) {
        bar = QRectF(0, 0, g.width() - 60, m_trackWidth);
        part1 = QRectF(0, 0, o, m_trackWidth);
        part2 = QRectF(o, 0, g.width(), m_trackWidth).intersected(bar);
    } else {
        bar = QRectF(0, 0, m_trackWidth, g.height() - 60);
        part1 = QRectF(0, 0, m_trackWidth, o);
        part2 = QRectF(0, o, m_trackWidth, g.height()).intersected(bar);
    }

    // A disabled slider leaves a gap of 6 px on each side of its small thumb.
    if (!enabled) {
        if (horizontal) {
            part1 = part1.width() < 9 ? QRectF() : part1.adjusted(0, 0, -6, 0);
            part2 = part2.width() < 9 ? QRectF() : part2.adjusted(6, 0, 0, 0);
        } else {
            part1 = part1.height() < 9 ? QRectF() : part1.adjusted(0, 0, 0, -6);
            part2 = part2.height() < 9 ? QRectF() : part2.adjusted(0, 6, 0, 0);
        }
    }

    if (m_slider->invertedAppearance())
        qSwap(part1, part2);

    painter.fillRect(part2, rest);
    painter.fillRect(part1, filled);
}
