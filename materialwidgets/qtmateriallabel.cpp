#include "materialwidgets/qtmateriallabel.h"

#include "materialwidgets/qtmateriallabel_p.h"
#include "materialwidgets/qtmaterialstyle.h"

#include <QEvent>
#include <QMouseEvent>

QtMaterialLabelPrivate::QtMaterialLabelPrivate(QtMaterialLabel *q) : q_ptr(q) {}

QtMaterialLabelPrivate::~QtMaterialLabelPrivate() = default;

void QtMaterialLabelPrivate::init()
{
    Q_Q(QtMaterialLabel);

    fontIndex = 8;
    useThemeColors = true;

    ripple.create(q);

    q->setStyle(&QtMaterialStyle::instance());
    QSizePolicy policy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    policy.setWidthForHeight(true);
    q->setSizePolicy(policy);

    applyPalette();
    applyFont();
}

void QtMaterialLabelPrivate::applyPalette()
{
    Q_Q(QtMaterialLabel);
    QPalette palette(q->palette());
    palette.setBrush(QPalette::All, QPalette::WindowText, QBrush(q->textColor(), Qt::SolidPattern));
    q->setPalette(palette);
}

void QtMaterialLabelPrivate::applyFont()
{
    Q_Q(QtMaterialLabel);
    q->setFont(QtMaterialStyle::instance().themeFont(fontIndex));
}

QtMaterialLabel::QtMaterialLabel(QWidget *parent, Qt::WindowFlags flags)
    : QLabel(parent, flags), d_ptr(new QtMaterialLabelPrivate(this))
{
    d_func()->init();
}

QtMaterialLabel::QtMaterialLabel(const QString &text, QWidget *parent, Qt::WindowFlags flags)
    : QLabel(text, parent, flags), d_ptr(new QtMaterialLabelPrivate(this))
{
    d_func()->init();
}

QtMaterialLabel::QtMaterialLabel(const QString &text, int fontIndex, QWidget *parent) : QtMaterialLabel(text, parent)
{
    setFontIndex(fontIndex);
}

QtMaterialLabel::~QtMaterialLabel()
{
    // The overlay belongs to the parent; labels of rebuilt rows and tiles would otherwise leave
    // one overlay behind per label.
    d_func()->ripple.destroy();
}

void QtMaterialLabel::setFontIndex(int index)
{
    Q_D(QtMaterialLabel);
    d->fontIndex = index;
    d->applyFont();
}

int QtMaterialLabel::fontIndex() const
{
    return d_func()->fontIndex;
}

void QtMaterialLabel::setUseThemeColors(bool value)
{
    Q_D(QtMaterialLabel);
    if (d->useThemeColors == value) {
        return;
    }
    d->useThemeColors = value;
    d->applyPalette();
    d->applyFont();
}

bool QtMaterialLabel::useThemeColors() const
{
    return d_func()->useThemeColors;
}

void QtMaterialLabel::setTextColor(const QColor &color)
{
    Q_D(QtMaterialLabel);
    d->textColor = color;
    d->useThemeColors = false;
    d->applyPalette();
}

QColor QtMaterialLabel::textColor() const
{
    Q_D(const QtMaterialLabel);
    if (!d->useThemeColors && d->textColor.isValid()) {
        return d->textColor;
    }
    return QtMaterialStyle::instance().themeColor(10);
}

void QtMaterialLabel::setBackgroundColor(const QColor &color)
{
    QPalette palette;
    palette.setBrush(QPalette::All, QPalette::Window, QBrush(color, Qt::SolidPattern));
    setPalette(palette);
}

bool QtMaterialLabel::event(QEvent *event)
{
    Q_D(QtMaterialLabel);

    d->ripple.widgetEvent(event);
    if (event->type() == QEvent::StyleChange) {
        d->applyPalette();
        d->applyFont();
    }
    return QLabel::event(event);
}

bool QtMaterialLabel::eventFilter(QObject *obj, QEvent *event)
{
    Q_D(QtMaterialLabel);
    d->ripple.overlayEvent(obj, event);
    return QLabel::eventFilter(obj, event);
}

void QtMaterialLabel::mousePressEvent(QMouseEvent *event)
{
    Q_D(QtMaterialLabel);

    QLabel::mousePressEvent(event);

    d->ripple.addCentredRipple(width());

    if (event->button() == Qt::LeftButton && rect().contains(event->localPos().toPoint())) {
        m_pressed = true;
    }
}

void QtMaterialLabel::mouseMoveEvent(QMouseEvent *event)
{
    QLabel::mouseMoveEvent(event);
    if (m_pressed && !rect().contains(event->localPos().toPoint())) {
        m_pressed = false;
    }
}

void QtMaterialLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (m_pressed) {
        m_pressed = false;
        if (rect().contains(event->localPos().toPoint())) {
            emit signalsPressed();
        }
    }
}
