#pragma once
// Private state of the flat button; subclasses may extend it through the protected constructor.

#include "materialwidgets/qtmaterialtheme.h"

#include <QColor>
#include <QtGlobal>

class QGraphicsDropShadowEffect;
class QState;
class QStateMachine;
class QtMaterialFlatButton;
class QtMaterialFlatButtonStateMachine;
class QtMaterialRippleOverlay;

class QtMaterialFlatButtonPrivate
{
    Q_DISABLE_COPY(QtMaterialFlatButtonPrivate)
    Q_DECLARE_PUBLIC(QtMaterialFlatButton)

public:
    explicit QtMaterialFlatButtonPrivate(QtMaterialFlatButton *q);
    virtual ~QtMaterialFlatButtonPrivate();

    void init();
    void installShadow();
    void removeShadow();

    QtMaterialFlatButton *const q_ptr;
    QtMaterialRippleOverlay *rippleOverlay = nullptr;
    QtMaterialFlatButtonStateMachine *stateMachine = nullptr;
    QStateMachine *shadowStateMachine = nullptr;
    QState *shadowNormalState = nullptr;
    QState *shadowPressedState = nullptr;
    QGraphicsDropShadowEffect *shadowEffect = nullptr;
    int role = Material::NeutralRole;
    int type = Material::TextButton;
    int rippleStyle = Material::RippleAtCursor;
    int iconPlacement = Material::IconBeforeText;
    int overlayStyle = Material::OverlayHidden;
    Qt::Alignment textAlignment = Qt::AlignHCenter;
    QColor backgroundColor;
    QColor foregroundColor;
    QColor overlayColor;
    QColor disabledColor;
    QColor disabledBackgroundColor;
    qreal fixedRippleRadius = 64;
    qreal cornerRadius = 3;
    qreal baseOpacity = 0.13;
    bool useThemeColors = true;
    bool useFixedRippleRadius = false;
    bool haloVisible = false;
};
