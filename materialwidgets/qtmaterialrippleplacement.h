#pragma once
// The ripple overlay of a label or icon button: a sibling in the widget's parent, twice the widget's size and
// centred on it, so that a press ripple may spread past the widget's edges.

#include <QPointer>
#include <QRect>

class QEvent;
class QObject;
class QWidget;
class QtMaterialRippleOverlay;

// Where the overlay lies for a widget of the given geometry.
inline QRect doubledAround(const QRect &geometry)
{
    const int w = geometry.width();
    const int h = geometry.height();
    const int left = (geometry.left() + geometry.right()) / 2 - (2 * w - 1) / 2;
    const int top = (geometry.top() + geometry.bottom()) / 2 - (2 * h - 1) / 2;
    return QRect(left, top, 2 * w, 2 * h);
}

class QtMaterialRipplePlacement
{
public:
    // Makes the overlay in the widget's parent, shown when there is one, and has the widget watch it: the
    // widget's eventFilter passes on to overlayEvent.
    void create(QWidget *widget);
    // Deletes the overlay, unless the parent already has.
    void destroy();

    // Lays the overlay around the widget.
    void place();
    // For the widget's own event(): follows its moves, resizes and a new parent.
    void widgetEvent(QEvent *event);
    // For the widget's eventFilter: lays the overlay around the widget again when it was resized.
    void overlayEvent(QObject *watched, QEvent *event);
    // Starts a ripple of the given radius at the overlay's centre.
    void addCentredRipple(qreal radius);

private:
    QWidget *m_widget = nullptr;
    // Lives in the widget's parent, so the parent may already have deleted it.
    QPointer<QtMaterialRippleOverlay> m_overlay;
    // The same overlay as a plain object, so overlayEvent can recognise it while it is being destroyed:
    // converting the guarded pointer casts to the overlay's class, which a half-destroyed overlay no longer is.
    QObject *m_overlayObject = nullptr;
};
