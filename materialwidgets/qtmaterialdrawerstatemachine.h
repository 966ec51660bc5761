#pragma once
// Slides a drawer's panel in and out and fades the dimming of the parent with it.

#include <QStateMachine>

class QState;
class QtMaterialDrawer;
class QtMaterialDrawerWidget;

class QtMaterialDrawerStateMachine : public QStateMachine
{
    Q_OBJECT

    Q_PROPERTY(qreal opacity WRITE setOpacity READ opacity)

public:
    QtMaterialDrawerStateMachine(QtMaterialDrawerWidget *drawer, QtMaterialDrawer *parent);
    ~QtMaterialDrawerStateMachine() override;

    void setOpacity(qreal opacity);
    qreal opacity() const { return m_opacity; }

    bool closedStateActive() const;
    bool openedStateActive() const;

    // Recomputes the closed offset from the panel's current width.
    void refreshStateValues();

    QState *closedState() const { return m_closedState; }

signals:
    // Emitted to start the slide-in.
    void signalOpen();
    // Emitted to start the slide-out.
    void signalClose();

private:
    Q_DISABLE_COPY(QtMaterialDrawerStateMachine)

    QtMaterialDrawerWidget *const m_drawer;
    QtMaterialDrawer *const m_main;
    QState *const m_openingState;
    QState *const m_openedState;
    QState *const m_closingState;
    QState *const m_closedState;
    qreal m_opacity = 0;
};
