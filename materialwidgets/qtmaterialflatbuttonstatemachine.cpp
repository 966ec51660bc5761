#include "materialwidgets/qtmaterialflatbuttonstatemachine.h"

#include "materialwidgets/qtmaterialflatbutton.h"
#include "materialwidgets/qtmaterialstatetransition.h"
#include "materialwidgets/qtmaterialstatetransitionevent.h"

#include <QEventTransition>
#include <QFocusEvent>
#include <QPropertyAnimation>
#include <QSequentialAnimationGroup>

namespace {

QState *namedState(const char *name, QState *parent)
{
    auto *state = new QState(parent);
    state->setObjectName(QLatin1String(name));
    return state;
}

} // namespace

QtMaterialFlatButtonStateMachine::QtMaterialFlatButtonStateMachine(QtMaterialFlatButton *parent)
    : QStateMachine(parent), m_button(parent), m_topLevelState(new QState(QState::ParallelStates)),
      m_configState(new QState(m_topLevelState)), m_checkableState(new QState(m_topLevelState)),
      m_checkedState(namedState("checked", m_checkableState)),
      m_uncheckedState(namedState("unchecked", m_checkableState)), m_neutralState(namedState("neutral", m_configState)),
      m_neutralFocusedState(namedState("focused", m_configState)), m_hoveredState(namedState("hovered", m_configState)),
      m_hoveredFocusedState(namedState("hoveredFocused", m_configState)),
      m_pressedState(namedState("pressed", m_configState)), m_haloAnimation(new QSequentialAnimationGroup(this))
{
    Q_ASSERT(parent);

    parent->installEventFilter(this);

    m_configState->setInitialState(m_neutralState);
    addState(m_topLevelState);
    setInitialState(m_topLevelState);

    m_checkableState->setInitialState(parent->isChecked() ? m_checkedState : m_uncheckedState);
    m_checkedOverlayProgress = parent->isChecked() ? 1 : 0;

    addTransition(parent, QEvent::FocusIn, m_neutralState, m_neutralFocusedState);
    addTransition(parent, QEvent::FocusOut, m_neutralFocusedState, m_neutralState);
    addTransition(parent, QEvent::Enter, m_neutralState, m_hoveredState);
    addTransition(parent, QEvent::Leave, m_hoveredState, m_neutralState);
    addTransition(parent, QEvent::Enter, m_neutralFocusedState, m_hoveredFocusedState);
    addTransition(parent, QEvent::Leave, m_hoveredFocusedState, m_neutralFocusedState);
    addTransition(parent, QEvent::FocusIn, m_hoveredState, m_hoveredFocusedState);
    addTransition(parent, QEvent::FocusOut, m_hoveredFocusedState, m_hoveredState);

    // A press jumps straight to its values: the ripple carries the motion.
    auto *press = new QtMaterialStateTransition(KindButtonPress);
    press->setTargetState(m_pressedState);
    m_hoveredState->addTransition(press);

    addTransition(parent, QEvent::Leave, m_pressedState, m_neutralFocusedState);
    addTransition(parent, QEvent::FocusOut, m_pressedState, m_hoveredState);

    m_neutralState->assignProperty(this, "haloSize", 0);
    m_neutralFocusedState->assignProperty(this, "haloSize", 0.7);
    m_hoveredState->assignProperty(this, "haloSize", 0);
    m_pressedState->assignProperty(this, "haloSize", 4);
    m_hoveredFocusedState->assignProperty(this, "haloSize", 0.7);

    auto *grow = new QPropertyAnimation(this);
    grow->setTargetObject(this);
    grow->setPropertyName("haloScaleFactor");
    grow->setStartValue(0.56);
    grow->setEndValue(0.63);
    grow->setEasingCurve(QEasingCurve::InOutSine);
    grow->setDuration(840);

    auto *shrink = new QPropertyAnimation(this);
    shrink->setTargetObject(this);
    shrink->setPropertyName("haloScaleFactor");
    shrink->setStartValue(0.63);
    shrink->setEndValue(0.56);
    shrink->setEasingCurve(QEasingCurve::InOutSine);
    shrink->setDuration(840);

    m_haloAnimation->addAnimation(grow);
    m_haloAnimation->addAnimation(shrink);
    m_haloAnimation->setLoopCount(-1);

    // Events posted before the machine runs are dropped by it, so a button checked right after its
    // construction is caught up once the machine has started.
    connect(this, &QStateMachine::started, this, &QtMaterialFlatButtonStateMachine::updateCheckedStatus);

    auto *check = new QtMaterialStateTransition(KindButtonCheck);
    addTransition(check, m_uncheckedState, m_checkedState);
    auto *uncheck = new QtMaterialStateTransition(KindButtonUncheck);
    addTransition(uncheck, m_checkedState, m_uncheckedState);
}

QtMaterialFlatButtonStateMachine::~QtMaterialFlatButtonStateMachine() = default;

void QtMaterialFlatButtonStateMachine::setOverlayOpacity(qreal opacity)
{
    if (m_overlayOpacity == opacity) {
        return;
    }
    m_overlayOpacity = opacity;
    if (m_button->overlayStyle() != Material::OverlayHidden) {
        m_button->update();
    }
}

void QtMaterialFlatButtonStateMachine::setCheckedOverlayProgress(qreal progress)
{
    if (m_checkedOverlayProgress == progress) {
        return;
    }
    m_checkedOverlayProgress = progress;
    m_button->update();
}

void QtMaterialFlatButtonStateMachine::setHaloOpacity(qreal opacity)
{
    if (m_haloOpacity == opacity) {
        return;
    }
    m_haloOpacity = opacity;
    m_button->update();
}

void QtMaterialFlatButtonStateMachine::setHaloSize(qreal size)
{
    if (m_haloSize == size) {
        return;
    }
    m_haloSize = size;
    m_button->update();
}

void QtMaterialFlatButtonStateMachine::setHaloScaleFactor(qreal factor)
{
    if (m_haloScaleFactor == factor) {
        return;
    }
    m_haloScaleFactor = factor;
    // The pulse runs for the button's whole life; only a visible halo is worth repainting for.
    if (m_button->haloVisible() && m_button->hasFocus()) {
        m_button->update();
    }
}

void QtMaterialFlatButtonStateMachine::setupProperties()
{
    const qreal baseOpacity = m_button->baseOpacity();

    m_neutralState->assignProperty(this, "overlayOpacity", 0);
    m_neutralState->assignProperty(this, "haloOpacity", 0);
    m_neutralFocusedState->assignProperty(this, "overlayOpacity", 0);
    m_neutralFocusedState->assignProperty(this, "haloOpacity", baseOpacity);
    m_hoveredState->assignProperty(this, "overlayOpacity", baseOpacity);
    m_hoveredState->assignProperty(this, "haloOpacity", 0);
    m_hoveredFocusedState->assignProperty(this, "overlayOpacity", baseOpacity);
    m_hoveredFocusedState->assignProperty(this, "haloOpacity", baseOpacity);
    m_pressedState->assignProperty(this, "overlayOpacity", baseOpacity);
    m_pressedState->assignProperty(this, "haloOpacity", 0);
    m_checkedState->assignProperty(this, "checkedOverlayProgress", 1);
    m_uncheckedState->assignProperty(this, "checkedOverlayProgress", 0);

    m_button->update();
}

void QtMaterialFlatButtonStateMachine::startAnimations()
{
    m_haloAnimation->start();
    start();
}

void QtMaterialFlatButtonStateMachine::updateCheckedStatus()
{
    if (!isRunning()) {
        return;
    }
    const bool checked = m_button->isChecked();
    if (m_wasChecked == checked) {
        return;
    }
    m_wasChecked = checked;
    postEvent(new QtMaterialStateTransitionEvent(checked ? KindButtonCheck : KindButtonUncheck));
}

bool QtMaterialFlatButtonStateMachine::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        auto *focusEvent = static_cast<QFocusEvent *>(event);
        if (focusEvent->reason() == Qt::MouseFocusReason) {
            if (isRunning()) {
                postEvent(new QtMaterialStateTransitionEvent(KindButtonPress));
            }
            return true;
        }
    }
    return QStateMachine::eventFilter(watched, event);
}

void QtMaterialFlatButtonStateMachine::addTransition(QObject *object, QEvent::Type eventType, QState *fromState,
                                                     QState *toState)
{
    addTransition(new QEventTransition(object, eventType), fromState, toState);
}

void QtMaterialFlatButtonStateMachine::addTransition(QAbstractTransition *transition, QState *fromState,
                                                     QState *toState)
{
    transition->setTargetState(toState);

    if (qobject_cast<QEventTransition *>(transition)) {
        auto *animation = new QPropertyAnimation(this, "overlayOpacity", this);
        animation->setDuration(150);
        transition->addAnimation(animation);

        animation = new QPropertyAnimation(this, "haloOpacity", this);
        animation->setDuration(170);
        transition->addAnimation(animation);

        animation = new QPropertyAnimation(this, "haloSize", this);
        animation->setDuration(350);
        animation->setEasingCurve(QEasingCurve::OutCubic);
        transition->addAnimation(animation);
    } else {
        auto *animation = new QPropertyAnimation(this, "checkedOverlayProgress", this);
        animation->setDuration(200);
        transition->addAnimation(animation);
    }

    fromState->addTransition(transition);
}
