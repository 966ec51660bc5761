#pragma once
// Private state of the floating action button.

#include "materialwidgets/qtmaterialflatbutton_p.h"

class QtMaterialFloatingActionButton;

class QtMaterialFloatingActionButtonPrivate : public QtMaterialFlatButtonPrivate
{
    Q_DISABLE_COPY(QtMaterialFloatingActionButtonPrivate)
    Q_DECLARE_PUBLIC(QtMaterialFloatingActionButton)

public:
    enum { DefaultDiameter = 56, MiniDiameter = 40, DefaultIconSize = 24, MiniIconSize = 18 };

    explicit QtMaterialFloatingActionButtonPrivate(QtMaterialFloatingActionButton *q);
    ~QtMaterialFloatingActionButtonPrivate() override;

    void init();
    QRect fabGeometry() const;
    void setupProperties();

    int diameter() const { return mini ? MiniDiameter : DefaultDiameter; }
    int iconSize() const { return mini ? MiniIconSize : DefaultIconSize; }

    Qt::Corner corner = Qt::BottomRightCorner;
    bool mini = false;
    int offsX = 0;
    int offsY = 0;
};
