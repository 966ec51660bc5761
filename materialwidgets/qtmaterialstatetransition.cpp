#include "materialwidgets/qtmaterialstatetransition.h"

#include "materialwidgets/qtmaterialstatetransitionevent.h"

#include <QCoreApplication>
#include <QStateMachine>

void startStateMachineNow(QStateMachine *machine)
{
    machine->start();
    QCoreApplication::sendPostedEvents(machine, QEvent::MetaCall);
}

QtMaterialStateTransition::QtMaterialStateTransition(int kind) : m_kind(kind) {}

bool QtMaterialStateTransition::eventTest(QEvent *event)
{
    if (event->type() != QtMaterialStateTransitionEvent::EventType) {
        return false;
    }
    return static_cast<QtMaterialStateTransitionEvent *>(event)->kind == m_kind;
}

void QtMaterialStateTransition::onTransition(QEvent *) {}
