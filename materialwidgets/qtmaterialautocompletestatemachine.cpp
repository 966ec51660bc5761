#include "materialwidgets/qtmaterialautocompletestatemachine.h"

#include <QGraphicsOpacityEffect>
#include <QPropertyAnimation>
#include <QSignalTransition>
#include <QState>
#include <QWidget>

QtMaterialAutoCompleteStateMachine::QtMaterialAutoCompleteStateMachine(QWidget *menu)
    : QStateMachine(menu), m_menu(menu), m_closedState(new QState), m_openState(new QState), m_closingState(new QState)
{
    addState(m_closedState);
    addState(m_openState);
    addState(m_closingState);
    setInitialState(m_closedState);

    auto *effect = new QGraphicsOpacityEffect;
    m_menu->setGraphicsEffect(effect);

    auto *transition = new QSignalTransition(this, &QtMaterialAutoCompleteStateMachine::shouldOpen);
    transition->setTargetState(m_openState);
    m_closedState->addTransition(transition);

    transition = new QSignalTransition(this, &QtMaterialAutoCompleteStateMachine::shouldClose);
    transition->setTargetState(m_closedState);
    m_openState->addTransition(transition);

    transition = new QSignalTransition(this, &QtMaterialAutoCompleteStateMachine::shouldFade);
    transition->setTargetState(m_closingState);
    m_openState->addTransition(transition);

    m_closedState->assignProperty(menu, "visible", false);
    m_openState->assignProperty(menu, "visible", true);

    m_closedState->assignProperty(effect, "opacity", 0);
    m_openState->assignProperty(effect, "opacity", 1);
    m_closingState->assignProperty(effect, "opacity", 0);

    auto *animation = new QPropertyAnimation(effect, "opacity", this);
    animation->setDuration(240);
    addDefaultAnimation(animation);

    transition = new QSignalTransition(animation, &QAbstractAnimation::finished);
    transition->setTargetState(m_closedState);
    m_closingState->addTransition(transition);
}

QtMaterialAutoCompleteStateMachine::~QtMaterialAutoCompleteStateMachine() = default;
