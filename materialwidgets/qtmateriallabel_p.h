#pragma once
// Private state of the label.

#include <QColor>
#include <QPointer>

class QtMaterialLabel;
class QtMaterialRippleOverlay;

class QtMaterialLabelPrivate
{
    Q_DISABLE_COPY(QtMaterialLabelPrivate)
    Q_DECLARE_PUBLIC(QtMaterialLabel)

public:
    explicit QtMaterialLabelPrivate(QtMaterialLabel *q);
    virtual ~QtMaterialLabelPrivate();

    void init();
    void updateRipple();
    void applyPalette();
    void applyFont();

    int fontIndex = 8;
    bool useThemeColors = true;
    QColor textColor;
    // Lives in the label's parent, so the parent may already have deleted it.
    QPointer<QtMaterialRippleOverlay> rippleOverlay;
    // The same overlay as a plain object, so eventFilter can recognise it while it is being destroyed: converting
    // the guarded pointer casts to the overlay's class, which a half-destroyed overlay no longer is.
    QObject *rippleOverlayObject = nullptr;
    QtMaterialLabel *const q_ptr;
};
