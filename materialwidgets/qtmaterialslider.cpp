#include "materialwidgets/qtmaterialslider.h"

#include "materialwidgets/qtmaterialsliderstatemachine.h"
#include "materialwidgets/qtmaterialsliderthumb.h"
#include "materialwidgets/qtmaterialslidertrack.h"
#include "materialwidgets/qtmaterialstatetransition.h"
#include "materialwidgets/qtmaterialstatetransitionevent.h"
#include "materialwidgets/qtmaterialstyle.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QStyle>

class QtMaterialSliderPrivate
{
    Q_DISABLE_COPY(QtMaterialSliderPrivate)
    Q_DECLARE_PUBLIC(QtMaterialSlider)

public:
    explicit QtMaterialSliderPrivate(QtMaterialSlider *q) : q_ptr(q) {}

    void init();
    QRectF trackBoundingRect() const;
    QRectF thumbBoundingRect() const;
    QRect thumbHitSquare() const;
    int valueFromPosition(const QPoint &pos) const;
    void setHovered(bool status);
    void postKind(int kind);

    QtMaterialSlider *const q_ptr;
    // Both live in the slider's parent; guarded because the parent may delete them before the slider.
    QPointer<QtMaterialSliderThumb> thumb;
    QPointer<QtMaterialSliderTrack> track;
    QtMaterialSliderStateMachine *stateMachine = nullptr;
    QColor thumbColor;
    QColor trackColor;
    QColor disabledColor;
    int stepTo = 0;
    int oldValue = 0;
    int trackWidth = 2;
    bool hoverTrack = false;
    bool hoverThumb = false;
    bool hover = false;
    bool step = false;
    bool pageStepMode = true;
    bool useThemeColors = true;
};

namespace {

void applyOrientationPolicy(QtMaterialSlider *slider)
{
    const bool horizontal = slider->orientation() == Qt::Horizontal;
    slider->setSizePolicy(horizontal ? QSizePolicy::Expanding : QSizePolicy::Fixed,
                          horizontal ? QSizePolicy::Fixed : QSizePolicy::Expanding);
    // A layout may still give the slider a policy of its own; this one is only the default.
    slider->setAttribute(Qt::WA_WState_OwnSizePolicy, false);
}

} // namespace

void QtMaterialSliderPrivate::init()
{
    Q_Q(QtMaterialSlider);

    oldValue = q->value();
    thumb = new QtMaterialSliderThumb(q);
    track = new QtMaterialSliderTrack(thumb, q);
    // The bar runs under the thumb, not across it.
    track->stackUnder(thumb);
    stateMachine = new QtMaterialSliderStateMachine(q, thumb, track);

    q->setMouseTracking(true);
    q->setFocusPolicy(Qt::StrongFocus);
    q->setPageStep(1);
    applyOrientationPolicy(q);

    startStateMachineNow(stateMachine);
}

QRectF QtMaterialSliderPrivate::trackBoundingRect() const
{
    Q_Q(const QtMaterialSlider);
    const qreal half = trackWidth / 2.0;
    return q->orientation() == Qt::Horizontal ? QRectF(30, q->height() / 2 - half, q->width() - 60, trackWidth)
                                              : QRectF(q->width() / 2 - half, 30, trackWidth, q->height() - 60);
}

QRectF QtMaterialSliderPrivate::thumbBoundingRect() const
{
    Q_Q(const QtMaterialSlider);
    const int offset = thumb ? thumb->offset() : 0;
    return q->orientation() == Qt::Horizontal ? QRectF(offset, q->height() / 2 - 30, 60, 60)
                                              : QRectF(q->width() / 2 - 30, offset, 60, 60);
}

QRect QtMaterialSliderPrivate::thumbHitSquare() const
{
    const QPoint centre = thumbBoundingRect().center().toPoint();
    return QRect(centre.x() - 8, centre.y() - 8, 16, 16);
}

int QtMaterialSliderPrivate::valueFromPosition(const QPoint &pos) const
{
    Q_Q(const QtMaterialSlider);
    const bool horizontal = q->orientation() == Qt::Horizontal;
    const int position = horizontal ? pos.x() : pos.y();
    const int span = horizontal ? q->width() - 60 : q->height() - 60;
    return QStyle::sliderValueFromPosition(q->minimum(), q->maximum(), position - 30, span, q->invertedAppearance());
}

void QtMaterialSliderPrivate::setHovered(bool status)
{
    Q_Q(QtMaterialSlider);
    if (hover == status)
        return;
    hover = status;
    // With focus the halo already pulses; hovering changes nothing then.
    if (!q->hasFocus())
        postKind(status ? KindSliderHoverIn : KindSliderHoverOut);
    q->update();
}

void QtMaterialSliderPrivate::postKind(int kind)
{
    stateMachine->postEvent(new QtMaterialStateTransitionEvent(kind));
}

QtMaterialSlider::QtMaterialSlider(QWidget *parent) : QAbstractSlider(parent), d_ptr(new QtMaterialSliderPrivate(this))
{
    d_func()->init();
}

QtMaterialSlider::~QtMaterialSlider()
{
    // Thumb and track sit in the parent and paint from this slider: they must not outlive it.
    Q_D(QtMaterialSlider);
    d->stateMachine->stop();
    delete d->stateMachine;
    d->stateMachine = nullptr;
    delete d->track.data();
    delete d->thumb.data();
}

void QtMaterialSlider::setUseThemeColors(bool value)
{
    Q_D(QtMaterialSlider);
    if (d->useThemeColors == value)
        return;
    d->useThemeColors = value;
    d->stateMachine->setupProperties();
}

bool QtMaterialSlider::useThemeColors() const
{
    Q_D(const QtMaterialSlider);
    return d->useThemeColors;
}

void QtMaterialSlider::setThumbColor(const QColor &color)
{
    Q_D(QtMaterialSlider);
    d->thumbColor = color;
    d->useThemeColors = false;
    d->stateMachine->setupProperties();
    update();
}

QColor QtMaterialSlider::thumbColor() const
{
    Q_D(const QtMaterialSlider);
    if (!d->useThemeColors && d->thumbColor.isValid())
        return d->thumbColor;
    return QColor(0x21, 0x96, 0xF3);
}

void QtMaterialSlider::setTrackColor(const QColor &color)
{
    Q_D(QtMaterialSlider);
    d->trackColor = color;
    d->useThemeColors = false;
    d->stateMachine->setupProperties();
    update();
}

QColor QtMaterialSlider::trackColor() const
{
    Q_D(const QtMaterialSlider);
    if (!d->useThemeColors && d->trackColor.isValid())
        return d->trackColor;
    return QtMaterialStyle::instance().themeColor(6);
}

void QtMaterialSlider::setDisabledColor(const QColor &color)
{
    Q_D(QtMaterialSlider);
    d->disabledColor = color;
    d->useThemeColors = false;
    d->stateMachine->setupProperties();
    update();
}

QColor QtMaterialSlider::disabledColor() const
{
    Q_D(const QtMaterialSlider);
    if (!d->useThemeColors && d->disabledColor.isValid())
        return d->disabledColor;
    return QtMaterialStyle::instance().themeColor(12);
}

void QtMaterialSlider::setPageStepMode(bool pageStep)
{
    Q_D(QtMaterialSlider);
    d->pageStepMode = pageStep;
}

bool QtMaterialSlider::pageStepMode() const
{
    Q_D(const QtMaterialSlider);
    return d->pageStepMode;
}

QSize QtMaterialSlider::minimumSizeHint() const
{
    return orientation() == Qt::Horizontal ? QSize(130, 34) : QSize(34, 130);
}

void QtMaterialSlider::setInvertedAppearance(bool value)
{
    QAbstractSlider::setInvertedAppearance(value);
    updateThumbOffset();
}

void QtMaterialSlider::sliderChange(SliderChange change)
{
    Q_D(QtMaterialSlider);

    if (change == SliderOrientationChange) {
        applyOrientationPolicy(this);
    } else if (change == SliderValueChange) {
        if (minimum() == value()) {
            triggerAction(SliderToMinimum);
            d->postKind(KindSliderAtMinimum);
        } else if (maximum() == value()) {
            triggerAction(SliderToMaximum);
        }
        if (minimum() == d->oldValue)
            d->postKind(KindSliderOffMinimum);
        d->oldValue = value();
    }

    // A held page step stops where the pointer was pressed instead of running on to the end of the range.
    if (d->step && repeatAction() != SliderNoAction) {
        const bool adding = repeatAction() == SliderPageStepAdd;
        if ((adding && sliderPosition() >= d->stepTo) || (!adding && sliderPosition() <= d->stepTo))
            setRepeatAction(SliderNoAction, 0, 50);
    }

    updateThumbOffset();
    QAbstractSlider::sliderChange(change);
}

void QtMaterialSlider::updateThumbOffset()
{
    Q_D(QtMaterialSlider);
    if (!d->thumb)
        return;
    const int span = orientation() == Qt::Horizontal ? width() - 60 : height() - 60;
    d->thumb->setOffset(
        QStyle::sliderPositionFromValue(minimum(), maximum(), sliderPosition(), span, invertedAppearance()));
    if (d->track)
        d->track->update();
}

void QtMaterialSlider::mouseMoveEvent(QMouseEvent *event)
{
    Q_D(QtMaterialSlider);
    const QPoint pos = event->localPos().toPoint();

    if (isSliderDown()) {
        setSliderPosition(d->valueFromPosition(pos));
        return;
    }

    QRectF track = d->trackBoundingRect().adjusted(-2, -2, 2, 2);
    if (track.contains(pos) != d->hoverTrack) {
        d->hoverTrack = !d->hoverTrack;
        update();
    }
    if (d->thumbHitSquare().contains(pos) != d->hoverThumb) {
        d->hoverThumb = !d->hoverThumb;
        update();
    }
    d->setHovered(d->hoverTrack || d->hoverThumb);
}

void QtMaterialSlider::mousePressEvent(QMouseEvent *event)
{
    Q_D(QtMaterialSlider);
    const QPoint pos = event->localPos().toPoint();

    if (!d->thumbHitSquare().contains(pos)) {
        if (d->pageStepMode) {
            d->step = true;
            d->stepTo = d->valueFromPosition(pos);
            const SliderAction action = d->stepTo > sliderPosition() ? SliderPageStepAdd : SliderPageStepSub;
            setRepeatAction(action, 400, 8);
            triggerAction(action);
            return;
        }
        setSliderPosition(d->valueFromPosition(pos));
        if (d->thumb) {
            d->thumb->setHaloSize(0);
            d->thumb->update();
        }
    }
    setSliderDown(true);
}

void QtMaterialSlider::mouseReleaseEvent(QMouseEvent *event)
{
    Q_D(QtMaterialSlider);
    if (isSliderDown()) {
        setSliderDown(false);
    } else if (d->step) {
        d->step = false;
        setRepeatAction(SliderNoAction, 0, 50);
    }
    event->accept();
}

void QtMaterialSlider::leaveEvent(QEvent *event)
{
    Q_D(QtMaterialSlider);
    if (d->hoverTrack) {
        d->hoverTrack = false;
        update();
    }
    if (d->hoverThumb) {
        d->hoverThumb = false;
        update();
    }
    d->setHovered(false);
    QAbstractSlider::leaveEvent(event);
}

bool QtMaterialSlider::event(QEvent *event)
{
    Q_D(QtMaterialSlider);
    switch (event->type()) {
    case QEvent::StyleChange:
        if (d->stateMachine)
            d->stateMachine->setupProperties();
        break;
    case QEvent::Resize:
        // The thumb's pixel offset depends on the track length; keep it under the value after a resize.
        updateThumbOffset();
        break;
    default:
        break;
    }
    return QAbstractSlider::event(event);
}
