#include "materialwidgets/qtmaterialtabsinkbar.h"

#include "materialwidgets/qtmaterialtab.h"
#include "materialwidgets/qtmaterialtabs.h"
#include "materialwidgets/qtmaterialtabs_p.h"

#include <QEvent>
#include <QPainter>
#include <QPropertyAnimation>

QtMaterialTabsInkBar::QtMaterialTabsInkBar(QtMaterialTabs *parent)
    : QtMaterialOverlayWidget(parent), m_tabs(parent), m_animation(new QPropertyAnimation(parent))
{
    m_animation->setPropertyName("tweenValue");
    m_animation->setEasingCurve(QEasingCurve::OutCirc);
    m_animation->setTargetObject(this);
    m_animation->setDuration(700);

    m_tabs->installEventFilter(this);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void QtMaterialTabsInkBar::setTweenValue(qreal value)
{
    m_tween = value;
    refreshGeometry();
}

void QtMaterialTabsInkBar::refreshGeometry()
{
    // The tabs sit in the scrolling host, so the current tab's rectangle is mapped into the strip.
    QtMaterialTab *tab = m_tabs->d_func()->tabAt(m_tabs->currentIndex());
    if (tab) {
        const QRect g(tab->mapTo(m_tabs, QPoint(0, 0)), tab->size());
        int left = g.left();
        int width = g.width();
        if (m_animation->state() == QAbstractAnimation::Running) {
            left = int((1 - m_tween) * m_previousGeometry.left() + m_tween * g.left());
            width = int((1 - m_tween) * m_previousGeometry.width() + m_tween * g.width());
        }
        m_geometry = QRect(left, g.bottom() - 3, width, 4);
        m_tabs->update();
    }
}

void QtMaterialTabsInkBar::animate()
{
    raise();
    m_previousGeometry = m_geometry;
    m_animation->stop();
    m_animation->setStartValue(0.0);
    m_animation->setEndValue(1.0);
    m_animation->start();
}

bool QtMaterialTabsInkBar::eventFilter(QObject *obj, QEvent *event)
{
    if (obj == m_tabs && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        refreshGeometry();
    return QtMaterialOverlayWidget::eventFilter(obj, event);
}

void QtMaterialTabsInkBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setOpacity(1);
    painter.fillRect(m_geometry, m_tabs->inkColor());
}
