#include "materialwidgets/qtmaterialcheckable.h"

#include "materialwidgets/qtmaterialcheckable_p.h"
#include "materialwidgets/qtmaterialcheckableicon.h"
#include "materialwidgets/qtmaterialripple.h"
#include "materialwidgets/qtmaterialrippleoverlay.h"
#include "materialwidgets/qtmaterialstatetransition.h"
#include "materialwidgets/qtmaterialstyle.h"

#include <QEvent>
#include <QEventTransition>
#include <QMouseEvent>
#include <QPainter>
#include <QPropertyAnimation>
#include <QSignalTransition>
#include <QState>
#include <QStateMachine>

QtMaterialCheckablePrivate::QtMaterialCheckablePrivate(QtMaterialCheckable *q) : q_ptr(q) {}

QtMaterialCheckablePrivate::~QtMaterialCheckablePrivate() = default;

void QtMaterialCheckablePrivate::init()
{
    Q_Q(QtMaterialCheckable);

    QtMaterialStyle &style = QtMaterialStyle::instance();

    checkedIcon = new QtMaterialCheckableIcon(
        QIcon(":/myImages/icons/qtmaterial/toggle/svg/production/ic_check_box_24px.svg"), q);
    uncheckedIcon = new QtMaterialCheckableIcon(
        QIcon(":/myImages/icons/qtmaterial/toggle/svg/production/ic_check_box_outline_blank_24px.svg"), q);
    stateMachine = new QStateMachine(q);
    uncheckedState = new QState;
    checkedState = new QState;
    disabledUncheckedState = new QState;
    disabledCheckedState = new QState;
    labelPosition = QtMaterialCheckable::LabelOnRight;
    useThemeColors = true;

    auto *overlay = new QtMaterialRippleOverlay;
    rippleOverlay = overlay;
    rippleOverlayObject = overlay;
    overlay->setParent(q->parentWidget());
    overlay->installEventFilter(q);

    q->setCheckable(true);
    q->setFont(style.themeFont(8));

    stateMachine->addState(uncheckedState);
    stateMachine->addState(checkedState);
    stateMachine->addState(disabledUncheckedState);
    stateMachine->addState(disabledCheckedState);
    stateMachine->setInitialState(uncheckedState);

    uncheckedTransition = new QSignalTransition(q, &QAbstractButton::toggled);
    uncheckedTransition->setTargetState(checkedState);
    uncheckedState->addTransition(uncheckedTransition);

    checkedTransition = new QSignalTransition(q, &QAbstractButton::toggled);
    checkedTransition->setTargetState(uncheckedState);
    checkedState->addTransition(checkedTransition);

    auto addEnabledChange = [q](QState *from, QState *to) {
        auto *transition = new QEventTransition(q, QEvent::EnabledChange);
        transition->setTargetState(to);
        from->addTransition(transition);
    };
    addEnabledChange(uncheckedState, disabledUncheckedState);
    addEnabledChange(disabledUncheckedState, uncheckedState);
    addEnabledChange(checkedState, disabledCheckedState);
    addEnabledChange(disabledCheckedState, checkedState);

    disabledUncheckedState->addTransition(q, &QAbstractButton::toggled, disabledCheckedState);
    disabledCheckedState->addTransition(q, &QAbstractButton::toggled, disabledUncheckedState);

    checkedState->assignProperty(checkedIcon, "opacity", 1);
    checkedState->assignProperty(uncheckedIcon, "opacity", 0);
    uncheckedState->assignProperty(checkedIcon, "opacity", 0);
    uncheckedState->assignProperty(uncheckedIcon, "opacity", 1);
    disabledCheckedState->assignProperty(checkedIcon, "opacity", 1);
    disabledCheckedState->assignProperty(uncheckedIcon, "opacity", 0);
    disabledUncheckedState->assignProperty(checkedIcon, "opacity", 0);
    disabledUncheckedState->assignProperty(uncheckedIcon, "opacity", 1);
    assignBaseStateColors();

    startStateMachineNow(stateMachine);
}

void QtMaterialCheckablePrivate::assignBaseStateColors()
{
    Q_Q(QtMaterialCheckable);

    checkedState->assignProperty(checkedIcon, "color", q->checkedColor());
    checkedState->assignProperty(uncheckedIcon, "color", q->checkedColor());
    uncheckedState->assignProperty(uncheckedIcon, "color", q->uncheckedColor());
    disabledUncheckedState->assignProperty(uncheckedIcon, "color", q->disabledColor());
    disabledCheckedState->assignProperty(checkedIcon, "color", q->disabledColor());
}

QRect QtMaterialCheckablePrivate::rippleGeometry() const
{
    Q_Q(const QtMaterialCheckable);
    return q->geometry().adjusted(-8, -8, 8, 8);
}

QtMaterialCheckable::QtMaterialCheckable(QWidget *parent)
    : QAbstractButton(parent), d_ptr(new QtMaterialCheckablePrivate(this))
{
    d_func()->init();
}

QtMaterialCheckable::QtMaterialCheckable(QtMaterialCheckablePrivate &d, QWidget *parent)
    : QAbstractButton(parent), d_ptr(&d)
{
    d_func()->init();
}

QtMaterialCheckable::~QtMaterialCheckable()
{
    // The overlay sits in the parent, which may outlive the button; it must not keep painting for a dead one.
    Q_D(QtMaterialCheckable);
    delete d->rippleOverlay.data();
}

void QtMaterialCheckable::setLabelPosition(LabelPosition placement)
{
    Q_D(QtMaterialCheckable);
    d->labelPosition = placement;
    update();
}

QtMaterialCheckable::LabelPosition QtMaterialCheckable::labelPosition() const
{
    Q_D(const QtMaterialCheckable);
    return d->labelPosition;
}

void QtMaterialCheckable::setUseThemeColors(bool value)
{
    Q_D(QtMaterialCheckable);
    if (d->useThemeColors == value)
        return;
    d->useThemeColors = value;
    assignStateColors();
}

bool QtMaterialCheckable::useThemeColors() const
{
    Q_D(const QtMaterialCheckable);
    return d->useThemeColors;
}

void QtMaterialCheckable::setCheckedColor(const QColor &color)
{
    Q_D(QtMaterialCheckable);
    d->checkedColor = color;
    d->useThemeColors = false;
    assignStateColors();
}

QColor QtMaterialCheckable::checkedColor() const
{
    Q_D(const QtMaterialCheckable);
    if (!d->useThemeColors && d->checkedColor.isValid())
        return d->checkedColor;
    return QtMaterialStyle::instance().themeColor(0);
}

void QtMaterialCheckable::setUncheckedColor(const QColor &color)
{
    Q_D(QtMaterialCheckable);
    d->uncheckedColor = color;
    d->useThemeColors = false;
    assignStateColors();
}

QColor QtMaterialCheckable::uncheckedColor() const
{
    Q_D(const QtMaterialCheckable);
    if (!d->useThemeColors && d->uncheckedColor.isValid())
        return d->uncheckedColor;
    return QtMaterialStyle::instance().themeColor(10);
}

void QtMaterialCheckable::setTextColor(const QColor &color)
{
    Q_D(QtMaterialCheckable);
    d->textColor = color;
    d->useThemeColors = false;
    assignStateColors();
}

QColor QtMaterialCheckable::textColor() const
{
    Q_D(const QtMaterialCheckable);
    if (!d->useThemeColors && d->textColor.isValid())
        return d->textColor;
    return QtMaterialStyle::instance().themeColor(10);
}

void QtMaterialCheckable::setDisabledColor(const QColor &color)
{
    Q_D(QtMaterialCheckable);
    d->disabledColor = color;
    d->useThemeColors = false;
    assignStateColors();
}

QColor QtMaterialCheckable::disabledColor() const
{
    Q_D(const QtMaterialCheckable);
    if (!d->useThemeColors && d->disabledColor.isValid())
        return d->disabledColor;
    return QtMaterialStyle::instance().themeColor(6);
}

void QtMaterialCheckable::setCheckedIcon(const QIcon &icon)
{
    Q_D(QtMaterialCheckable);
    d->checkedIcon->setIcon(icon);
    update();
}

QIcon QtMaterialCheckable::checkedIcon() const
{
    Q_D(const QtMaterialCheckable);
    return d->checkedIcon->icon();
}

void QtMaterialCheckable::setUncheckedIcon(const QIcon &icon)
{
    Q_D(QtMaterialCheckable);
    d->uncheckedIcon->setIcon(icon);
    update();
}

QIcon QtMaterialCheckable::uncheckedIcon() const
{
    Q_D(const QtMaterialCheckable);
    return d->uncheckedIcon->icon();
}

QSize QtMaterialCheckable::sizeHint() const
{
    if (text().isEmpty())
        return QSize(40, 40);
    return QSize(fontMetrics().size(Qt::TextShowMnemonic, text()).width() + 52, 40);
}

void QtMaterialCheckable::assignStateColors()
{
    Q_D(QtMaterialCheckable);

    d->assignBaseStateColors();

    if (!isEnabled()) {
        d->checkedIcon->setColor(disabledColor());
        d->uncheckedIcon->setColor(disabledColor());
    } else if (isChecked()) {
        d->checkedIcon->setColor(checkedColor());
    } else {
        d->uncheckedIcon->setColor(uncheckedColor());
    }
    update();
}

bool QtMaterialCheckable::event(QEvent *event)
{
    Q_D(QtMaterialCheckable);

    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
        d->checkedIcon->setGeometry(0, 0, width(), height());
        d->uncheckedIcon->setGeometry(0, 0, width(), height());
        if (d->rippleOverlay)
            d->rippleOverlay->setGeometry(d->rippleGeometry());
        break;
    case QEvent::ParentChange:
        if (d->rippleOverlay && parentWidget()) {
            d->rippleOverlay->setParent(parentWidget());
            d->rippleOverlay->setGeometry(d->rippleGeometry());
        }
        break;
    case QEvent::StyleChange:
        assignStateColors();
        break;
    default:
        break;
    }
    return QAbstractButton::event(event);
}

bool QtMaterialCheckable::eventFilter(QObject *obj, QEvent *event)
{
    Q_D(QtMaterialCheckable);
    if (obj == d->rippleOverlayObject && event->type() == QEvent::Resize)
        d->rippleOverlay->setGeometry(d->rippleGeometry());
    return QAbstractButton::eventFilter(obj, event);
}

void QtMaterialCheckable::mouseReleaseEvent(QMouseEvent *event)
{
    Q_D(QtMaterialCheckable);

    QAbstractButton::mouseReleaseEvent(event);
    if (!event->isAccepted() || !d->rippleOverlay)
        return;

    const QPoint center = d->labelPosition == LabelOnLeft ? QPoint(width() - 14, 28) : QPoint(28, 28);
    auto *ripple = new QtMaterialRipple(center);
    ripple->radiusAnimation()->setEndValue(22);
    ripple->setColor(isChecked() ? checkedColor() : uncheckedColor());
    if (isChecked())
        ripple->opacityAnimation()->setStartValue(1);
    d->rippleOverlay->addRipple(ripple);
}

void QtMaterialCheckable::paintEvent(QPaintEvent *)
{
    Q_D(QtMaterialCheckable);

    QPainter painter(this);
    painter.setPen(isEnabled() ? textColor() : disabledColor());

    const QFontMetrics metrics = fontMetrics();
    const int y = metrics.height() + (height() - metrics.height()) / 2 - metrics.descent();
    painter.drawText(d->labelPosition == LabelOnLeft ? 4 : 48, y, text());
}
