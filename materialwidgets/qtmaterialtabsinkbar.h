#pragma once
// Animated bar under the current tab of a tab strip; the strip marks its tabs itself and does not create one.

#include "materialwidgets/qtmaterialoverlaywidget.h"

class QPropertyAnimation;
class QtMaterialTabs;

class QtMaterialTabsInkBar : public QtMaterialOverlayWidget
{
    Q_OBJECT

    Q_PROPERTY(qreal tweenValue WRITE setTweenValue READ tweenValue)

public:
    explicit QtMaterialTabsInkBar(QtMaterialTabs *parent);

    void setTweenValue(qreal value);
    qreal tweenValue() const { return m_tween; }

    // Places the bar under the strip's current tab, part way along while it slides there.
    void refreshGeometry();
    // Slides the bar from where it is to the current tab.
    void animate();

    QRect barGeometry() const { return m_geometry; }

protected:
    bool eventFilter(QObject *obj, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    Q_DISABLE_COPY(QtMaterialTabsInkBar)

    QtMaterialTabs *const m_tabs;
    QPropertyAnimation *const m_animation;
    QRect m_geometry;
    QRect m_previousGeometry;
    qreal m_tween = 0;
};
