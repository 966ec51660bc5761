#include "materialwidgets/qtmaterialdrawerstatemachine.h"

#include "materialwidgets/qtmaterialdrawer.h"
#include "materialwidgets/qtmaterialdrawerwidget.h"

#include <QPropertyAnimation>
#include <QSignalTransition>
#include <QState>

QtMaterialDrawerStateMachine::QtMaterialDrawerStateMachine(QtMaterialDrawerWidget *drawer, QtMaterialDrawer *parent)
    : QStateMachine(parent), m_drawer(drawer), m_main(parent), m_openingState(new QState), m_openedState(new QState),
      m_closingState(new QState), m_closedState(new QState)
{
    addState(m_openingState);
    addState(m_openedState);
    addState(m_closingState);
    addState(m_closedState);
    setInitialState(m_closedState);

    auto *transition = new QSignalTransition(this, &QtMaterialDrawerStateMachine::signalOpen);
    transition->setTargetState(m_openingState);
    m_closedState->addTransition(transition);

    auto *animation = new QPropertyAnimation(drawer, "offset", this);
    animation->setDuration(220);
    animation->setEasingCurve(QEasingCurve::OutCirc);
    transition->addAnimation(animation);

    animation = new QPropertyAnimation(this, "opacity", this);
    animation->setDuration(220);
    transition->addAnimation(animation);

    transition = new QSignalTransition(animation, &QAbstractAnimation::finished);
    transition->setTargetState(m_openedState);
    m_openingState->addTransition(transition);

    transition = new QSignalTransition(this, &QtMaterialDrawerStateMachine::signalClose);
    transition->setTargetState(m_closingState);
    m_openingState->addTransition(transition);

    animation = new QPropertyAnimation(this, "opacity", this);
    animation->setDuration(220);
    transition->addAnimation(animation);

    animation = new QPropertyAnimation(drawer, "offset", this);
    animation->setDuration(220);
    animation->setEasingCurve(QEasingCurve::InCirc);
    transition->addAnimation(animation);

    transition = new QSignalTransition(animation, &QAbstractAnimation::finished);
    transition->setTargetState(m_closedState);
    m_closingState->addTransition(transition);

    transition = new QSignalTransition(this, &QtMaterialDrawerStateMachine::signalClose);
    transition->setTargetState(m_closingState);
    m_openedState->addTransition(transition);

    animation = new QPropertyAnimation(drawer, "offset", this);
    animation->setDuration(220);
    animation->setEasingCurve(QEasingCurve::InCirc);
    transition->addAnimation(animation);

    animation = new QPropertyAnimation(this, "opacity", this);
    animation->setDuration(220);
    transition->addAnimation(animation);

    transition = new QSignalTransition(animation, &QAbstractAnimation::finished);
    transition->setTargetState(m_closedState);
    m_closingState->addTransition(transition);

    refreshStateValues();
}

QtMaterialDrawerStateMachine::~QtMaterialDrawerStateMachine() = default;

void QtMaterialDrawerStateMachine::setOpacity(qreal opacity)
{
    m_opacity = opacity;
    m_main->update();
}

bool QtMaterialDrawerStateMachine::closedStateActive() const
{
    return m_closedState->active();
}

bool QtMaterialDrawerStateMachine::openedStateActive() const
{
    return m_openedState->active();
}

void QtMaterialDrawerStateMachine::refreshStateValues()
{
    const int closed = -(m_drawer->width() + 32);

    m_closedState->assignProperty(m_drawer, "offset", closed);
    m_closingState->assignProperty(m_drawer, "offset", closed);
    m_openingState->assignProperty(m_drawer, "offset", 0);

    m_closedState->assignProperty(this, "opacity", 0);
    m_closingState->assignProperty(this, "opacity", 0);
    m_openingState->assignProperty(this, "opacity", 0.4);
}
