#include "materialwidgets/qtmaterialslidelayout.h"

#include <QParallelAnimationGroup>
#include <QPointer>
#include <QPropertyAnimation>
#include <QWidget>

class QtMaterialSlideLayoutPrivate
{
    Q_DISABLE_COPY(QtMaterialSlideLayoutPrivate)
    Q_DECLARE_PUBLIC(QtMaterialSlideLayout)

public:
    explicit QtMaterialSlideLayoutPrivate(QtMaterialSlideLayout *q);

    void finishSlide();
    void abandonSlide();

    QtMaterialSlideLayout *const q_ptr;
    QPropertyAnimation *outAnimation;
    QPropertyAnimation *inAnimation;
    QParallelAnimationGroup *group;
    // Either page may be deleted by its owner while it slides.
    QPointer<QWidget> fromWidget;
    QPointer<QWidget> toWidget;
    QMetaObject::Connection fromGone;
    QMetaObject::Connection toGone;
    int direction = 1;
    int animationDuration = 700;
    int animationType = QEasingCurve::OutBack;
    int orientation = Qt::Horizontal;
};

QtMaterialSlideLayoutPrivate::QtMaterialSlideLayoutPrivate(QtMaterialSlideLayout *q)
    : q_ptr(q), outAnimation(new QPropertyAnimation(q)), inAnimation(new QPropertyAnimation(q)),
      group(new QParallelAnimationGroup(q))
{
    outAnimation->setPropertyName("pos");
    inAnimation->setPropertyName("pos");
    group->addAnimation(outAnimation);
    group->addAnimation(inAnimation);
    QObject::connect(outAnimation, &QAbstractAnimation::finished, q, [this] { finishSlide(); });
}

void QtMaterialSlideLayoutPrivate::finishSlide()
{
    Q_Q(QtMaterialSlideLayout);
    // An outgoing page deleted during the slide must not keep the incoming one from becoming current.
    if (toWidget) {
        if (fromWidget) {
            fromWidget->hide();
        }
        q->setCurrentWidget(toWidget);
    }
    fromWidget = nullptr;
    toWidget = nullptr;
    QObject::disconnect(fromGone);
    QObject::disconnect(toGone);
}

void QtMaterialSlideLayoutPrivate::abandonSlide()
{
    // Animations without their page would keep running to no effect.
    group->stop();
    finishSlide();
}

QtMaterialSlideLayout::QtMaterialSlideLayout(QWidget *parent)
    : QStackedLayout(parent), d_ptr(new QtMaterialSlideLayoutPrivate(this))
{
}

QtMaterialSlideLayout::QtMaterialSlideLayout(QLayout *parentLayout)
    : QStackedLayout(parentLayout), d_ptr(new QtMaterialSlideLayoutPrivate(this))
{
}

QtMaterialSlideLayout::~QtMaterialSlideLayout()
{
    Q_D(QtMaterialSlideLayout);
    // The animations are children of this layout and would otherwise still end a slide during its teardown.
    d->group->stop();
    QObject::disconnect(d->fromGone);
    QObject::disconnect(d->toGone);
}

void QtMaterialSlideLayout::setAnimationDuration(uint duration)
{
    d_func()->animationDuration = int(duration);
}

uint QtMaterialSlideLayout::animationDuration() const
{
    return uint(d_func()->animationDuration);
}

void QtMaterialSlideLayout::setAnimationType(QEasingCurve::Type type)
{
    d_func()->animationType = type;
}

QEasingCurve::Type QtMaterialSlideLayout::animationType() const
{
    return QEasingCurve::Type(d_func()->animationType);
}

void QtMaterialSlideLayout::setOrientation(Qt::Orientation orientation)
{
    d_func()->orientation = orientation;
}

Qt::Orientation QtMaterialSlideLayout::orientation() const
{
    return Qt::Orientation(d_func()->orientation);
}

void QtMaterialSlideLayout::setGeometry(const QRect &rect)
{
    Q_D(QtMaterialSlideLayout);
    if (d->group->state() == QAbstractAnimation::Running) {
        d->outAnimation->setEndValue(QPoint(-rect.width() * d->direction, 0));
        d->inAnimation->setStartValue(QPoint(rect.width() * d->direction, 0));
        if (d->toWidget) {
            d->toWidget->resize(rect.size());
        }
        return;
    }
    if (QWidget *widget = currentWidget()) {
        widget->setGeometry(rect);
    }
}

void QtMaterialSlideLayout::slideToWidget(QWidget *widget)
{
    Q_D(QtMaterialSlideLayout);

    if (!widget || !parentWidget()) {
        return;
    }

    if (d->group->state() == QAbstractAnimation::Running) {
        if (widget == d->toWidget) {
            return;
        }
        d->group->setCurrentTime(d->group->duration());
        d->group->stop();
        if (d->toWidget) {
            setCurrentWidget(d->toWidget);
        }
    }

    if (widget == currentWidget()) {
        return;
    }

    d->fromWidget = currentWidget();
    d->toWidget = widget;
    d->direction = indexOf(d->toWidget) < indexOf(d->fromWidget) ? -1 : 1;

    const int w = parentWidget()->width();
    const int h = parentWidget()->height();

    d->outAnimation->setTargetObject(d->fromWidget);
    d->outAnimation->setEasingCurve(QEasingCurve::Type(d->animationType));
    d->outAnimation->setDuration(d->animationDuration);
    d->outAnimation->setStartValue(QPoint(0, 0));
    d->outAnimation->setEndValue(QPoint(-w * d->direction, 0));

    d->inAnimation->setTargetObject(d->toWidget);
    d->inAnimation->setEasingCurve(QEasingCurve::Type(d->animationType));
    d->inAnimation->setDuration(d->animationDuration);
    d->inAnimation->setStartValue(QPoint(w * d->direction, 0));
    d->inAnimation->setEndValue(QPoint(0, 0));

    d->fromGone = connect(d->fromWidget, &QObject::destroyed, this, [d] { d->abandonSlide(); });
    d->toGone = connect(d->toWidget, &QObject::destroyed, this, [d] { d->abandonSlide(); });

    d->group->start();
    d->toWidget->raise();
    d->toWidget->show();
    d->toWidget->setGeometry(w, 0, w, h);
}

void QtMaterialSlideLayout::slideToIndex(int index)
{
    slideToWidget(widget(index));
}
