#pragma once
// Shows, hides and fades an auto-complete field's suggestion menu.

#include <QStateMachine>

class QGraphicsOpacityEffect;
class QState;
class QWidget;

class QtMaterialAutoCompleteStateMachine : public QStateMachine
{
    Q_OBJECT

public:
    explicit QtMaterialAutoCompleteStateMachine(QWidget *menu);
    ~QtMaterialAutoCompleteStateMachine() override;

    QState *closedState() const { return m_closedState; }
    QState *openState() const { return m_openState; }
    QState *closingState() const { return m_closingState; }

signals:
    // Emitted to open the menu when an edit yielded suggestions.
    void shouldOpen();
    // Emitted to close the menu at once when an edit yielded none.
    void shouldClose();
    // Emitted to fade the menu out after a suggestion was pressed.
    void shouldFade();

private:
    Q_DISABLE_COPY(QtMaterialAutoCompleteStateMachine)

    QWidget *const m_menu;
    QState *const m_closedState;
    QState *const m_openState;
    QState *const m_closingState;
};
