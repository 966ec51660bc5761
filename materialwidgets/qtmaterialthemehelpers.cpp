#include "materialwidgets/qtmaterialthemehelpers.h"

#include "materialwidgets/qtmaterialtheme.h"

#include <QtMath>
#include <cstdlib>

QtMaterialTheme *makeTheme(const QColor &primary, const QColor &accent, bool dark)
{
    auto *theme = new QtMaterialTheme;
    theme->setColor(0, primary);
    theme->setColor(1, primary.lighter(150));
    theme->setColor(2, primary.darker(200));
    theme->setColor(3, primary.black() > 128 ? QColor(Qt::white) : QColor(Qt::black));
    theme->setColor(4, accent);
    theme->setColor(5, accent.lighter(150));
    theme->setColor(6, accent.darker(200));
    theme->setColor(7, accent.black() > 128 ? QColor(Qt::white) : QColor(Qt::black));
    theme->setColor(8, dark ? QColor(0xE1, 0xE1, 0xE1) : QColor(0x32, 0x32, 0x32));
    theme->setColor(10, dark ? QColor(0x32, 0x32, 0x32) : QColor(0xE1, 0xE1, 0xE1));
    theme->setColor(11, dark ? QColor(0x4B, 0x4B, 0x4B) : QColor(0xC8, 0xC8, 0xC8));
    return theme;
}

QtMaterialTheme *makeRandomTheme()
{
    const int r1 = std::rand();
    const int r2 = std::rand();
    const int r3 = std::rand();
    const QColor primary = QColor::fromHsv(r1 % 360, r2 % 175 + 80, r3 % 175 + 80, 255);
    const int r4 = std::rand();
    const int h2 = (primary.hsvHue() + r4 % 260 + 50) % 360;
    const QColor accent = QColor::fromHsv(h2, 250, 250, 255);
    const int r5 = std::rand();
    return makeTheme(primary, accent, r5 % 2 == 0);
}

namespace {

float linearChannel(float v)
{
    return v <= 0.03928f ? v / 12.92f : std::pow((v + 0.055f) / 1.055f, 2.4f);
}

} // namespace

float relativeLuminance(const QColor &color)
{
    const float r = linearChannel(float(color.redF()));
    const float g = linearChannel(float(color.greenF()));
    const float b = linearChannel(float(color.blueF()));
    return 0.2126f * r + 0.7152f * g + 0.0722f * b;
}

float contrastRatio(const QColor &a, const QColor &b)
{
    const float la = relativeLuminance(a);
    const float lb = relativeLuminance(b);
    const float lighter = qMax(la, lb);
    const float darker = qMin(la, lb);
    return (lighter + 0.05f) / (darker + 0.05f);
}

QColor adjustForContrast(const QColor &color, const QColor &reference, float ratio)
{
    const float target = qBound(1.0f, ratio, 7.0f);
    // darker(95) is the way QColor lightens by about 5 % in integer arithmetic.
    const int factor = color.lightness() < reference.lightness() ? 105 : 95;

    QColor result = color;
    int steps = 0;
    float contrast;
    do {
        contrast = contrastRatio(result, reference);
        result = result.darker(factor);
        ++steps;
    } while (contrast < target && steps < 31);
    return result;
}
