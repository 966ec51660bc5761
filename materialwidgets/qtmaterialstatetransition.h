#pragma once
// A state-machine transition that fires only for state-transition events of one kind, and the start the widgets
// give their state machines.

#include <QAbstractTransition>

class QStateMachine;

// Starts machine and enters its initial state now, as the machine's own start would once the event loop runs.
// Only that start is delivered: nothing else waiting in the event loop runs, so a constructor may call it.
void startStateMachineNow(QStateMachine *machine);

class QtMaterialStateTransition : public QAbstractTransition
{
    Q_OBJECT

public:
    explicit QtMaterialStateTransition(int kind);

    int kind() const { return m_kind; }

protected:
    bool eventTest(QEvent *event) override;
    void onTransition(QEvent *event) override;

private:
    int m_kind;
};
