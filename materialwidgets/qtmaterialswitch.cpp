#include "materialwidgets/qtmaterialswitch.h"

#include "materialwidgets/qtmaterialstatetransition.h"
#include "materialwidgets/qtmaterialstyle.h"
#include "materialwidgets/qtmaterialswitch_p.h"
#include "materialwidgets/qtmaterialswitchrippleoverlay.h"
#include "materialwidgets/qtmaterialswitchthumb.h"
#include "materialwidgets/qtmaterialswitchtrack.h"

#include <QEvent>
#include <QPainter>
#include <QPropertyAnimation>
#include <QSignalTransition>
#include <QState>
#include <QStateMachine>

QtMaterialSwitchPrivate::QtMaterialSwitchPrivate(QtMaterialSwitch *q) : q_ptr(q) {}

QtMaterialSwitchPrivate::~QtMaterialSwitchPrivate() = default;

void QtMaterialSwitchPrivate::init()
{
    Q_Q(QtMaterialSwitch);

    track = new QtMaterialSwitchTrack(q);
    thumb = new QtMaterialSwitchThumb(q);
    rippleOverlay = new QtMaterialSwitchRippleOverlay(thumb, track, q);
    if (q->parentWidget()) {
        rippleOverlay->show();
    }
    stateMachine = new QStateMachine(q);
    offState = new QState;
    onState = new QState;
    orientation = Qt::Horizontal;
    useThemeColors = true;

    q->setFont(QtMaterialStyle::instance().themeFont(8));
    q->setCheckable(true);
    q->setChecked(false);
    q->setSizePolicy(QSizePolicy(QSizePolicy::Maximum, QSizePolicy::Maximum));

    stateMachine->addState(offState);
    stateMachine->addState(onState);
    stateMachine->setInitialState(offState);

    offState->assignProperty(thumb, "shift", 0);
    onState->assignProperty(thumb, "shift", 1);

    const auto addTransition = [this, q](QState *from, QState *to) {
        auto *transition = new QSignalTransition(q, SIGNAL(toggled(bool)));
        transition->setTargetState(to);
        from->addTransition(transition);

        auto *animation = new QPropertyAnimation(thumb, "shift", q);
        animation->setDuration(200);
        animation->setEasingCurve(QEasingCurve::OutQuad);
        transition->addAnimation(animation);

        animation = new QPropertyAnimation(track, "trackColor", q);
        animation->setDuration(150);
        transition->addAnimation(animation);

        animation = new QPropertyAnimation(thumb, "thumbColor", q);
        animation->setDuration(150);
        transition->addAnimation(animation);
    };
    addTransition(offState, onState);
    addTransition(onState, offState);

    setupProperties();

    startStateMachineNow(stateMachine);
}

void QtMaterialSwitchPrivate::setupProperties()
{
    Q_Q(QtMaterialSwitch);

    if (q->isEnabled()) {
        const qreal shift = thumb->shift();
        if (qFuzzyCompare(shift, 1)) {
            thumb->setThumbColor(q->activeColor());
            track->setTrackColor(q->activeColor().lighter(110));
        } else if (qFuzzyIsNull(shift)) {
            thumb->setThumbColor(q->inactiveColor());
            track->setTrackColor(q->trackColor());
        }
    }

    offState->assignProperty(track, "trackColor", q->trackColor().lighter(110));
    onState->assignProperty(track, "trackColor", q->activeColor().lighter(110));

    offState->assignProperty(thumb, "thumbColor", q->inactiveColor());
    onState->assignProperty(thumb, "thumbColor", q->activeColor());

    q->update();
}

QtMaterialSwitch::QtMaterialSwitch(QWidget *parent) : QAbstractButton(parent), d_ptr(new QtMaterialSwitchPrivate(this))
{
    d_func()->init();
}

QtMaterialSwitch::QtMaterialSwitch(Qt::Orientation orientation, QWidget *parent) : QtMaterialSwitch(parent)
{
    setOrientation(orientation);
}

QtMaterialSwitch::~QtMaterialSwitch()
{
    Q_D(QtMaterialSwitch);
    // The machine's transitions listen to this switch; they must not outlive its teardown.
    delete d->stateMachine;
    d->stateMachine = nullptr;
    // The overlay sits in the parent; a switch removed from a form that stays must not leave it behind.
    delete d->rippleOverlay.data();
}

void QtMaterialSwitch::setUseThemeColors(bool value)
{
    Q_D(QtMaterialSwitch);
    d->useThemeColors = value;
    d->setupProperties();
}

bool QtMaterialSwitch::useThemeColors() const
{
    return d_func()->useThemeColors;
}

void QtMaterialSwitch::setOrientation(Qt::Orientation orientation)
{
    Q_D(QtMaterialSwitch);
    if (d->orientation == orientation) {
        return;
    }
    d->orientation = orientation;
    updateGeometry();
}

Qt::Orientation QtMaterialSwitch::orientation() const
{
    return d_func()->orientation;
}

void QtMaterialSwitch::setDisabledColor(const QColor &color)
{
    Q_D(QtMaterialSwitch);
    d->disabledColor = color;
    d->useThemeColors = false;
    d->setupProperties();
}

QColor QtMaterialSwitch::disabledColor() const
{
    Q_D(const QtMaterialSwitch);
    if (!d->useThemeColors && d->disabledColor.isValid()) {
        return d->disabledColor;
    }
    return QtMaterialStyle::instance().themeColor(12);
}

void QtMaterialSwitch::setActiveColor(const QColor &color)
{
    Q_D(QtMaterialSwitch);
    d->activeColor = color;
    d->useThemeColors = false;
    d->setupProperties();
}

QColor QtMaterialSwitch::activeColor() const
{
    Q_D(const QtMaterialSwitch);
    if (!d->useThemeColors && d->activeColor.isValid()) {
        return d->activeColor;
    }
    return QtMaterialStyle::instance().themeColor(0);
}

void QtMaterialSwitch::setInactiveColor(const QColor &color)
{
    Q_D(QtMaterialSwitch);
    d->inactiveColor = color;
    d->useThemeColors = false;
    d->setupProperties();
}

QColor QtMaterialSwitch::inactiveColor() const
{
    Q_D(const QtMaterialSwitch);
    if (!d->useThemeColors && d->inactiveColor.isValid()) {
        return d->inactiveColor;
    }
    return QtMaterialStyle::instance().themeColor(10);
}

void QtMaterialSwitch::setTrackColor(const QColor &color)
{
    Q_D(QtMaterialSwitch);
    d->trackColor = color;
    d->useThemeColors = false;
    d->setupProperties();
}

QColor QtMaterialSwitch::trackColor() const
{
    Q_D(const QtMaterialSwitch);
    if (!d->useThemeColors && d->trackColor.isValid()) {
        return d->trackColor;
    }
    return QtMaterialStyle::instance().themeColor(6);
}

void QtMaterialSwitch::setTextColor(const QColor &color)
{
    Q_D(QtMaterialSwitch);
    d->textColor = color;
    d->useThemeColors = false;
    update();
}

QColor QtMaterialSwitch::textColor() const
{
    Q_D(const QtMaterialSwitch);
    if (!d->useThemeColors && d->textColor.isValid()) {
        return d->textColor;
    }
    return QtMaterialStyle::instance().themeColor(8);
}

QSize QtMaterialSwitch::sizeHint() const
{
    const int w = fontMetrics().size(Qt::TextShowMnemonic, text()).width();
    return d_func()->orientation == Qt::Horizontal ? QSize(w + 64, 48) : QSize(w + 48, 64);
}

bool QtMaterialSwitch::event(QEvent *event)
{
    Q_D(QtMaterialSwitch);

    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
        if (d->orientation == Qt::Horizontal) {
            d->track->setGeometry(0, 0, 64, 48);
            d->thumb->setGeometry(8, 8, 48, 32);
        } else {
            d->track->setGeometry(0, 0, 48, 64);
            d->thumb->setGeometry(8, 8, 32, 48);
        }
        break;
    case QEvent::ParentChange:
        if (QWidget *widget = parentWidget(); widget && d->rippleOverlay) {
            d->rippleOverlay->setParent(widget);
            d->rippleOverlay->show();
        }
        break;
    case QEvent::StyleChange:
        // The machine may already be gone while the widget is torn down.
        if (d->stateMachine) {
            d->setupProperties();
        }
        break;
    default:
        break;
    }
    return QAbstractButton::event(event);
}

void QtMaterialSwitch::paintEvent(QPaintEvent *)
{
    Q_D(QtMaterialSwitch);

    QPainter painter(this);
    painter.setPen(isEnabled() ? textColor() : disabledColor());

    const QFontMetrics metrics = fontMetrics();
    const int y = metrics.height() + (height() - metrics.height()) / 2 - metrics.descent();
    painter.drawText(d->orientation == Qt::Horizontal ? 64 : 48, y, text());
}
