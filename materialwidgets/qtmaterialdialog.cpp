#include "materialwidgets/qtmaterialdialog.h"

#include "materialwidgets/qtmaterialdialog_p.h"
#include "materialwidgets/qtmaterialdialogproxy.h"
#include "materialwidgets/qtmaterialdialogwindow.h"
#include "materialwidgets/qtmaterialstatetransition.h"
#include "materialwidgets/qtmaterialstatetransitionevent.h"

#include <QGraphicsDropShadowEffect>
#include <QPainter>
#include <QPropertyAnimation>
#include <QStackedLayout>
#include <QState>
#include <QStateMachine>
#include <QVBoxLayout>

QtMaterialDialogPrivate::QtMaterialDialogPrivate(QtMaterialDialog *q) : q_ptr(q) {}

QtMaterialDialogPrivate::~QtMaterialDialogPrivate() = default;

void QtMaterialDialogPrivate::init()
{
    Q_Q(QtMaterialDialog);

    dialogWindow = new QtMaterialDialogWindow(q);
    proxyStack = new QStackedLayout;
    stateMachine = new QStateMachine(q);
    proxy = new QtMaterialDialogProxy(dialogWindow, proxyStack, q);

    auto *layout = new QVBoxLayout;
    q->setLayout(layout);

    auto *widget = new QWidget;
    widget->setLayout(proxyStack);
    widget->setMinimumWidth(400);

    shadow = new QGraphicsDropShadowEffect;
    shadow->setColor(QColor(0, 0, 0, 200));
    shadow->setBlurRadius(64);
    shadow->setOffset(0, 13);
    widget->setGraphicsEffect(shadow);

    layout->addWidget(widget);
    layout->setAlignment(widget, Qt::AlignCenter);

    proxyStack->addWidget(dialogWindow);
    proxyStack->addWidget(proxy);
    proxyStack->setCurrentIndex(1);

    q->setAttribute(Qt::WA_TransparentForMouseEvents);

    hiddenState = new QState;
    shownState = new QState;

    stateMachine->addState(hiddenState);
    stateMachine->addState(shownState);
    stateMachine->setInitialState(hiddenState);

    auto *transition = new QtMaterialStateTransition(KindDialogReveal);
    transition->setTargetState(shownState);
    hiddenState->addTransition(transition);

    transition = new QtMaterialStateTransition(KindDialogDismiss);
    transition->setTargetState(hiddenState);
    shownState->addTransition(transition);

    hiddenState->assignProperty(proxy, "opacity", 0);
    shownState->assignProperty(proxy, "opacity", 1);
    hiddenState->assignProperty(shadow, "color", QColor(0, 0, 0, 0));
    shownState->assignProperty(shadow, "color", QColor(0, 0, 0, 200));
    hiddenState->assignProperty(dialogWindow, "offset", 200);
    shownState->assignProperty(dialogWindow, "offset", 0);

    auto *animation = new QPropertyAnimation(proxy, "opacity", stateMachine);
    animation->setDuration(280);
    stateMachine->addDefaultAnimation(animation);

    animation = new QPropertyAnimation(shadow, "color", stateMachine);
    animation->setDuration(280);
    stateMachine->addDefaultAnimation(animation);

    animation = new QPropertyAnimation(dialogWindow, "offset", stateMachine);
    animation->setDuration(280);
    animation->setEasingCurve(QEasingCurve::OutCirc);
    stateMachine->addDefaultAnimation(animation);

    QObject::connect(shownState, &QState::propertiesAssigned, proxy, &QtMaterialDialogProxy::makeOpaque);
    QObject::connect(hiddenState, &QState::propertiesAssigned, proxy, &QtMaterialDialogProxy::makeTransparent);

    startStateMachineNow(stateMachine);
}

QtMaterialDialog::QtMaterialDialog(QWidget *parent)
    : QtMaterialOverlayWidget(parent), d_ptr(new QtMaterialDialogPrivate(this))
{
    d_func()->init();
}

QtMaterialDialog::~QtMaterialDialog()
{
    Q_D(QtMaterialDialog);
    // Its animations drive the proxy, the window and the shadow, which go with the widget tree.
    delete d->stateMachine;
    d->stateMachine = nullptr;
}

QLayout *QtMaterialDialog::surfaceLayout() const
{
    return d_func()->dialogWindow->layout();
}

void QtMaterialDialog::setSurfaceLayout(QLayout *layout)
{
    d_func()->dialogWindow->setLayout(layout);
}

QWidget *QtMaterialDialog::dialogWindow() const
{
    return d_func()->dialogWindow;
}

void QtMaterialDialog::showDialog()
{
    Q_D(QtMaterialDialog);
    d->stateMachine->postEvent(new QtMaterialStateTransitionEvent(KindDialogReveal));
    raise();
}

void QtMaterialDialog::hideDialog()
{
    Q_D(QtMaterialDialog);
    d->stateMachine->postEvent(new QtMaterialStateTransitionEvent(KindDialogDismiss));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    d->proxyStack->setCurrentIndex(1);
}

void QtMaterialDialog::paintEvent(QPaintEvent *)
{
    Q_D(QtMaterialDialog);

    QPainter painter(this);
    painter.setBrush(Qt::black);
    painter.setPen(Qt::NoPen);
    painter.setOpacity(d->proxy->opacity() / 2.4);
    painter.drawRect(rect());
}
