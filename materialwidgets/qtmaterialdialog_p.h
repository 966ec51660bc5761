#pragma once
// Private state of the in-window dialog.

#include <QtGlobal>

class QGraphicsDropShadowEffect;
class QStackedLayout;
class QState;
class QStateMachine;
class QtMaterialDialog;
class QtMaterialDialogProxy;
class QtMaterialDialogWindow;

class QtMaterialDialogPrivate
{
    Q_DISABLE_COPY(QtMaterialDialogPrivate)
    Q_DECLARE_PUBLIC(QtMaterialDialog)

public:
    explicit QtMaterialDialogPrivate(QtMaterialDialog *q);
    ~QtMaterialDialogPrivate();

    void init();

    QtMaterialDialog *const q_ptr;
    QtMaterialDialogWindow *dialogWindow = nullptr;
    QStackedLayout *proxyStack = nullptr;
    QStateMachine *stateMachine = nullptr;
    QtMaterialDialogProxy *proxy = nullptr;
    QState *hiddenState = nullptr;
    QState *shownState = nullptr;
    QGraphicsDropShadowEffect *shadow = nullptr;
};
