#pragma once
// Focus states of a text field: animates its focus progress and the offset and colour of its floating label.

#include <QPointer>
#include <QStateMachine>

class QPropertyAnimation;
class QState;
class QtMaterialTextField;
class QtMaterialTextFieldLabel;

class QtMaterialTextFieldStateMachine : public QStateMachine
{
    Q_OBJECT

    Q_PROPERTY(qreal progress WRITE setProgress READ progress)

public:
    explicit QtMaterialTextFieldStateMachine(QtMaterialTextField *parent);
    ~QtMaterialTextFieldStateMachine() override;

    void setLabel(QtMaterialTextFieldLabel *label);

    // 0 is the unfocused look, 1 the focused one.
    void setProgress(qreal progress);
    qreal progress() const { return m_progress; }

    QState *normalState() const { return m_normalState; }
    QState *focusedState() const { return m_focusedState; }

public slots:
    void setupProperties();

private:
    Q_DISABLE_COPY(QtMaterialTextFieldStateMachine)

    QtMaterialTextField *const m_textField;
    QState *const m_normalState;
    QState *const m_focusedState;
    QtMaterialTextFieldLabel *m_label = nullptr;
    QPropertyAnimation *m_offsetAnimation = nullptr;
    QPropertyAnimation *m_colorAnimation = nullptr;
    qreal m_progress = 0;
};
