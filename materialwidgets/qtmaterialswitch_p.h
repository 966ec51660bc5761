#pragma once
// Private state of the switch.

#include <QColor>
#include <QPointer>

class QState;
class QStateMachine;
class QtMaterialSwitch;
class QtMaterialSwitchRippleOverlay;
class QtMaterialSwitchThumb;
class QtMaterialSwitchTrack;

class QtMaterialSwitchPrivate
{
    Q_DISABLE_COPY(QtMaterialSwitchPrivate)
    Q_DECLARE_PUBLIC(QtMaterialSwitch)

public:
    explicit QtMaterialSwitchPrivate(QtMaterialSwitch *q);
    virtual ~QtMaterialSwitchPrivate();

    void init();
    void setupProperties();

    QtMaterialSwitch *const q_ptr;
    QtMaterialSwitchTrack *track = nullptr;
    QtMaterialSwitchThumb *thumb = nullptr;
    // Lives in the switch's parent, so the parent may already have deleted it.
    QPointer<QtMaterialSwitchRippleOverlay> rippleOverlay;
    QStateMachine *stateMachine = nullptr;
    QState *offState = nullptr;
    QState *onState = nullptr;
    Qt::Orientation orientation = Qt::Horizontal;
    QColor disabledColor;
    QColor activeColor;
    QColor inactiveColor;
    QColor trackColor;
    QColor textColor;
    bool useThemeColors = true;
};
