#include "materialwidgets/qtmaterialdrawer.h"

#include "materialwidgets/qtmaterialdrawerstatemachine.h"
#include "materialwidgets/qtmaterialdrawerwidget.h"
#include "materialwidgets/qtmaterialstatetransition.h"

#include <QEvent>
#include <QLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QState>
#include <QVBoxLayout>

class QtMaterialDrawerPrivate
{
    Q_DISABLE_COPY(QtMaterialDrawerPrivate)
    Q_DECLARE_PUBLIC(QtMaterialDrawer)

public:
    explicit QtMaterialDrawerPrivate(QtMaterialDrawer *q) : q_ptr(q) {}

    void init();
    void setClosed();

    QtMaterialDrawer *const q_ptr;
    QtMaterialDrawerWidget *widget = nullptr;
    QtMaterialDrawerStateMachine *stateMachine = nullptr;
    QWidget *window = nullptr;
    int width = 250;
    bool clickToClose = false;
    bool autoRaise = true;
    bool overlay = false;
};

void QtMaterialDrawerPrivate::init()
{
    Q_Q(QtMaterialDrawer);

    widget = new QtMaterialDrawerWidget;
    stateMachine = new QtMaterialDrawerStateMachine(widget, q);
    window = new QWidget;
    width = 250;
    clickToClose = false;
    autoRaise = true;
    overlay = false;

    auto *layout = new QVBoxLayout;
    layout->addWidget(window);

    widget->setLayout(layout);
    widget->setFixedWidth(width + 16);

    widget->setParent(q);

    // Once the panel is out of sight the drawer must not keep the strip it occupied from the parent's widgets,
    // whatever its mode.
    QObject::connect(stateMachine->closedState(), &QState::entered, q, [this] { setClosed(); });

    q->hide();
    startStateMachineNow(stateMachine);
}

void QtMaterialDrawerPrivate::setClosed()
{
    Q_Q(QtMaterialDrawer);
    q->setAttribute(Qt::WA_TransparentForMouseEvents);
    q->setAttribute(Qt::WA_NoSystemBackground);
}

QtMaterialDrawer::QtMaterialDrawer(QWidget *parent)
    : QtMaterialOverlayWidget(parent), d_ptr(new QtMaterialDrawerPrivate(this))
{
    d_func()->init();
}

QtMaterialDrawer::~QtMaterialDrawer()
{
    Q_D(QtMaterialDrawer);
    // The machine animates the panel, which the widget tree deletes after this body.
    delete d->stateMachine;
    d->stateMachine = nullptr;
}

void QtMaterialDrawer::setPanelWidth(int width)
{
    Q_D(QtMaterialDrawer);
    d->width = width;
    d->widget->setFixedWidth(width + 16);
    d->stateMachine->refreshStateValues();
}

int QtMaterialDrawer::panelWidth() const
{
    return d_func()->width;
}

void QtMaterialDrawer::setContentLayout(QLayout *layout)
{
    d_func()->window->setLayout(layout);
}

QLayout *QtMaterialDrawer::contentLayout() const
{
    return d_func()->window->layout();
}

void QtMaterialDrawer::setClickOutsideToClose(bool state)
{
    d_func()->clickToClose = state;
}

bool QtMaterialDrawer::clickOutsideToClose() const
{
    return d_func()->clickToClose;
}

void QtMaterialDrawer::setAutoRaise(bool state)
{
    d_func()->autoRaise = state;
}

bool QtMaterialDrawer::autoRaise() const
{
    return d_func()->autoRaise;
}

void QtMaterialDrawer::setOverlayMode(bool value)
{
    Q_D(QtMaterialDrawer);
    d->overlay = value;
    // The mask of the other mode would otherwise stay until the next move or resize: a drawer turned to
    // overlay mode would dim and take presses only within its panel's strip.
    if (value) {
        clearMask();
    } else {
        setMask(QRegion(QRect(QPoint(0, 0), d->widget->size())));
    }
    update();
}

bool QtMaterialDrawer::overlayMode() const
{
    return d_func()->overlay;
}

QtMaterialDrawerWidget *QtMaterialDrawer::panel() const
{
    return d_func()->widget;
}

QtMaterialDrawerStateMachine *QtMaterialDrawer::stateMachine() const
{
    return d_func()->stateMachine;
}

void QtMaterialDrawer::openDrawer()
{
    Q_D(QtMaterialDrawer);
    emit d->stateMachine->signalOpen();
    if (d->autoRaise) {
        show();
        raise();
    }
    setAttribute(Qt::WA_TransparentForMouseEvents, false);
    setAttribute(Qt::WA_NoSystemBackground, false);
}

void QtMaterialDrawer::closeDrawer()
{
    Q_D(QtMaterialDrawer);
    emit d->stateMachine->signalClose();
    if (d->overlay) {
        d->setClosed();
    }
}

bool QtMaterialDrawer::event(QEvent *event)
{
    Q_D(QtMaterialDrawer);
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
        if (!d->overlay) {
            setMask(QRegion(QRect(QPoint(0, 0), d->widget->size())));
        }
        break;
    default:
        break;
    }
    return QtMaterialOverlayWidget::event(event);
}

bool QtMaterialDrawer::eventFilter(QObject *obj, QEvent *event)
{
    Q_D(QtMaterialDrawer);
    if (obj != parentWidget()) {
        return QtMaterialOverlayWidget::eventFilter(obj, event);
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (d->clickToClose) {
            const QPoint pos = static_cast<QMouseEvent *>(event)->localPos().toPoint();
            if (!d->widget->geometry().contains(pos)) {
                closeDrawer();
            }
        }
        break;
    case QEvent::Move:
    case QEvent::Resize: {
        QLayout *layout = d->widget->layout();
        if (layout && layout->contentsMargins().right() != 16) {
            layout->setContentsMargins(0, 0, 16, 0);
        }
        break;
    }
    default:
        break;
    }
    return QtMaterialOverlayWidget::eventFilter(obj, event);
}

void QtMaterialDrawer::paintEvent(QPaintEvent *)
{
    Q_D(QtMaterialDrawer);
    if (!d->overlay || d->stateMachine->closedStateActive()) {
        return;
    }
    QPainter painter(this);
    painter.setOpacity(d->stateMachine->opacity());
    painter.fillRect(rect(), Qt::black);
}
