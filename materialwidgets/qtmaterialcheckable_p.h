#pragma once
// State of a check button, shared with the check box and radio button so their set-up can extend it.

#include "materialwidgets/qtmaterialcheckable.h"

#include <QPointer>

class QState;
class QStateMachine;
class QSignalTransition;
class QtMaterialCheckableIcon;
class QtMaterialRippleOverlay;

class QtMaterialCheckablePrivate
{
    Q_DISABLE_COPY(QtMaterialCheckablePrivate)
    Q_DECLARE_PUBLIC(QtMaterialCheckable)

public:
    explicit QtMaterialCheckablePrivate(QtMaterialCheckable *q);
    virtual ~QtMaterialCheckablePrivate();

    void init();
    // The colour column of the state table, read from the colour getters.
    void assignBaseStateColors();
    QRect rippleGeometry() const;

    QtMaterialCheckable *const q_ptr;
    // Lives in the button's parent so the ripple may spread past the button's edges; guarded because the
    // parent may delete it before the button.
    QPointer<QtMaterialRippleOverlay> rippleOverlay;
    // The same overlay as a plain object, so eventFilter can recognise it while it is being destroyed: converting
    // the guarded pointer casts to the overlay's class, which a half-destroyed overlay no longer is.
    QObject *rippleOverlayObject = nullptr;
    QtMaterialCheckableIcon *checkedIcon = nullptr;
    QtMaterialCheckableIcon *uncheckedIcon = nullptr;
    QStateMachine *stateMachine = nullptr;
    QState *uncheckedState = nullptr;
    QState *checkedState = nullptr;
    QState *disabledUncheckedState = nullptr;
    QState *disabledCheckedState = nullptr;
    QSignalTransition *uncheckedTransition = nullptr;
    QSignalTransition *checkedTransition = nullptr;
    QtMaterialCheckable::LabelPosition labelPosition = QtMaterialCheckable::LabelOnRight;
    QColor checkedColor;
    QColor uncheckedColor;
    QColor textColor;
    QColor disabledColor;
    bool useThemeColors = true;
};
