#include "materialwidgets/qtmaterialswitchrippleoverlay.h"

#include "materialwidgets/qtmaterialripple.h"
#include "materialwidgets/qtmaterialswitch.h"
#include "materialwidgets/qtmaterialswitchthumb.h"
#include "materialwidgets/qtmaterialswitchtrack.h"

#include <QEvent>
#include <QPropertyAnimation>

QtMaterialSwitchRippleOverlay::QtMaterialSwitchRippleOverlay(QtMaterialSwitchThumb *thumb, QtMaterialSwitchTrack *track,
                                                             QtMaterialSwitch *parent)
    : QtMaterialRippleOverlay(parent->parentWidget()), m_switch(parent), m_thumb(thumb), m_track(track)
{
    connect(parent, &QAbstractButton::toggled, this, &QtMaterialSwitchRippleOverlay::addSwitchRipple);
    thumb->installEventFilter(this);
}

QtMaterialSwitchRippleOverlay::~QtMaterialSwitchRippleOverlay() = default;

QRect QtMaterialSwitchRippleOverlay::overlayGeometry() const
{
    const qreal offset = m_thumb->offset();
    const QRect s = m_switch->geometry();
    QRect r;
    if (m_switch->orientation() == Qt::Horizontal) {
        r.setCoords(s.left() + int(offset - 10), s.top() - 20, s.right() + int(offset + 10), s.bottom() + 20);
    } else {
        r.setCoords(s.left() - 10, s.top() + int(offset - 20), s.right() + 10, s.bottom() + int(offset + 20));
    }
    return r;
}

void QtMaterialSwitchRippleOverlay::addSwitchRipple()
{
    if (!m_switch->isEnabled()) {
        return;
    }

    const int r = m_switch->orientation() == Qt::Horizontal ? m_track->height() / 2 + 10 : m_track->width() / 2 + 10;
    auto *ripple = new QtMaterialRipple(QPoint(r, r + 10));
    ripple->setColor(m_track->trackColor());
    ripple->radiusAnimation()->setEndValue(r);
    ripple->opacityAnimation()->setStartValue(0.8);
    addRipple(ripple);
}

bool QtMaterialSwitchRippleOverlay::eventFilter(QObject *obj, QEvent *event)
{
    if (obj == m_thumb && event->type() == QEvent::Paint) {
        setGeometry(overlayGeometry());
        const QColor color = m_track->trackColor();
        for (QtMaterialRipple *ripple : ripples()) {
            ripple->setColor(color);
        }
    }
    return QtMaterialRippleOverlay::eventFilter(obj, event);
}
