#pragma once
// State of the tab strip, shared with the ink bar that follows its current tab.

#include "materialwidgets/qtmaterialtabs.h"

class QGridLayout;
class QtMaterialCanvas;
class QtMaterialGroupBox;
class QtMaterialTab;

class QtMaterialTabsPrivate
{
    Q_DISABLE_COPY(QtMaterialTabsPrivate)
    Q_DECLARE_PUBLIC(QtMaterialTabs)

public:
    explicit QtMaterialTabsPrivate(QtMaterialTabs *q) : q_ptr(q) {}

    void init();
    QGridLayout *grid() const;
    QtMaterialTab *tabAt(int index) const;
    QColor tabBackground() const;

    QtMaterialTabs *const q_ptr;
    QtMaterialGroupBox *tabHost = nullptr;
    QtMaterialCanvas *canvas = nullptr;
    int count = 0;
    Material::RippleStyle rippleStyle = Material::RippleAtCenter;
    int currentIndex = -1;
    QSize iconSize = QSize(48, 48);
    bool haloVisible = false;
    bool useThemeColors = true;
    QColor inkColor;
    QColor backgroundColor;
    QColor textColor;
};
