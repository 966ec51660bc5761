#include "materialwidgets/qtmaterialscrollbarstatemachine.h"

#include "materialwidgets/qtmaterialscrollbar.h"
#include "materialwidgets/qtmaterialstatetransition.h"
#include "materialwidgets/qtmaterialstatetransitionevent.h"

#include <QEventTransition>
#include <QPropertyAnimation>
#include <QSignalTransition>

QtMaterialScrollBarStateMachine::QtMaterialScrollBarStateMachine(QtMaterialScrollBar *parent)
    : QStateMachine(parent), m_scrollBar(parent), m_focusState(new QState), m_scrolledState(new QState),
      m_hiddenState(new QState)
{
    m_focusState->setObjectName(QStringLiteral("shown"));
    m_scrolledState->setObjectName(QStringLiteral("scrolled"));
    m_hiddenState->setObjectName(QStringLiteral("hidden"));

    addState(m_focusState);
    addState(m_scrolledState);
    addState(m_hiddenState);
    setInitialState(m_hiddenState);

    auto *transition = new QEventTransition(parent, QEvent::Enter);
    transition->setTargetState(m_focusState);
    m_hiddenState->addTransition(transition);

    transition = new QEventTransition(parent, QEvent::Leave);
    transition->setTargetState(m_hiddenState);
    m_focusState->addTransition(transition);

    auto *activity = new QtMaterialStateTransition(KindScrollBarActivity);
    activity->setTargetState(m_scrolledState);
    m_hiddenState->addTransition(activity);

    m_timer.setSingleShot(true);
    m_scrolledState->addTransition(&m_timer, &QTimer::timeout, m_hiddenState);

    transition = new QEventTransition(parent, QEvent::Enter);
    transition->setTargetState(m_focusState);
    m_scrolledState->addTransition(transition);

    connect(m_scrolledState, &QState::entered, this, [this] { m_timer.start(1000); });

    m_focusState->assignProperty(this, "opacity", 1);
    m_scrolledState->assignProperty(this, "opacity", 1);
    m_hiddenState->assignProperty(this, "opacity", 0);

    auto *animation = new QPropertyAnimation(this, "opacity", this);
    animation->setDuration(340);
    addDefaultAnimation(animation);
}

QtMaterialScrollBarStateMachine::~QtMaterialScrollBarStateMachine() = default;

void QtMaterialScrollBarStateMachine::setOpacity(qreal opacity)
{
    m_opacity = opacity;
    m_scrollBar->update();
}
