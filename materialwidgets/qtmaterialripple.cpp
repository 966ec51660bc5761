#include "materialwidgets/qtmaterialripple.h"

#include "materialwidgets/qtmaterialrippleoverlay.h"

#include <QPropertyAnimation>

QtMaterialRipple::QtMaterialRipple(const QPoint &center, QObject *parent)
    : QParallelAnimationGroup(parent), m_center(center)
{
    init();
}

QtMaterialRipple::QtMaterialRipple(const QPoint &center, QtMaterialRippleOverlay *overlay, QObject *parent)
    : QParallelAnimationGroup(parent), m_overlay(overlay), m_center(center)
{
    init();
}

QtMaterialRipple::~QtMaterialRipple() = default;

void QtMaterialRipple::setOverlay(QtMaterialRippleOverlay *overlay)
{
    m_overlay = overlay;
}

void QtMaterialRipple::setRadius(qreal radius)
{
    if (m_radius == radius) {
        return;
    }
    m_radius = radius;
    repaintOverlay();
}

void QtMaterialRipple::setOpacity(qreal opacity)
{
    if (m_opacity == opacity) {
        return;
    }
    m_opacity = opacity;
    repaintOverlay();
}

void QtMaterialRipple::setColor(const QColor &color)
{
    if (m_brush.color() == color) {
        return;
    }
    m_brush.setColor(color);
    repaintOverlay();
}

void QtMaterialRipple::setBrush(const QBrush &brush)
{
    m_brush = brush;
    repaintOverlay();
}

void QtMaterialRipple::destroy()
{
    if (m_overlay) {
        m_overlay->removeRipple(this);
    }
}

QPropertyAnimation *QtMaterialRipple::animate(const QByteArray &property, qreal startValue, qreal endValue)
{
    auto *animation = new QPropertyAnimation;
    animation->setTargetObject(this);
    animation->setPropertyName(property);
    animation->setEasingCurve(QEasingCurve::OutQuad);
    animation->setStartValue(startValue);
    animation->setEndValue(endValue);
    animation->setDuration(800);
    addAnimation(animation);
    return animation;
}

void QtMaterialRipple::init()
{
    m_radiusAnimation = animate("radius", 0, 300);
    m_opacityAnimation = animate("opacity", 0.5, 0);
    m_brush.setColor(Qt::black);
    m_brush.setStyle(Qt::SolidPattern);
    connect(this, &QAbstractAnimation::finished, this, &QtMaterialRipple::destroy);
}

void QtMaterialRipple::repaintOverlay()
{
    if (m_overlay) {
        m_overlay->update();
    }
}
