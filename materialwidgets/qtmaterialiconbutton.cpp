#include "materialwidgets/qtmaterialiconbutton.h"

#include "materialwidgets/qtmaterialiconbutton_p.h"
#include "materialwidgets/qtmaterialstyle.h"

#include <QEvent>
#include <QPainter>

QtMaterialIconButtonPrivate::QtMaterialIconButtonPrivate(QtMaterialIconButton *q) : q_ptr(q) {}

QtMaterialIconButtonPrivate::~QtMaterialIconButtonPrivate() = default;

void QtMaterialIconButtonPrivate::init()
{
    Q_Q(QtMaterialIconButton);

    useThemeColors = true;
    ripple.create(q);

    q->setStyle(&QtMaterialStyle::instance());

    QSizePolicy policy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    policy.setWidthForHeight(true);
    q->setSizePolicy(policy);
}

QtMaterialIconButton::QtMaterialIconButton(const QIcon &icon, QWidget *parent)
    : QAbstractButton(parent), d_ptr(new QtMaterialIconButtonPrivate(this))
{
    d_func()->init();
    setIcon(icon);
}

QtMaterialIconButton::QtMaterialIconButton(QtMaterialIconButtonPrivate &d, QWidget *parent)
    : QAbstractButton(parent), d_ptr(&d)
{
    d_func()->init();
}

QtMaterialIconButton::~QtMaterialIconButton()
{
    // The overlay belongs to the parent; buttons of rebuilt rows and tiles would otherwise leave
    // one overlay behind per button.
    d_func()->ripple.destroy();
}

QSize QtMaterialIconButton::sizeHint() const
{
    return iconSize();
}

void QtMaterialIconButton::setUseThemeColors(bool value)
{
    Q_D(QtMaterialIconButton);
    if (d->useThemeColors == value) {
        return;
    }
    d->useThemeColors = value;
    update();
}

bool QtMaterialIconButton::useThemeColors() const
{
    return d_func()->useThemeColors;
}

void QtMaterialIconButton::setColor(const QColor &color)
{
    Q_D(QtMaterialIconButton);
    d->color = color;
    d->useThemeColors = false;
    update();
}

QColor QtMaterialIconButton::color() const
{
    Q_D(const QtMaterialIconButton);
    if (!d->useThemeColors && d->color.isValid()) {
        return d->color;
    }
    return QtMaterialStyle::instance().themeColor(8);
}

void QtMaterialIconButton::setDisabledColor(const QColor &color)
{
    Q_D(QtMaterialIconButton);
    d->disabledColor = color;
    d->useThemeColors = false;
    update();
}

QColor QtMaterialIconButton::disabledColor() const
{
    Q_D(const QtMaterialIconButton);
    if (!d->useThemeColors && d->disabledColor.isValid()) {
        return d->disabledColor;
    }
    return QtMaterialStyle::instance().themeColor(12);
}

bool QtMaterialIconButton::event(QEvent *event)
{
    d_func()->ripple.widgetEvent(event);
    return QAbstractButton::event(event);
}

bool QtMaterialIconButton::eventFilter(QObject *obj, QEvent *event)
{
    Q_D(QtMaterialIconButton);
    d->ripple.overlayEvent(obj, event);
    return QAbstractButton::eventFilter(obj, event);
}

void QtMaterialIconButton::mousePressEvent(QMouseEvent *event)
{
    Q_D(QtMaterialIconButton);

    QAbstractButton::mousePressEvent(event);

    d->ripple.addCentredRipple(iconSize().width());
}

void QtMaterialIconButton::mouseReleaseEvent(QMouseEvent *event)
{
    QAbstractButton::mouseReleaseEvent(event);
}

void QtMaterialIconButton::paintEvent(QPaintEvent *)
{
    if (icon().isNull()) {
        return;
    }

    QPixmap pixmap = icon().pixmap(iconSize());
    QPainter tint(&pixmap);
    tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
    tint.fillRect(pixmap.rect(), isEnabled() ? color() : disabledColor());
    tint.end();

    QPainter painter(this);
    const int x = int((width() - pixmap.width()) * 0.5);
    const int y = int((height() - pixmap.height()) * 0.5);
    painter.drawPixmap(x, y, pixmap);
}
