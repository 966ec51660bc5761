#pragma once
// Private state of the label.

#include "materialwidgets/qtmaterialrippleplacement.h"

#include <QColor>

class QtMaterialLabel;

class QtMaterialLabelPrivate
{
    Q_DISABLE_COPY(QtMaterialLabelPrivate)
    Q_DECLARE_PUBLIC(QtMaterialLabel)

public:
    explicit QtMaterialLabelPrivate(QtMaterialLabel *q);
    virtual ~QtMaterialLabelPrivate();

    void init();
    void applyPalette();
    void applyFont();

    int fontIndex = 8;
    bool useThemeColors = true;
    QColor textColor;
    // The press ripple's overlay, laid around the widget in its parent.
    QtMaterialRipplePlacement ripple;
    QtMaterialLabel *const q_ptr;
};
