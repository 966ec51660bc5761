#include "materialwidgets/qtmaterialrippleoverlay.h"

#include "materialwidgets/qtmaterialripple.h"

#include <QPainter>
#include <QPropertyAnimation>

QtMaterialRippleOverlay::QtMaterialRippleOverlay(QWidget *parent) : QtMaterialOverlayWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

QtMaterialRippleOverlay::~QtMaterialRippleOverlay() = default;

void QtMaterialRippleOverlay::addRipple(QtMaterialRipple *ripple)
{
    ripple->setOverlay(this);
    m_ripples.push_back(ripple);
    ripple->start();
    // A ripple still running when the overlay dies must neither paint nor leak.
    connect(this, &QObject::destroyed, ripple, &QAbstractAnimation::stop);
    connect(this, &QObject::destroyed, ripple, &QObject::deleteLater);
}

void QtMaterialRippleOverlay::addRipple(const QPoint &position, qreal radius)
{
    auto *ripple = new QtMaterialRipple(position);
    ripple->radiusAnimation()->setEndValue(radius);
    addRipple(ripple);
}

void QtMaterialRippleOverlay::removeRipple(QtMaterialRipple *ripple)
{
    if (!m_ripples.removeOne(ripple)) {
        return;
    }
    // Deferred: this is usually reached from the ripple's own finished() notification.
    ripple->stop();
    ripple->deleteLater();
    update();
}

void QtMaterialRippleOverlay::setClipping(bool enable)
{
    m_useClip = enable;
    update();
}

void QtMaterialRippleOverlay::setClipPath(const QPainterPath &path)
{
    m_clipPath = path;
    update();
}

void QtMaterialRippleOverlay::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);

    if (m_useClip) {
        painter.setClipPath(m_clipPath);
    }

    for (QtMaterialRipple *ripple : qAsConst(m_ripples)) {
        const qreal radius = ripple->radius();
        const QPointF center = ripple->center();
        painter.setOpacity(ripple->opacity());
        painter.setBrush(ripple->brush());
        painter.drawEllipse(QRectF(center.x() - radius, center.y() - radius, 2 * radius, 2 * radius));
    }
}
