#pragma once
// Private state of the group box.

#include <QColor>

class QtMaterialGroupBox;

class QtMaterialGroupBoxPrivate
{
    Q_DISABLE_COPY(QtMaterialGroupBoxPrivate)
    Q_DECLARE_PUBLIC(QtMaterialGroupBox)

public:
    explicit QtMaterialGroupBoxPrivate(QtMaterialGroupBox *q);
    virtual ~QtMaterialGroupBoxPrivate();

    void init();
    void applyPalette();
    void applyFont();

    int fontIndex = 8;
    bool useThemeColors = true;
    QColor textColor;
    QtMaterialGroupBox *const q_ptr;
};
