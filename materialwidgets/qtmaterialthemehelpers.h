#pragma once
// Building whole themes from two colours, and the colour-contrast measures and adjustment of the web's guidelines.

#include <QColor>

class QtMaterialTheme;

// A new theme without parent, not installed: hand it to QtMaterialStyle::setTheme to use it.
QtMaterialTheme *makeTheme(const QColor &primary, const QColor &accent, bool dark);
// The same from random colours drawn from rand().
QtMaterialTheme *makeRandomTheme();

float relativeLuminance(const QColor &color);
// From 1 (no contrast) to 21 (black on white).
float contrastRatio(const QColor &a, const QColor &b);
// Steps color away from reference (darker or lighter) until the contrast reaches ratio, clamped to 1 .. 7.
QColor adjustForContrast(const QColor &color, const QColor &reference, float ratio);
