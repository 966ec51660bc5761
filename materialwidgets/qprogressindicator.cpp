#include "materialwidgets/qprogressindicator.h"

#include <QPainter>
#include <QTimerEvent>

QProgressIndicator::QProgressIndicator(QWidget *parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(64, 64);
}

bool QProgressIndicator::isAnimated() const
{
    return m_timerId != -1;
}

bool QProgressIndicator::isDisplayedWhenStopped() const
{
    return m_displayedWhenStopped;
}

QSize QProgressIndicator::sizeHint() const
{
    return QSize(20, 20);
}

int QProgressIndicator::heightForWidth(int w) const
{
    return w;
}

void QProgressIndicator::startAnimation()
{
    // The pages drop the wheel into a layout-free spot at the top centre of whatever hosts it.
    if (QWidget *host = parentWidget())
        move(host->width() / 2, 0);
    m_angle = 0;
    stopAnimation();
    m_timerId = startTimer(m_delay);
}

void QProgressIndicator::stopAnimation()
{
    if (m_timerId != -1)
        killTimer(m_timerId);
    m_timerId = -1;
    update();
}

void QProgressIndicator::setAnimationDelay(int delay)
{
    m_delay = delay;
    if (m_timerId != -1) {
        killTimer(m_timerId);
        m_timerId = startTimer(m_delay);
    }
}

void QProgressIndicator::setDisplayedWhenStopped(bool state)
{
    m_displayedWhenStopped = state;
    update();
}

void QProgressIndicator::setColor(QColor color)
{
    m_color = color;
    update();
}

void QProgressIndicator::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_timerId) {
        QWidget::timerEvent(event);
        return;
    }
    m_angle = (m_angle + 30) % 360;
    update();
}

void QProgressIndicator::paintEvent(QPaintEvent *)
{
    if (!m_displayedWhenStopped && !isAnimated())
        return;

    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);

    const int d = qMin(width(), height());
    const int outerRadius = int((d - 1) * 0.5);
    const int innerRadius = int((d - 1) * 0.5 * 0.38);
    const int capsuleHeight = outerRadius - innerRadius;
    const int capsuleWidth = d > 32 ? int(capsuleHeight * 0.23) : int(capsuleHeight * 0.35);
    const int capsuleRadius = capsuleWidth / 2;

    for (int i = 0; i < 12; ++i) {
        QColor c = m_color;
        c.setAlphaF(1.0 - i / 12.0);
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.save();
        p.translate((width() - 1) / 2, (height() - 1) / 2);
        p.rotate(m_angle - i * 30.0);
        p.drawRoundedRect(-int(capsuleWidth * 0.5), -outerRadius, capsuleWidth, capsuleHeight, capsuleRadius,
                          capsuleRadius);
        p.restore();
    }
}
