#pragma once
// The station's push button: themed fill, hover and checked overlays, focus halo, press ripple and optional shadow.

#include "materialwidgets/qtmaterialtheme.h"

#include <QPushButton>
#include <QScopedPointer>

class QtMaterialFlatButtonPrivate;

class QtMaterialFlatButton : public QPushButton
{
    Q_OBJECT

    Q_PROPERTY(Material::Role role WRITE setRole READ role)
    Q_PROPERTY(Material::ButtonType type WRITE setType READ type)
    Q_PROPERTY(qreal fontSize WRITE setFontSize READ fontSize)
    Q_PROPERTY(bool haloVisible WRITE setHaloVisible READ haloVisible)
    Q_PROPERTY(Material::OverlayStyle overlayStyle WRITE setOverlayStyle READ overlayStyle)
    Q_PROPERTY(Material::RippleStyle rippleStyle WRITE setRippleStyle READ rippleStyle)
    Q_PROPERTY(Material::ButtonIconPlacement iconPlacement WRITE setIconPlacement READ iconPlacement)
    Q_PROPERTY(qreal cornerRadius WRITE setCornerRadius READ cornerRadius)
    Q_PROPERTY(qreal baseOpacity WRITE setBaseOpacity READ baseOpacity)
    Q_PROPERTY(QColor foregroundColor WRITE setForegroundColor READ foregroundColor)
    Q_PROPERTY(QColor backgroundColor WRITE setBackgroundColor READ backgroundColor)
    Q_PROPERTY(QColor overlayColor WRITE setOverlayColor READ overlayColor)
    Q_PROPERTY(QColor disabledForegroundColor WRITE setDisabledForegroundColor READ disabledForegroundColor)
    Q_PROPERTY(QColor disabledBackgroundColor WRITE setDisabledBackgroundColor READ disabledBackgroundColor)

public:
    explicit QtMaterialFlatButton(QWidget *parent = nullptr);
    QtMaterialFlatButton(const QString &text, int preset, QWidget *parent = nullptr);
    QtMaterialFlatButton(const QIcon &icon, const QString &text, int preset, QWidget *parent = nullptr);
    ~QtMaterialFlatButton() override;

    // Presets 0-11 combine a type (preset / 3) with a role (preset % 3); other numbers change nothing.
    void applyPreset(int preset);

    void setUseThemeColors(bool value);
    bool useThemeColors() const;

    void setRole(Material::Role role);
    Material::Role role() const;

    void setType(Material::ButtonType type);
    Material::ButtonType type() const;

    void setFontSize(qreal size);
    qreal fontSize() const;

    void setHaloVisible(bool visible);
    bool haloVisible() const;

    void setOverlayStyle(Material::OverlayStyle style);
    Material::OverlayStyle overlayStyle() const;

    void setRippleStyle(Material::RippleStyle style);
    Material::RippleStyle rippleStyle() const;

    void setIconPlacement(Material::ButtonIconPlacement placement);
    Material::ButtonIconPlacement iconPlacement() const;

    void setCornerRadius(qreal radius);
    qreal cornerRadius() const;

    void setBaseOpacity(qreal opacity);
    qreal baseOpacity() const;

    void setForegroundColor(const QColor &color);
    QColor foregroundColor() const;

    void setBackgroundColor(const QColor &color);
    QColor backgroundColor() const;

    // Also switches the overlay style to OverlayColored.
    void setOverlayColor(const QColor &color);
    QColor overlayColor() const;

    void setDisabledForegroundColor(const QColor &color);
    QColor disabledForegroundColor() const;

    void setDisabledBackgroundColor(const QColor &color);
    QColor disabledBackgroundColor() const;

    void setFixedRippleRadius(qreal radius);
    qreal fixedRippleRadius() const;
    void setHasFixedRippleRadius(bool value);
    bool hasFixedRippleRadius() const;

    void setTextAlignment(Qt::Alignment alignment);
    Qt::Alignment textAlignment() const;

    void setCheckable(bool value);

    QSize sizeHint() const override;

    // Animated values of the button's state machine, as painting reads them.
    qreal overlayOpacity() const;
    qreal checkedOverlayProgress() const;

protected:
    // Gap between the icon and the text.
    static constexpr int IconPadding = 12;

    QtMaterialFlatButton(QtMaterialFlatButtonPrivate &d, QWidget *parent = nullptr, int preset = 0);

    bool event(QEvent *event) override;
    void checkStateSet() override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

    virtual void drawBackground(QPainter *painter);
    virtual void drawHalo(QPainter *painter);
    virtual void drawForeground(QPainter *painter);
    virtual void updateClipPath();

    const QScopedPointer<QtMaterialFlatButtonPrivate> d_ptr;

private:
    Q_DISABLE_COPY(QtMaterialFlatButton)
    Q_DECLARE_PRIVATE(QtMaterialFlatButton)
};
