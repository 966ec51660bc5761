#pragma once
// The toolkit's table of numbered colours and fonts, the fixed material palette and the icon path rule.

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QObject>
#include <QScopedPointer>

namespace Material {
Q_NAMESPACE

enum Role { NeutralRole = 0, MainRole = 1, ContrastRole = 2 };
Q_ENUM_NS(Role)

enum ButtonType { TextButton = 0, OutlineButton = 1, ShadowButton = 2, FillButton = 3 };
Q_ENUM_NS(ButtonType)

enum OverlayStyle { OverlayHidden = 0, OverlayColored = 1, OverlayGrayed = 2 };
Q_ENUM_NS(OverlayStyle)

enum RippleStyle { RippleAtCenter = 0, RippleAtCursor = 1, RippleDisabled = 2 };
Q_ENUM_NS(RippleStyle)

enum ButtonIconPlacement { IconBeforeText = 0, IconAfterText = 1 };
Q_ENUM_NS(ButtonIconPlacement)

enum NavIconType { NavButtonHidden = 0, NavButtonMenu = 1, NavButtonBack = 2, NavButtonCollapse = 3 };
Q_ENUM_NS(NavIconType)

enum ProgressType { ProgressByValue = 0, ProgressEndless = 1 };
Q_ENUM_NS(ProgressType)

} // namespace Material

class QtMaterialThemePrivate;

class QtMaterialTheme : public QObject
{
    Q_OBJECT

public:
    static constexpr int ColorCount = 15;
    static constexpr int FontCount = 13;
    static constexpr int PaletteCount = 265;

    explicit QtMaterialTheme(QObject *parent = nullptr);
    ~QtMaterialTheme() override;

    // Colour number index (0-14); any other index answers an invalid colour.
    const QColor &color(int index) const;
    // Font number index (0-12); any other index answers font 8, the body text.
    const QFont &font(int index) const;

    // Indices outside the table are ignored.
    void setColor(int index, const QColor &color);
    void setPaletteColor(int index, int paletteIndex);
    void setFont(int index, const QFont &font);

    // Palette entry index (0-264); any other index answers an invalid colour.
    static const QColor &paletteColor(int index);
    // Components above 255 (or below 0) give an invalid colour; the alpha fraction is applied either way.
    static QColor rgba(int r, int g, int b, qreal alpha);
    static QIcon icon(const QString &category, const QString &name);
    static QString iconPath(const QString &category, const QString &name);

private:
    Q_DISABLE_COPY(QtMaterialTheme)
    QScopedPointer<QtMaterialThemePrivate> d;
};
