#include "materialwidgets/qtmaterialsnackbarstatemachine.h"

#include "materialwidgets/qtmaterialsnackbar.h"
#include "materialwidgets/qtmaterialstatetransition.h"
#include "materialwidgets/qtmaterialstatetransitionevent.h"

#include <QPropertyAnimation>

QtMaterialSnackbarStateMachine::QtMaterialSnackbarStateMachine(QtMaterialSnackbar *parent)
    : QStateMachine(parent), m_snackbar(parent)
{
    m_timer.setSingleShot(true);

    auto *hiddenState = new QState;
    auto *visibleState = new QState;
    auto *finalState = new QState;
    hiddenState->setObjectName(QStringLiteral("hidden"));
    visibleState->setObjectName(QStringLiteral("shown"));
    finalState->setObjectName(QStringLiteral("hiding"));

    addState(hiddenState);
    addState(visibleState);
    addState(finalState);
    setInitialState(hiddenState);

    const auto addKindTransition = [](int kind, QState *from, QState *to) {
        auto *transition = new QtMaterialStateTransition(kind);
        transition->setTargetState(to);
        from->addTransition(transition);
    };
    addKindTransition(KindSnackbarReveal, hiddenState, visibleState);
    addKindTransition(KindSnackbarDismiss, hiddenState, visibleState);
    addKindTransition(KindSnackbarDismiss, visibleState, finalState);
    addKindTransition(KindSnackbarDrained, finalState, hiddenState);
    addKindTransition(KindSnackbarAdvance, finalState, visibleState);

    hiddenState->assignProperty(this, "offset", 1);
    visibleState->assignProperty(this, "offset", 0);
    finalState->assignProperty(this, "offset", 1);

    connect(&m_timer, &QTimer::timeout, this, &QtMaterialSnackbarStateMachine::progress);
    connect(visibleState, &QState::propertiesAssigned, this, &QtMaterialSnackbarStateMachine::snackbarShown);
    connect(finalState, &QState::propertiesAssigned, m_snackbar, &QtMaterialSnackbar::dequeue);

    auto *animation = new QPropertyAnimation(this, "offset", this);
    animation->setEasingCurve(QEasingCurve::OutCubic);
    animation->setDuration(300);
    addDefaultAnimation(animation);

    m_snackbar->installEventFilter(this);
}

QtMaterialSnackbarStateMachine::~QtMaterialSnackbarStateMachine() = default;

void QtMaterialSnackbarStateMachine::setOffset(qreal offset)
{
    m_offset = offset;
    m_snackbar->update();
}

void QtMaterialSnackbarStateMachine::progress()
{
    m_timer.stop();
    postEvent(new QtMaterialStateTransitionEvent(KindSnackbarDismiss));
    if (m_snackbar->clickToDismissMode()) {
        m_snackbar->setAttribute(Qt::WA_TransparentForMouseEvents, true);
    }
}

void QtMaterialSnackbarStateMachine::snackbarShown()
{
    m_timer.start(m_snackbar->autoHideDuration());
    if (m_snackbar->clickToDismissMode()) {
        m_snackbar->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    }
}

bool QtMaterialSnackbarStateMachine::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress && m_snackbar->clickToDismissMode()) {
        progress();
    }
    return QStateMachine::eventFilter(watched, event);
}
