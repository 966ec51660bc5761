#include "materialwidgets/qtmaterialsliderstatemachine.h"

#include "materialwidgets/qtmaterialslider.h"
#include "materialwidgets/qtmaterialsliderthumb.h"
#include "materialwidgets/qtmaterialslidertrack.h"
#include "materialwidgets/qtmaterialstatetransition.h"
#include "materialwidgets/qtmaterialstatetransitionevent.h"

#include <QEventTransition>
#include <QPropertyAnimation>
#include <QSignalTransition>

QtMaterialSliderStateMachine::QtMaterialSliderStateMachine(QtMaterialSlider *slider, QtMaterialSliderThumb *thumb,
                                                           QtMaterialSliderTrack *track)
    : QStateMachine(slider), m_slider(slider), m_thumb(thumb), m_track(track),
      m_topState(new QState(QState::ParallelStates)), m_fstState(new QState(m_topState)),
      m_sndState(new QState(m_topState)), m_inactiveState(new QState(m_fstState)), m_focusState(new QState(m_fstState)),
      m_slidingState(new QState(m_fstState)), m_pulseOutState(new QState(m_focusState)),
      m_pulseInState(new QState(m_focusState)), m_minState(new QState(m_sndState)),
      m_normalState(new QState(m_sndState))
{
    addState(m_topState);
    setInitialState(m_topState);
    m_fstState->setInitialState(m_inactiveState);
    m_focusState->setInitialState(m_pulseOutState);
    m_sndState->setInitialState(m_minState);

    m_inactiveState->assignProperty(thumb, "diameter", 11);
    m_inactiveState->assignProperty(thumb, "haloSize", 0);
    m_focusState->assignProperty(thumb, "diameter", 11);
    m_pulseOutState->assignProperty(thumb, "haloSize", 35);
    m_pulseInState->assignProperty(thumb, "haloSize", 28);
    m_slidingState->assignProperty(thumb, "diameter", 17);
    m_slidingState->assignProperty(thumb, "haloSize", 0);
    m_minState->assignProperty(thumb, "borderWidth", 2);
    m_normalState->assignProperty(thumb, "borderWidth", 0);

    auto animation = [this](QObject *target, const char *property, int duration,
                            QEasingCurve::Type easing = QEasingCurve::Linear) {
        auto *a = new QPropertyAnimation(target, property, this);
        a->setDuration(duration);
        a->setEasingCurve(easing);
        return a;
    };
    auto withFocusAnimations = [&](QAbstractTransition *transition) {
        transition->addAnimation(animation(thumb, "haloSize", 250, QEasingCurve::InOutSine));
        transition->addAnimation(animation(track, "fillColor", 250));
    };
    auto withSlideAnimations = [&](QAbstractTransition *transition) {
        transition->addAnimation(animation(thumb, "diameter", 70));
        transition->addAnimation(animation(thumb, "haloSize", 250, QEasingCurve::InOutSine));
    };
    auto withValueAnimations = [&](QAbstractTransition *transition) {
        transition->addAnimation(animation(thumb, "fillColor", 200));
        transition->addAnimation(animation(thumb, "haloColor", 300));
        transition->addAnimation(animation(thumb, "borderColor", 200));
        transition->addAnimation(animation(thumb, "borderWidth", 200));
    };
    auto kindTransition = [](QState *from, int kind, QState *to) {
        auto *transition = new QtMaterialStateTransition(kind);
        transition->setTargetState(to);
        from->addTransition(transition);
        return transition;
    };
    auto eventTransition = [slider](QState *from, QEvent::Type type, QState *to) {
        auto *transition = new QEventTransition(slider, type);
        transition->setTargetState(to);
        from->addTransition(transition);
        return transition;
    };

    withFocusAnimations(kindTransition(m_inactiveState, KindSliderHoverIn, m_focusState));
    withFocusAnimations(eventTransition(m_inactiveState, QEvent::FocusIn, m_focusState));
    withFocusAnimations(eventTransition(m_focusState, QEvent::FocusOut, m_inactiveState));
    withFocusAnimations(kindTransition(m_focusState, KindSliderHoverOut, m_inactiveState));

    // The halo breathes: each pulse state hands over to the other once its size is reached.
    QSignalTransition *pulse =
        m_pulseOutState->addTransition(m_pulseOutState, &QState::propertiesAssigned, m_pulseInState);
    pulse->addAnimation(animation(thumb, "haloSize", 1000, QEasingCurve::InOutSine));
    pulse = m_pulseInState->addTransition(m_pulseInState, &QState::propertiesAssigned, m_pulseOutState);
    pulse->addAnimation(animation(thumb, "haloSize", 1000, QEasingCurve::InOutSine));

    withSlideAnimations(m_focusState->addTransition(slider, &QAbstractSlider::sliderPressed, m_slidingState));
    withSlideAnimations(m_slidingState->addTransition(slider, &QAbstractSlider::sliderReleased, m_focusState));

    withValueAnimations(kindTransition(m_minState, KindSliderOffMinimum, m_normalState));
    withValueAnimations(kindTransition(m_normalState, KindSliderAtMinimum, m_minState));

    setupProperties();
}

void QtMaterialSliderStateMachine::setupProperties()
{
    const QColor trackColor = m_slider->trackColor();
    const QColor light = trackColor.lighter(130);
    const QColor thumbColor = m_slider->thumbColor();

    m_inactiveState->assignProperty(m_track, "fillColor", light);
    m_slidingState->assignProperty(m_track, "fillColor", trackColor);
    m_focusState->assignProperty(m_track, "fillColor", trackColor);
    m_track->setFillColor(m_inactiveState->active() ? light : trackColor);

    // The ring at the minimum is hollow: it is filled with whatever lies behind the slider.
    QWidget *parent = m_slider->parentWidget();
    const QColor background =
        parent ? parent->palette().color(parent->backgroundRole()) : m_slider->palette().color(QPalette::Base);

    m_minState->assignProperty(m_thumb, "fillColor", background);
    m_minState->assignProperty(m_thumb, "haloColor", trackColor);
    m_minState->assignProperty(m_thumb, "borderColor", trackColor);
    m_normalState->assignProperty(m_thumb, "fillColor", thumbColor);
    m_normalState->assignProperty(m_thumb, "haloColor", thumbColor);
    m_normalState->assignProperty(m_thumb, "borderColor", thumbColor);

    m_slider->update();
}
