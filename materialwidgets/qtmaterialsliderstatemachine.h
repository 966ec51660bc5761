#pragma once
// Animates the slider's thumb and track: halo pulse while focused or hovered, swelling while dragged, and the
// hollow ring at the minimum.

#include <QStateMachine>

class QtMaterialSlider;
class QtMaterialSliderThumb;
class QtMaterialSliderTrack;

class QtMaterialSliderStateMachine : public QStateMachine
{
    Q_OBJECT

public:
    QtMaterialSliderStateMachine(QtMaterialSlider *slider, QtMaterialSliderThumb *thumb, QtMaterialSliderTrack *track);

    // (Re)assigns the colours of the states from the slider's current colours.
    void setupProperties();

private:
    Q_DISABLE_COPY(QtMaterialSliderStateMachine)

    QtMaterialSlider *const m_slider;
    QtMaterialSliderThumb *const m_thumb;
    QtMaterialSliderTrack *const m_track;
    QState *const m_topState;
    QState *const m_fstState;
    QState *const m_sndState;
    QState *const m_inactiveState;
    QState *const m_focusState;
    QState *const m_slidingState;
    QState *const m_pulseOutState;
    QState *const m_pulseInState;
    QState *const m_minState;
    QState *const m_normalState;
};
