#pragma once
// A transparent, mouse-transparent overlay that paints the running press ripples of the widget it covers.

#include "materialwidgets/qtmaterialoverlaywidget.h"

#include <QList>
#include <QPainterPath>

class QtMaterialRipple;

class QtMaterialRippleOverlay : public QtMaterialOverlayWidget
{
    Q_OBJECT

public:
    explicit QtMaterialRippleOverlay(QWidget *parent = nullptr);
    ~QtMaterialRippleOverlay() override;

    // Takes the ripple over and starts it; it is removed and deleted when its animations end.
    void addRipple(QtMaterialRipple *ripple);
    void addRipple(const QPoint &position, qreal radius = 300);
    void removeRipple(QtMaterialRipple *ripple);

    void setClipping(bool enable);
    bool hasClipping() const { return m_useClip; }

    void setClipPath(const QPainterPath &path);
    QPainterPath clipPath() const { return m_clipPath; }

    QList<QtMaterialRipple *> ripples() const { return m_ripples; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Q_DISABLE_COPY(QtMaterialRippleOverlay)

    QList<QtMaterialRipple *> m_ripples;
    QPainterPath m_clipPath;
    bool m_useClip = false;
};
