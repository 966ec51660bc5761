#pragma once
// Private state of the icon button.

#include "materialwidgets/qtmaterialrippleplacement.h"

#include <QColor>

class QtMaterialIconButton;

class QtMaterialIconButtonPrivate
{
    Q_DISABLE_COPY(QtMaterialIconButtonPrivate)
    Q_DECLARE_PUBLIC(QtMaterialIconButton)

public:
    explicit QtMaterialIconButtonPrivate(QtMaterialIconButton *q);
    virtual ~QtMaterialIconButtonPrivate();

    void init();

    bool useThemeColors = true;
    QColor color;
    QColor disabledColor;
    // The press ripple's overlay, laid around the widget in its parent.
    QtMaterialRipplePlacement ripple;
    QtMaterialIconButton *const q_ptr;
};
