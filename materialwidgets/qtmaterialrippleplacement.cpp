#include "materialwidgets/qtmaterialrippleplacement.h"

#include "materialwidgets/qtmaterialrippleoverlay.h"

#include <QEvent>
#include <QWidget>

void QtMaterialRipplePlacement::create(QWidget *widget)
{
    m_widget = widget;
    auto *overlay = new QtMaterialRippleOverlay(widget->parentWidget());
    m_overlay = overlay;
    m_overlayObject = overlay;
    overlay->installEventFilter(widget);
    if (widget->parentWidget()) {
        overlay->show();
    }
}

void QtMaterialRipplePlacement::destroy()
{
    delete m_overlay.data();
}

void QtMaterialRipplePlacement::place()
{
    if (m_overlay) {
        m_overlay->setGeometry(doubledAround(m_widget->geometry()));
    }
}

void QtMaterialRipplePlacement::widgetEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
        place();
        break;
    case QEvent::ParentChange:
        if (QWidget *parent = m_widget->parentWidget(); parent && m_overlay) {
            m_overlay->setParent(parent);
            m_overlay->show();
            place();
        }
        break;
    default:
        break;
    }
}

void QtMaterialRipplePlacement::overlayEvent(QObject *watched, QEvent *event)
{
    if (watched == m_overlayObject && event->type() == QEvent::Resize) {
        place();
    }
}

void QtMaterialRipplePlacement::addCentredRipple(qreal radius)
{
    if (m_overlay) {
        const QPoint center(qRound(m_overlay->width() / 2.0), qRound(m_overlay->height() / 2.0));
        m_overlay->addRipple(center, radius);
    }
}
