#pragma once
// The press ripple: an expanding, fading disc painted by a ripple overlay.

#include <QBrush>
#include <QParallelAnimationGroup>
#include <QPoint>
#include <QPointer>

class QPropertyAnimation;
class QtMaterialRippleOverlay;

class QtMaterialRipple : public QParallelAnimationGroup
{
    Q_OBJECT

    Q_PROPERTY(qreal radius WRITE setRadius READ radius)
    Q_PROPERTY(qreal opacity WRITE setOpacity READ opacity)

public:
    explicit QtMaterialRipple(const QPoint &center, QObject *parent = nullptr);
    QtMaterialRipple(const QPoint &center, QtMaterialRippleOverlay *overlay, QObject *parent = nullptr);
    ~QtMaterialRipple() override;

    void setOverlay(QtMaterialRippleOverlay *overlay);
    QtMaterialRippleOverlay *overlay() const { return m_overlay; }

    void setRadius(qreal radius);
    qreal radius() const { return m_radius; }

    void setOpacity(qreal opacity);
    qreal opacity() const { return m_opacity; }

    void setColor(const QColor &color);
    void setBrush(const QBrush &brush);
    QBrush brush() const { return m_brush; }

    QPoint center() const { return m_center; }

    QPropertyAnimation *radiusAnimation() const { return m_radiusAnimation; }
    QPropertyAnimation *opacityAnimation() const { return m_opacityAnimation; }

protected slots:
    void destroy();

private:
    Q_DISABLE_COPY(QtMaterialRipple)

    QPropertyAnimation *animate(const QByteArray &property, qreal startValue, qreal endValue);
    void init();
    void repaintOverlay();

    QPointer<QtMaterialRippleOverlay> m_overlay;
    QPropertyAnimation *m_radiusAnimation = nullptr;
    QPropertyAnimation *m_opacityAnimation = nullptr;
    qreal m_radius = 0;
    qreal m_opacity = 0;
    QPoint m_center;
    QBrush m_brush;
};
