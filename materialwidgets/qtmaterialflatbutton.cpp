#include "materialwidgets/qtmaterialflatbutton.h"

#include "materialwidgets/qtmaterialflatbutton_p.h"
#include "materialwidgets/qtmaterialflatbuttonstatemachine.h"
#include "materialwidgets/qtmaterialripple.h"
#include "materialwidgets/qtmaterialrippleoverlay.h"
#include "materialwidgets/qtmaterialstyle.h"

#include <QEventTransition>
#include <QGraphicsDropShadowEffect>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPropertyAnimation>
#include <QState>
#include <QStateMachine>

QtMaterialFlatButtonPrivate::QtMaterialFlatButtonPrivate(QtMaterialFlatButton *q) : q_ptr(q) {}

QtMaterialFlatButtonPrivate::~QtMaterialFlatButtonPrivate() = default;

void QtMaterialFlatButtonPrivate::init()
{
    Q_Q(QtMaterialFlatButton);

    q->setStyle(&QtMaterialStyle::instance());
    q->setAttribute(Qt::WA_Hover);
    q->setAttribute(Qt::WA_MouseTracking);
    q->setFont(QtMaterialStyle::instance().themeFont(10));

    rippleOverlay = new QtMaterialRippleOverlay(q);
    QPainterPath path;
    path.addRoundedRect(q->rect(), cornerRadius, cornerRadius);
    rippleOverlay->setClipPath(path);
    rippleOverlay->setClipping(true);

    stateMachine = new QtMaterialFlatButtonStateMachine(q);
    stateMachine->setupProperties();
    stateMachine->startAnimations();
}

void QtMaterialFlatButtonPrivate::installShadow()
{
    Q_Q(QtMaterialFlatButton);

    shadowEffect = new QGraphicsDropShadowEffect;
    shadowEffect->setBlurRadius(7);
    shadowEffect->setOffset(QPointF(0, 2));
    shadowEffect->setColor(QColor(0, 0, 0, 75));
    q->setGraphicsEffect(shadowEffect);
    if (!q->isEnabled()) {
        shadowEffect->setEnabled(false);
    }

    shadowStateMachine = new QStateMachine(q);
    shadowNormalState = new QState;
    shadowPressedState = new QState;
    shadowStateMachine->addState(shadowNormalState);
    shadowStateMachine->addState(shadowPressedState);
    shadowStateMachine->setInitialState(shadowNormalState);

    shadowNormalState->assignProperty(shadowEffect, "offset", QPointF(0, 2));
    shadowNormalState->assignProperty(shadowEffect, "blurRadius", 7);
    shadowPressedState->assignProperty(shadowEffect, "offset", QPointF(0, 5));
    shadowPressedState->assignProperty(shadowEffect, "blurRadius", 29);

    auto *transition = new QEventTransition(q, QEvent::MouseButtonPress);
    transition->setTargetState(shadowPressedState);
    shadowNormalState->addTransition(transition);

    transition = new QEventTransition(q, QEvent::MouseButtonDblClick);
    transition->setTargetState(shadowPressedState);
    shadowNormalState->addTransition(transition);

    transition = new QEventTransition(q, QEvent::MouseButtonRelease);
    transition->setTargetState(shadowNormalState);
    shadowPressedState->addTransition(transition);

    auto *animation = new QPropertyAnimation(shadowEffect, "offset", shadowStateMachine);
    animation->setDuration(100);
    shadowStateMachine->addDefaultAnimation(animation);
    animation = new QPropertyAnimation(shadowEffect, "blurRadius", shadowStateMachine);
    animation->setDuration(100);
    shadowStateMachine->addDefaultAnimation(animation);

    q->setMinimumHeight(42);
    baseOpacity = 0.3;
    stateMachine->setupProperties();
    shadowStateMachine->start();
}

void QtMaterialFlatButtonPrivate::removeShadow()
{
    Q_Q(QtMaterialFlatButton);

    // The machine goes first so that none of its animations outlives the effect it drives.
    delete shadowStateMachine;
    q->setGraphicsEffect(nullptr);
    shadowStateMachine = nullptr;
    shadowNormalState = nullptr;
    shadowPressedState = nullptr;
    shadowEffect = nullptr;
}

QtMaterialFlatButton::QtMaterialFlatButton(QWidget *parent) : QtMaterialFlatButton(QString(), 0, parent) {}

QtMaterialFlatButton::QtMaterialFlatButton(const QString &text, int preset, QWidget *parent)
    : QPushButton(text, parent), d_ptr(new QtMaterialFlatButtonPrivate(this))
{
    d_func()->init();
    applyPreset(preset);
}

QtMaterialFlatButton::QtMaterialFlatButton(const QIcon &icon, const QString &text, int preset, QWidget *parent)
    : QtMaterialFlatButton(text, preset, parent)
{
    setIcon(icon);
}

QtMaterialFlatButton::QtMaterialFlatButton(QtMaterialFlatButtonPrivate &d, QWidget *parent, int preset)
    : QPushButton(parent), d_ptr(&d)
{
    d_func()->init();
    applyPreset(preset);
}

QtMaterialFlatButton::~QtMaterialFlatButton()
{
    // The machine filters this button's events and reads its private data; it must not see the
    // events of the widget teardown that follows.
    delete d_func()->stateMachine;
    d_func()->stateMachine = nullptr;
}

void QtMaterialFlatButton::applyPreset(int preset)
{
    if (preset < 0 || preset > 11) {
        return;
    }
    setType(Material::ButtonType(preset / 3));
    setRole(Material::Role(preset % 3));
}

void QtMaterialFlatButton::setUseThemeColors(bool value)
{
    Q_D(QtMaterialFlatButton);
    if (d->useThemeColors == value) {
        return;
    }
    d->useThemeColors = value;
    d->stateMachine->setupProperties();
}

bool QtMaterialFlatButton::useThemeColors() const
{
    return d_func()->useThemeColors;
}

void QtMaterialFlatButton::setRole(Material::Role role)
{
    Q_D(QtMaterialFlatButton);
    d->role = role;
    d->stateMachine->setupProperties();
}

Material::Role QtMaterialFlatButton::role() const
{
    return Material::Role(d_func()->role);
}

void QtMaterialFlatButton::setType(Material::ButtonType type)
{
    Q_D(QtMaterialFlatButton);
    if (d->type != type) {
        if (type == Material::ShadowButton) {
            if (!d->shadowEffect) {
                d->installShadow();
            }
        } else if (d->shadowEffect) {
            d->removeShadow();
        }
    }
    d->type = type;
    d->stateMachine->setupProperties();
}

Material::ButtonType QtMaterialFlatButton::type() const
{
    return Material::ButtonType(d_func()->type);
}

void QtMaterialFlatButton::setFontSize(qreal size)
{
    QFont f(font());
    f.setPointSizeF(size);
    setFont(f);
    updateGeometry();
    update();
}

qreal QtMaterialFlatButton::fontSize() const
{
    return font().pointSize();
}

void QtMaterialFlatButton::setHaloVisible(bool visible)
{
    d_func()->haloVisible = visible;
    update();
}

bool QtMaterialFlatButton::haloVisible() const
{
    return d_func()->haloVisible;
}

void QtMaterialFlatButton::setOverlayStyle(Material::OverlayStyle style)
{
    d_func()->overlayStyle = style;
    update();
}

Material::OverlayStyle QtMaterialFlatButton::overlayStyle() const
{
    return Material::OverlayStyle(d_func()->overlayStyle);
}

void QtMaterialFlatButton::setRippleStyle(Material::RippleStyle style)
{
    d_func()->rippleStyle = style;
}

Material::RippleStyle QtMaterialFlatButton::rippleStyle() const
{
    return Material::RippleStyle(d_func()->rippleStyle);
}

void QtMaterialFlatButton::setIconPlacement(Material::ButtonIconPlacement placement)
{
    d_func()->iconPlacement = placement;
    update();
}

Material::ButtonIconPlacement QtMaterialFlatButton::iconPlacement() const
{
    return Material::ButtonIconPlacement(d_func()->iconPlacement);
}

void QtMaterialFlatButton::setCornerRadius(qreal radius)
{
    d_func()->cornerRadius = radius;
    updateClipPath();
    update();
}

qreal QtMaterialFlatButton::cornerRadius() const
{
    return d_func()->cornerRadius;
}

void QtMaterialFlatButton::setBaseOpacity(qreal opacity)
{
    Q_D(QtMaterialFlatButton);
    d->baseOpacity = opacity;
    d->stateMachine->setupProperties();
}

qreal QtMaterialFlatButton::baseOpacity() const
{
    return d_func()->baseOpacity;
}

void QtMaterialFlatButton::setForegroundColor(const QColor &color)
{
    Q_D(QtMaterialFlatButton);
    d->foregroundColor = color;
    d->useThemeColors = false;
    update();
}

namespace {
// The theme colour that stands for a button role when no colour of its own is set.
QColor roleColor(int role)
{
    switch (role) {
    case Material::MainRole:
        return QtMaterialStyle::instance().themeColor(0);
    case Material::ContrastRole:
        return QtMaterialStyle::instance().themeColor(4);
    default:
        return QtMaterialStyle::instance().themeColor(8);
    }
}
} // namespace

QColor QtMaterialFlatButton::foregroundColor() const
{
    Q_D(const QtMaterialFlatButton);
    if (!d->useThemeColors && d->foregroundColor.isValid()) {
        return d->foregroundColor;
    }
    if (d->type == Material::ShadowButton || d->type == Material::FillButton || d->type > Material::FillButton) {
        return QtMaterialStyle::instance().themeColor(10);
    }
    return roleColor(d->role);
}

void QtMaterialFlatButton::setBackgroundColor(const QColor &color)
{
    Q_D(QtMaterialFlatButton);
    d->backgroundColor = color;
    d->useThemeColors = false;
    update();
}

QColor QtMaterialFlatButton::backgroundColor() const
{
    Q_D(const QtMaterialFlatButton);
    if (!d->useThemeColors && d->backgroundColor.isValid()) {
        return d->backgroundColor;
    }
    return roleColor(d->role);
}

void QtMaterialFlatButton::setOverlayColor(const QColor &color)
{
    Q_D(QtMaterialFlatButton);
    d->overlayColor = color;
    d->useThemeColors = false;
    setOverlayStyle(Material::OverlayColored);
    update();
}

QColor QtMaterialFlatButton::overlayColor() const
{
    Q_D(const QtMaterialFlatButton);
    if (!d->useThemeColors && d->overlayColor.isValid()) {
        return d->overlayColor;
    }
    return foregroundColor();
}

void QtMaterialFlatButton::setDisabledForegroundColor(const QColor &color)
{
    Q_D(QtMaterialFlatButton);
    d->disabledColor = color;
    d->useThemeColors = false;
    update();
}

QColor QtMaterialFlatButton::disabledForegroundColor() const
{
    Q_D(const QtMaterialFlatButton);
    if (!d->useThemeColors && d->disabledColor.isValid()) {
        return d->disabledColor;
    }
    return QtMaterialStyle::instance().themeColor(12);
}

void QtMaterialFlatButton::setDisabledBackgroundColor(const QColor &color)
{
    Q_D(QtMaterialFlatButton);
    d->disabledBackgroundColor = color;
    d->useThemeColors = false;
    update();
}

QColor QtMaterialFlatButton::disabledBackgroundColor() const
{
    Q_D(const QtMaterialFlatButton);
    if (!d->useThemeColors && d->disabledBackgroundColor.isValid()) {
        return d->disabledBackgroundColor;
    }
    return QtMaterialStyle::instance().themeColor(14);
}

void QtMaterialFlatButton::setFixedRippleRadius(qreal radius)
{
    Q_D(QtMaterialFlatButton);
    d->fixedRippleRadius = radius;
    setHasFixedRippleRadius(true);
}

qreal QtMaterialFlatButton::fixedRippleRadius() const
{
    return d_func()->fixedRippleRadius;
}

void QtMaterialFlatButton::setHasFixedRippleRadius(bool value)
{
    d_func()->useFixedRippleRadius = value;
}

bool QtMaterialFlatButton::hasFixedRippleRadius() const
{
    return d_func()->useFixedRippleRadius;
}

void QtMaterialFlatButton::setTextAlignment(Qt::Alignment alignment)
{
    d_func()->textAlignment = alignment;
}

Qt::Alignment QtMaterialFlatButton::textAlignment() const
{
    return d_func()->textAlignment;
}

void QtMaterialFlatButton::setCheckable(bool value)
{
    Q_D(QtMaterialFlatButton);
    d->stateMachine->updateCheckedStatus();
    QPushButton::setCheckable(value);
}

QSize QtMaterialFlatButton::sizeHint() const
{
    ensurePolished();

    const QSize label(fontMetrics().size(Qt::TextSingleLine, text()));

    int w = 20 + label.width();
    int h = label.height();
    if (!icon().isNull()) {
        w += iconSize().width() + QtMaterialFlatButton::IconPadding;
        h = qMax(h, iconSize().height());
    }
    return QSize(w, 20 + h);
}

qreal QtMaterialFlatButton::overlayOpacity() const
{
    return d_func()->stateMachine->overlayOpacity();
}

qreal QtMaterialFlatButton::checkedOverlayProgress() const
{
    return d_func()->stateMachine->checkedOverlayProgress();
}

bool QtMaterialFlatButton::event(QEvent *event)
{
    Q_D(QtMaterialFlatButton);
    if (event->type() == QEvent::EnabledChange && d->shadowStateMachine && d->shadowEffect) {
        if (isEnabled()) {
            if (!d->shadowStateMachine->isRunning()) {
                d->shadowStateMachine->start();
            }
            d->shadowEffect->setEnabled(true);
        } else {
            d->shadowStateMachine->stop();
            d->shadowEffect->setEnabled(false);
        }
    }
    return QPushButton::event(event);
}

void QtMaterialFlatButton::checkStateSet()
{
    Q_D(QtMaterialFlatButton);
    d->stateMachine->updateCheckedStatus();
    QPushButton::checkStateSet();
}

void QtMaterialFlatButton::mousePressEvent(QMouseEvent *event)
{
    Q_D(QtMaterialFlatButton);

    if (d->rippleStyle != Material::RippleDisabled) {
        const QPoint pos = d->rippleStyle == Material::RippleAtCenter ? QPoint((width() - 1) / 2, (height() - 1) / 2)
                                                                      : event->localPos().toPoint();
        auto *ripple = new QtMaterialRipple(pos);
        ripple->radiusAnimation()->setEndValue(d->useFixedRippleRadius ? d->fixedRippleRadius : width() / 2.0);
        ripple->radiusAnimation()->setDuration(600);
        ripple->opacityAnimation()->setStartValue(0.35);
        ripple->opacityAnimation()->setDuration(1300);
        ripple->setColor(foregroundColor());
        d->rippleOverlay->addRipple(ripple);
    }

    QPushButton::mousePressEvent(event);
}

void QtMaterialFlatButton::mouseReleaseEvent(QMouseEvent *event)
{
    QPushButton::mouseReleaseEvent(event);
    d_func()->stateMachine->updateCheckedStatus();
}

void QtMaterialFlatButton::resizeEvent(QResizeEvent *event)
{
    QPushButton::resizeEvent(event);
    updateClipPath();
}

void QtMaterialFlatButton::paintEvent(QPaintEvent *)
{
    Q_D(QtMaterialFlatButton);

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    const qreal cr = d->cornerRadius;
    if (cr > 0) {
        QPainterPath path;
        path.addRoundedRect(rect(), cr, cr);
        painter.setClipPath(path);
        painter.setClipping(true);
    }

    drawBackground(&painter);

    if (d->haloVisible) {
        drawHalo(&painter);
    }

    painter.setOpacity(1);
    painter.setClipping(false);

    drawForeground(&painter);
}

void QtMaterialFlatButton::drawBackground(QPainter *painter)
{
    Q_D(QtMaterialFlatButton);

    const qreal overlayOpacity = d->stateMachine->overlayOpacity();
    const qreal checkedProgress = d->stateMachine->checkedOverlayProgress();
    const bool filled = d->type > Material::OutlineButton;

    if (filled) {
        QBrush brush(Qt::SolidPattern);
        brush.setColor(isEnabled() ? backgroundColor() : disabledBackgroundColor());
        painter->setOpacity(1);
        painter->setBrush(brush);
        painter->setPen(Qt::NoPen);
        painter->drawRect(rect());
    }

    if (!isEnabled()) {
        return;
    }

    QBrush brush(Qt::SolidPattern);
    painter->setPen(Qt::NoPen);

    if (d->overlayStyle != Material::OverlayHidden && overlayOpacity > 0) {
        brush.setColor(d->overlayStyle == Material::OverlayColored ? overlayColor() : QColor(Qt::gray));
        painter->setOpacity(overlayOpacity);
        painter->setBrush(brush);
        painter->drawRect(rect());
    }

    if (isCheckable() && checkedProgress > 0) {
        const qreal q = filled ? 0.7 : 0.45;
        brush.setColor(foregroundColor());
        painter->setOpacity(q * checkedProgress);
        painter->setBrush(brush);
        painter->drawRect(QRect(0, 0, width(), int(height() * checkedProgress)));
    }
}

void QtMaterialFlatButton::drawHalo(QPainter *painter)
{
    Q_D(QtMaterialFlatButton);

    const qreal opacity = d->stateMachine->haloOpacity();
    const qreal s = d->stateMachine->haloScaleFactor() * d->stateMachine->haloSize();
    const qreal radius = width() * s;

    if (!isEnabled() || opacity <= 0) {
        return;
    }

    QBrush brush(Qt::SolidPattern);
    brush.setColor(foregroundColor());
    painter->setOpacity(opacity);
    painter->setBrush(brush);
    painter->setPen(Qt::NoPen);
    const QPointF center((width() - 1) / 2, (height() - 1) / 2);
    painter->drawEllipse(center, radius, radius);
}

void QtMaterialFlatButton::drawForeground(QPainter *painter)
{
    Q_D(QtMaterialFlatButton);

    QColor penColor;
    if (!isEnabled()) {
        penColor = disabledForegroundColor();
    } else {
        penColor = foregroundColor();
        const qreal progress = d->stateMachine->checkedOverlayProgress();
        if (isCheckable() && progress > 0) {
            const QColor source = penColor;
            const QColor target = d->type > Material::OutlineButton ? backgroundColor() : QColor(Qt::white);
            if (qFuzzyCompare(progress, 1.0)) {
                penColor = target;
            } else {
                penColor = QColor(int(source.red() * (1 - progress) + target.red() * progress),
                                  int(source.green() * (1 - progress) + target.green() * progress),
                                  int(source.blue() * (1 - progress) + target.blue() * progress),
                                  int(source.alpha() * (1 - progress) + target.alpha() * progress));
            }
        }
    }
    painter->setPen(penColor);

    if (d->type == Material::OutlineButton && d->cornerRadius > 0) {
        // The outline is the painting clip; with a corner radius of 0 there is none.
        QPainterPath path;
        path.addRoundedRect(rect(), d->cornerRadius, d->cornerRadius);
        painter->setBrush(Qt::NoBrush);
        painter->drawPath(path);
    }

    if (icon().isNull()) {
        if (d->textAlignment == Qt::AlignLeft) {
            painter->drawText(rect().adjusted(12, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text());
        } else {
            painter->drawText(rect(), Qt::AlignCenter, text());
        }
        return;
    }

    const QSize textSize(fontMetrics().size(Qt::TextSingleLine, text()));
    const QSize base(size() - textSize);
    const int iw = iconSize().width() + IconPadding;
    QPoint pos(d->textAlignment == Qt::AlignLeft ? 12 : (base.width() - iw) / 2, 0);

    QRect textGeometry(pos + QPoint(0, base.height() / 2), textSize);
    QRect iconGeometry(pos + QPoint(0, (height() - iconSize().height()) / 2), iconSize());

    if (d->iconPlacement == Material::IconBeforeText) {
        textGeometry.translate(iw, 0);
    } else {
        iconGeometry.translate(textSize.width() + IconPadding, 0);
    }

    painter->drawText(textGeometry, Qt::AlignCenter, text());

    QPixmap pixmap = icon().pixmap(iconSize());
    QPainter icon(&pixmap);
    icon.setCompositionMode(QPainter::CompositionMode_SourceIn);
    icon.fillRect(pixmap.rect(), painter->pen().color());
    icon.end();
    painter->drawPixmap(iconGeometry, pixmap);
}

void QtMaterialFlatButton::updateClipPath()
{
    Q_D(QtMaterialFlatButton);

    const qreal radius = d->cornerRadius;
    QPainterPath path;
    path.addRoundedRect(rect(), radius, radius);
    d->rippleOverlay->setClipPath(path);
    d->rippleOverlay->update();
}
