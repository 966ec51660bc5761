#include "materialwidgets/qtmaterialfloatingactionbutton.h"

#include "materialwidgets/qtmaterialfloatingactionbutton_p.h"
#include "materialwidgets/qtmaterialrippleoverlay.h"

#include <QEvent>
#include <QGraphicsDropShadowEffect>
#include <QPainter>
#include <QPainterPath>
#include <QState>

QtMaterialFloatingActionButtonPrivate::QtMaterialFloatingActionButtonPrivate(QtMaterialFloatingActionButton *q)
    : QtMaterialFlatButtonPrivate(q)
{
}

QtMaterialFloatingActionButtonPrivate::~QtMaterialFloatingActionButtonPrivate() = default;

void QtMaterialFloatingActionButtonPrivate::init()
{
    Q_Q(QtMaterialFloatingActionButton);

    q->setType(Material::ShadowButton);
    corner = Qt::BottomRightCorner;
    mini = false;
    offsX = 34;
    offsY = 36;
    q->setRole(Material::MainRole);

    q->setFixedSize(DefaultDiameter, DefaultDiameter);
    q->setGeometry(fabGeometry());

    setupProperties();

    if (q->parentWidget()) {
        q->parentWidget()->installEventFilter(q);
    }

    q->setFixedRippleRadius(50);
}

QRect QtMaterialFloatingActionButtonPrivate::fabGeometry() const
{
    Q_Q(const QtMaterialFloatingActionButton);

    QWidget *parent = q->parentWidget();
    if (!parent) {
        return QRect();
    }

    const int s = diameter();
    const int w = parent->width();
    const int h = parent->height();

    switch (corner) {
    case Qt::TopLeftCorner:
        return QRect(offsX, offsY, s, s);
    case Qt::TopRightCorner:
        return QRect(w - s - offsX, offsY, s, s);
    case Qt::BottomLeftCorner:
        return QRect(offsX, h - s - offsY, s, s);
    case Qt::BottomRightCorner:
    default:
        return QRect(w - s - offsX, h - s - offsY, s, s);
    }
}

void QtMaterialFloatingActionButtonPrivate::setupProperties()
{
    if (!shadowEffect || !shadowNormalState || !shadowPressedState) {
        return;
    }
    if (mini) {
        shadowEffect->setColor(QColor(0, 0, 0, 80));
        shadowNormalState->assignProperty(shadowEffect, "offset", QPointF(0, 3));
        shadowNormalState->assignProperty(shadowEffect, "blurRadius", 13);
        shadowPressedState->assignProperty(shadowEffect, "offset", QPointF(0, 7));
        shadowPressedState->assignProperty(shadowEffect, "blurRadius", 20);
    } else {
        shadowEffect->setColor(QColor(0, 0, 0, 105));
        shadowNormalState->assignProperty(shadowEffect, "offset", QPointF(0, 6));
        shadowNormalState->assignProperty(shadowEffect, "blurRadius", 16);
        shadowPressedState->assignProperty(shadowEffect, "offset", QPointF(0, 11));
        shadowPressedState->assignProperty(shadowEffect, "blurRadius", 28);
    }
}

QtMaterialFloatingActionButton::QtMaterialFloatingActionButton(const QIcon &icon, QWidget *parent)
    : QtMaterialFlatButton(*new QtMaterialFloatingActionButtonPrivate(this), parent, 0)
{
    d_func()->init();
    setIcon(icon);
}

QtMaterialFloatingActionButton::~QtMaterialFloatingActionButton() = default;

QSize QtMaterialFloatingActionButton::sizeHint() const
{
    const int s = d_func()->diameter();
    return QSize(s, s);
}

void QtMaterialFloatingActionButton::setMini(bool state)
{
    Q_D(QtMaterialFloatingActionButton);
    if (d->mini == state) {
        return;
    }
    d->mini = state;
    setFixedSize(d->diameter(), d->diameter());
    setFixedRippleRadius(state ? 30 : 50);
    d->setupProperties();
    updateClipPath();
    setGeometry(d->fabGeometry());
    update();
}

bool QtMaterialFloatingActionButton::mini() const
{
    return d_func()->mini;
}

void QtMaterialFloatingActionButton::setCorner(Qt::Corner corner)
{
    Q_D(QtMaterialFloatingActionButton);
    if (d->corner == corner) {
        return;
    }
    d->corner = corner;
    setGeometry(d->fabGeometry());
    update();
}

Qt::Corner QtMaterialFloatingActionButton::corner() const
{
    return d_func()->corner;
}

void QtMaterialFloatingActionButton::setOffset(int x, int y)
{
    setOffset(QPoint(x, y));
}

void QtMaterialFloatingActionButton::setOffset(const QPoint &offset)
{
    Q_D(QtMaterialFloatingActionButton);
    d->offsX = offset.x();
    d->offsY = offset.y();
    setGeometry(d->fabGeometry());
    update();
}

QPoint QtMaterialFloatingActionButton::offset() const
{
    Q_D(const QtMaterialFloatingActionButton);
    return QPoint(d->offsX, d->offsY);
}

bool QtMaterialFloatingActionButton::event(QEvent *event)
{
    Q_D(QtMaterialFloatingActionButton);

    if (QWidget *parent = parentWidget()) {
        switch (event->type()) {
        case QEvent::ParentChange:
            parent->installEventFilter(this);
            setGeometry(d->fabGeometry());
            break;
        case QEvent::ParentAboutToChange:
            parent->removeEventFilter(this);
            break;
        default:
            break;
        }
    }
    return QtMaterialFlatButton::event(event);
}

bool QtMaterialFloatingActionButton::eventFilter(QObject *obj, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (obj == parent() && (type == QEvent::Move || type == QEvent::Resize)) {
        Q_D(QtMaterialFloatingActionButton);
        setGeometry(d->fabGeometry());
    }
    return QtMaterialFlatButton::eventFilter(obj, event);
}

void QtMaterialFloatingActionButton::paintEvent(QPaintEvent *)
{
    Q_D(QtMaterialFloatingActionButton);

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    const int s = d->diameter();
    QRect square(0, 0, s, s);
    square.moveCenter(rect().center());

    painter.setBrush(QBrush(isEnabled() ? backgroundColor() : disabledBackgroundColor()));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(square);

    const int i = d->iconSize();
    QPixmap pixmap = icon().pixmap(QSize(i, i));
    QPainter tint(&pixmap);
    tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
    tint.fillRect(pixmap.rect(), isEnabled() ? foregroundColor() : disabledForegroundColor());
    tint.end();

    const QPoint c = square.center();
    const QRect target = d->mini ? QRect(c.x() - 8, c.y() - 8, 18, 18) : QRect(c.x() - 11, c.y() - 11, 24, 24);
    painter.drawPixmap(target, pixmap);
}

void QtMaterialFloatingActionButton::updateClipPath()
{
    Q_D(QtMaterialFloatingActionButton);
    const int s = d->diameter();
    QPainterPath path;
    path.addEllipse(0, 0, s, s);
    d->rippleOverlay->setClipPath(path);
    d->rippleOverlay->update();
}
