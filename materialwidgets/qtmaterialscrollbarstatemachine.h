#pragma once
// Fades a scroll bar in while hovered or scrolled and out one second after scrolling stops.

#include <QStateMachine>
#include <QTimer>

class QtMaterialScrollBar;

class QtMaterialScrollBarStateMachine : public QStateMachine
{
    Q_OBJECT

    Q_PROPERTY(qreal opacity WRITE setOpacity READ opacity)

public:
    explicit QtMaterialScrollBarStateMachine(QtMaterialScrollBar *parent);
    ~QtMaterialScrollBarStateMachine() override;

    void setOpacity(qreal opacity);
    qreal opacity() const { return m_opacity; }

private:
    Q_DISABLE_COPY(QtMaterialScrollBarStateMachine)

    QtMaterialScrollBar *const m_scrollBar;
    QState *const m_focusState;
    QState *const m_scrolledState;
    QState *const m_hiddenState;
    QTimer m_timer;
    qreal m_opacity = 0;
};
