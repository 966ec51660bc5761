#include "materialwidgets/qtmaterialstatetransition.h"

#include "materialwidgets/qtmaterialstatetransitionevent.h"

QtMaterialStateTransition::QtMaterialStateTransition(int kind) : m_kind(kind) {}

bool QtMaterialStateTransition::eventTest(QEvent *event)
{
    if (event->type() != QtMaterialStateTransitionEvent::EventType) {
        return false;
    }
    return static_cast<QtMaterialStateTransitionEvent *>(event)->kind == m_kind;
}

void QtMaterialStateTransition::onTransition(QEvent *) {}
