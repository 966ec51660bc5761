#include "materialwidgets/qtmaterialswitchthumb.h"

#include "materialwidgets/qtmaterialswitch.h"

#include <QEvent>
#include <QGraphicsDropShadowEffect>
#include <QPainter>

QtMaterialSwitchThumb::QtMaterialSwitchThumb(QtMaterialSwitch *parent) : QWidget(parent), m_switch(parent)
{
    auto *effect = new QGraphicsDropShadowEffect;
    effect->setBlurRadius(6);
    effect->setColor(QColor(0, 0, 0, 80));
    effect->setOffset(QPointF(0, 1));
    setGraphicsEffect(effect);
}

QtMaterialSwitchThumb::~QtMaterialSwitchThumb() = default;

void QtMaterialSwitchThumb::setShift(qreal shift)
{
    if (m_shift == shift) {
        return;
    }
    m_shift = shift;
    updateOffset();
}

void QtMaterialSwitchThumb::setThumbColor(const QColor &color)
{
    m_thumbColor = color;
    update();
}

bool QtMaterialSwitchThumb::event(QEvent *event)
{
    if (event->type() == QEvent::Resize) {
        updateOffset();
    }
    return QWidget::event(event);
}

void QtMaterialSwitchThumb::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_switch->isEnabled() ? m_thumbColor : QColor(Qt::white));

    QRectF circle;
    if (m_switch->orientation() == Qt::Horizontal) {
        const qreal d = height() - 10;
        circle = QRectF(m_offset + 5, 5, d, d);
    } else {
        const qreal d = width() - 10;
        circle = QRectF(5, m_offset + 5, d, d);
    }
    painter.drawEllipse(circle);

    if (!m_switch->isEnabled()) {
        painter.setBrush(m_switch->disabledColor());
        painter.drawEllipse(circle);
    }
}

void QtMaterialSwitchThumb::updateOffset()
{
    const QSize s = size();
    m_offset = m_switch->orientation() == Qt::Horizontal ? (s.width() - s.height()) * m_shift
                                                         : (s.height() - s.width()) * m_shift;
    update();
}
