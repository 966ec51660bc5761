#pragma once
// The event that drives the toolkit's state machines: a posted event of type 1001 carrying a small integer kind.

#include <QEvent>

enum StateTransitionKind {
    KindSnackbarReveal = 1,
    KindSnackbarDismiss = 2,
    KindSnackbarDrained = 3,
    KindSnackbarAdvance = 4,
    KindButtonPress = 5,
    KindButtonCheck = 6,
    KindButtonUncheck = 7,
    KindSliderAtMinimum = 10,
    KindSliderOffMinimum = 11,
    KindSliderHoverIn = 12,
    KindSliderHoverOut = 13,
    KindDialogReveal = 14,
    KindDialogDismiss = 15,
    KindScrollBarActivity = 16
};

class QtMaterialStateTransitionEvent : public QEvent
{
public:
    static constexpr QEvent::Type EventType = QEvent::Type(QEvent::User + 1);

    explicit QtMaterialStateTransitionEvent(int transitionKind) : QEvent(EventType), kind(transitionKind) {}

    int kind;
};
