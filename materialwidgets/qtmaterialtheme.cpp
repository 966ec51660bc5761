#include "materialwidgets/qtmaterialtheme.h"

#include <QVector>

#include <mutex>

// The icons live in this static library; registering them by hand keeps the linker from dropping them.
static void initMaterialIcons()
{
    Q_INIT_RESOURCE(materialicons);
}

static void ensureMaterialIcons()
{
    static std::once_flag registered;
    std::call_once(registered, initMaterialIcons);
}

class QtMaterialThemePrivate
{
public:
    explicit QtMaterialThemePrivate(QtMaterialTheme *owner)
        : q(owner), colors(QtMaterialTheme::ColorCount), fonts(QtMaterialTheme::FontCount)
    {
    }

    QtMaterialTheme *const q;
    QVector<QColor> colors;
    QVector<QFont> fonts;
};

namespace {

// clang-format off
// Material colour palette (2014): sixteen hues of 14 shades (50-900, A100-A700), then brown, blue grey and grey
// with ten shades each, then black and white.
const QRgb kOpaquePalette[256] = {
    // red
    0xFFEBEE, 0xFFCDD2, 0xEF9A9A, 0xE57373, 0xEF5350, 0xF44336, 0xE53935, 0xD32F2F, 0xC62828, 0xB71C1C,
    0xFF8A80, 0xFF5252, 0xFF1744, 0xD50000,
    // pink
    0xFCE4EC, 0xF8BBD0, 0xF48FB1, 0xF06292, 0xEC407A, 0xE91E63, 0xD81B60, 0xC2185B, 0xAD1457, 0x880E4F,
    0xFF80AB, 0xFF4081, 0xF50057, 0xC51162,
    // purple
    0xF3E5F5, 0xE1BEE7, 0xCE93D8, 0xBA68C8, 0xAB47BC, 0x9C27B0, 0x8E24AA, 0x7B1FA2, 0x6A1B9A, 0x4A148C,
    0xEA80FC, 0xE040FB, 0xD500F9, 0xAA00FF,
    // deep purple
    0xEDE7F6, 0xD1C4E9, 0xB39DDB, 0x9575CD, 0x7E57C2, 0x673AB7, 0x5E35B1, 0x512DA8, 0x4527A0, 0x311B92,
    0xB388FF, 0x7C4DFF, 0x651FFF, 0x6200EA,
    // indigo
    0xE8EAF6, 0xC5CAE9, 0x9FA8DA, 0x7986CB, 0x5C6BC0, 0x3F51B5, 0x3949AB, 0x303F9F, 0x283593, 0x1A237E,
    0x8C9EFF, 0x536DFE, 0x3D5AFE, 0x304FFE,
    // blue
    0xE3F2FD, 0xBBDEFB, 0x90CAF9, 0x64B5F6, 0x42A5F5, 0x2196F3, 0x1E88E5, 0x1976D2, 0x1565C0, 0x0D47A1,
    0x82B1FF, 0x448AFF, 0x2979FF, 0x2962FF,
    // light blue
    0xE1F5FE, 0xB3E5FC, 0x81D4FA, 0x4FC3F7, 0x29B6F6, 0x03A9F4, 0x039BE5, 0x0288D1, 0x0277BD, 0x01579B,
    0x80D8FF, 0x40C4FF, 0x00B0FF, 0x0091EA,
    // cyan
    0xE0F7FA, 0xB2EBF2, 0x80DEEA, 0x4DD0E1, 0x26C6DA, 0x00BCD4, 0x00ACC1, 0x0097A7, 0x00838F, 0x006064,
    0x84FFFF, 0x18FFFF, 0x00E5FF, 0x00B8D4,
    // teal
    0xE0F2F1, 0xB2DFDB, 0x80CBC4, 0x4DB6AC, 0x26A69A, 0x009688, 0x00897B, 0x00796B, 0x00695C, 0x004D40,
    0xA7FFEB, 0x64FFDA, 0x1DE9B6, 0x00BFA5,
    // green
    0xE8F5E9, 0xC8E6C9, 0xA5D6A7, 0x81C784, 0x66BB6A, 0x4CAF50, 0x43A047, 0x388E3C, 0x2E7D32, 0x1B5E20,
    0xB9F6CA, 0x69F0AE, 0x00E676, 0x00C853,
    // light green
    0xF1F8E9, 0xDCEDC8, 0xC5E1A5, 0xAED581, 0x9CCC65, 0x8BC34A, 0x7CB342, 0x689F38, 0x558B2F, 0x33691E,
    0xCCFF90, 0xB2FF59, 0x76FF03, 0x64DD17,
    // lime
    0xF9FBE7, 0xF0F4C3, 0xE6EE9C, 0xDCE775, 0xD4E157, 0xCDDC39, 0xC0CA33, 0xAFB42B, 0x9E9D24, 0x827717,
    0xF4FF81, 0xEEFF41, 0xC6FF00, 0xAEEA00,
    // yellow
    0xFFFDE7, 0xFFF9C4, 0xFFF59D, 0xFFF176, 0xFFEE58, 0xFFEB3B, 0xFDD835, 0xFBC02D, 0xF9A825, 0xF57F17,
    0xFFFF8D, 0xFFFF00, 0xFFEA00, 0xFFD600,
    // amber
    0xFFF8E1, 0xFFECB3, 0xFFE082, 0xFFD54F, 0xFFCA28, 0xFFC107, 0xFFB300, 0xFFA000, 0xFF8F00, 0xFF6F00,
    0xFFE57F, 0xFFD740, 0xFFC400, 0xFFAB00,
    // orange
    0xFFF3E0, 0xFFE0B2, 0xFFCC80, 0xFFB74D, 0xFFA726, 0xFF9800, 0xFB8C00, 0xF57C00, 0xEF6C00, 0xE65100,
    0xFFD180, 0xFFAB40, 0xFF9100, 0xFF6D00,
    // deep orange
    0xFBE9E7, 0xFFCCBC, 0xFFAB91, 0xFF8A65, 0xFF7043, 0xFF5722, 0xF4511E, 0xE64A19, 0xD84315, 0xBF360C,
    0xFF9E80, 0xFF6E40, 0xFF3D00, 0xDD2C00,
    // brown
    0xEFEBE9, 0xD7CCC8, 0xBCAAA4, 0xA1887F, 0x8D6E63, 0x795548, 0x6D4C41, 0x5D4037, 0x4E342E, 0x3E2723,
    // blue grey
    0xECEFF1, 0xCFD8DC, 0xB0BEC5, 0x90A4AE, 0x78909C, 0x607D8B, 0x546E7A, 0x455A64, 0x37474F, 0x263238,
    // grey
    0xFAFAFA, 0xF5F5F5, 0xEEEEEE, 0xE0E0E0, 0xBDBDBD, 0x9E9E9E, 0x757575, 0x616161, 0x424242, 0x212121,
    // black, white
    0x000000, 0xFFFFFF};

struct Translucent
{
    bool white;
    qreal alpha;
};

const Translucent kTranslucentPalette[QtMaterialTheme::PaletteCount - 256] = {
    {false, 0.0}, {false, 1.0}, {false, 0.87}, {false, 0.54}, {false, 0.26},
    {false, 0.12}, {true, 1.0},  {true, 0.87},  {true, 0.54}};

struct FontSpec
{
    int pointSize;
    int weight;
    qreal letterSpacing;
    bool allCaps;
};

const FontSpec kFonts[QtMaterialTheme::FontCount] = {
    {96, 25, -1.5, false}, {60, 25, -0.5, false}, {48, 50, 0, false},   {34, 50, 0.25, false}, {24, 50, 0, false},
    {20, 57, 0.15, false}, {16, 50, 0.15, false}, {14, 57, 0.1, false}, {16, 50, 0.5, false},  {14, 50, 0.25, false},
    {14, 57, 1.25, true},  {12, 50, 0.4, false},  {10, 50, 1.5, false}};

// clang-format on

const int kBodyFont = 8;

const QColor &invalidColor()
{
    static const QColor invalid;
    return invalid;
}

bool inRange(int index, int count)
{
    return index >= 0 && index < count;
}

} // namespace

QtMaterialTheme::QtMaterialTheme(QObject *parent) : QObject(parent), d(new QtMaterialThemePrivate(this))
{
    ensureMaterialIcons();
    setColor(0, QColor(0x21, 0x96, 0xF3));
    setColor(1, QColor(0xBB, 0xDE, 0xFB));
    setColor(2, QColor(0x19, 0x76, 0xD2));
    setPaletteColor(3, 255);
    setColor(4, QColor(0xFF, 0x98, 0x00));
    setColor(5, QColor(0xFF, 0xAC, 0x33));
    setColor(6, QColor(0xB2, 0x6A, 0x00));
    setPaletteColor(7, 254);
    setColor(8, QColor(0x21, 0x21, 0x21));
    setColor(9, QColor(0xFF, 0xFF, 0xFF));
    setPaletteColor(10, 255);
    setPaletteColor(11, 247);
    setPaletteColor(12, 260);
    setPaletteColor(13, 261);
    setPaletteColor(14, 247);

    for (int i = 0; i < FontCount; ++i) {
        const FontSpec &spec = kFonts[i];
        QFont font(QStringLiteral("Roboto"));
        font.setPointSize(spec.pointSize);
        font.setWeight(spec.weight);
        font.setLetterSpacing(QFont::AbsoluteSpacing, spec.letterSpacing);
        font.setCapitalization(spec.allCaps ? QFont::AllUppercase : QFont::MixedCase);
        setFont(i, font);
    }
}

QtMaterialTheme::~QtMaterialTheme() = default;

const QColor &QtMaterialTheme::color(int index) const
{
    if (!inRange(index, ColorCount)) {
        return invalidColor();
    }
    return d->colors.at(index);
}

const QFont &QtMaterialTheme::font(int index) const
{
    if (!inRange(index, FontCount)) {
        index = kBodyFont;
    }
    return d->fonts.at(index);
}

void QtMaterialTheme::setColor(int index, const QColor &color)
{
    if (inRange(index, ColorCount)) {
        d->colors[index] = color;
    }
}

void QtMaterialTheme::setPaletteColor(int index, int paletteIndex)
{
    if (inRange(paletteIndex, PaletteCount)) {
        setColor(index, paletteColor(paletteIndex));
    }
}

void QtMaterialTheme::setFont(int index, const QFont &font)
{
    if (inRange(index, FontCount)) {
        d->fonts[index] = font;
    }
}

const QColor &QtMaterialTheme::paletteColor(int index)
{
    static QColor palette[PaletteCount];
    static std::once_flag built;
    std::call_once(built, [] {
        for (int i = 0; i < 256; ++i) {
            palette[i] = QColor(kOpaquePalette[i]);
        }
        for (int i = 256; i < PaletteCount; ++i) {
            const Translucent &t = kTranslucentPalette[i - 256];
            palette[i] = t.white ? rgba(255, 255, 255, t.alpha) : rgba(0, 0, 0, t.alpha);
        }
    });
    if (!inRange(index, PaletteCount)) {
        return invalidColor();
    }
    return palette[index];
}

QColor QtMaterialTheme::rgba(int r, int g, int b, qreal alpha)
{
    QColor color;
    if (inRange(r, 256) && inRange(g, 256) && inRange(b, 256)) {
        color.setRgb(r, g, b);
    }
    color.setAlphaF(qBound<qreal>(0.0, alpha, 1.0));
    return color;
}

QString QtMaterialTheme::iconPath(const QString &category, const QString &name)
{
    return QStringLiteral(":/myImages/icons/qtmaterial/") + category + QStringLiteral("/svg/production/ic_") + name +
           QStringLiteral("_24px.svg");
}

QIcon QtMaterialTheme::icon(const QString &category, const QString &name)
{
    ensureMaterialIcons();
    return QIcon(iconPath(category, name));
}
