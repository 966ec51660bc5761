#include "materialwidgets/qtmaterialoverlaywidget.h"

#include <QEvent>

QtMaterialOverlayWidget::QtMaterialOverlayWidget(QWidget *parent) : QWidget(parent)
{
    if (parent) {
        parent->installEventFilter(this);
    }
}

QtMaterialOverlayWidget::~QtMaterialOverlayWidget() = default;

bool QtMaterialOverlayWidget::event(QEvent *event)
{
    if (parentWidget()) {
        switch (event->type()) {
        case QEvent::ParentChange:
            parentWidget()->installEventFilter(this);
            setGeometry(overlayGeometry());
            break;
        case QEvent::ParentAboutToChange:
            parentWidget()->removeEventFilter(this);
            break;
        default:
            break;
        }
    }
    return QWidget::event(event);
}

bool QtMaterialOverlayWidget::eventFilter(QObject *obj, QEvent *event)
{
    if (obj == parent() && (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
        setGeometry(overlayGeometry());
    }
    return QWidget::eventFilter(obj, event);
}

QRect QtMaterialOverlayWidget::overlayGeometry() const
{
    QWidget *widget = parentWidget();
    return widget ? widget->rect() : QRect();
}
