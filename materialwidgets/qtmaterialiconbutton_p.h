#pragma once
// Private state of the icon button.

#include <QColor>
#include <QPointer>

class QtMaterialIconButton;
class QtMaterialRippleOverlay;

class QtMaterialIconButtonPrivate
{
    Q_DISABLE_COPY(QtMaterialIconButtonPrivate)
    Q_DECLARE_PUBLIC(QtMaterialIconButton)

public:
    explicit QtMaterialIconButtonPrivate(QtMaterialIconButton *q);
    virtual ~QtMaterialIconButtonPrivate();

    void init();
    void updateRipple();

    bool useThemeColors = true;
    QColor color;
    QColor disabledColor;
    // Lives in the button's parent, so the parent may already have deleted it.
    QPointer<QtMaterialRippleOverlay> rippleOverlay;
    // The same overlay as a plain object, so eventFilter can recognise it while it is being destroyed: converting
    // the guarded pointer casts to the overlay's class, which a half-destroyed overlay no longer is.
    QObject *rippleOverlayObject = nullptr;
    QtMaterialIconButton *const q_ptr;
};
