#include "materialwidgets/qtmaterialtextfield.h"

#include "materialwidgets/qtmaterialstatetransition.h"
#include "materialwidgets/qtmaterialstyle.h"
#include "materialwidgets/qtmaterialtextfield_p.h"
#include "materialwidgets/qtmaterialtextfieldlabel.h"
#include "materialwidgets/qtmaterialtextfieldstatemachine.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor SurfaceColor(0x3D, 0x53, 0x66);

// The field's rectangle with its two top corners rounded.
QPainterPath surfacePath(int w, int h)
{
    QPainterPath path;
    path.arcMoveTo(QRectF(0, 0, 10, 10), 180);
    path.arcTo(QRectF(0, 0, 10, 10), 180, -90);
    path.arcTo(QRectF(w - 10, 0, 10, 10), 90, -90);
    path.lineTo(w, h);
    path.lineTo(0, h);
    path.closeSubpath();
    return path;
}

} // namespace

QtMaterialTextFieldPrivate::QtMaterialTextFieldPrivate(QtMaterialTextField *q) : q_ptr(q) {}

QtMaterialTextFieldPrivate::~QtMaterialTextFieldPrivate() = default;

void QtMaterialTextFieldPrivate::init()
{
    Q_Q(QtMaterialTextField);

    stateMachine = new QtMaterialTextFieldStateMachine(q);
    label = nullptr;
    labelFontSize = 9.5;
    labelVisible = false;
    inputLineVisible = true;
    useThemeColors = true;

    q->setFrame(false);
    q->setStyle(&QtMaterialStyle::instance());
    q->setAttribute(Qt::WA_Hover);
    q->setMouseTracking(true);
    q->setTextMargins(0, 2, 0, 4);
    q->setFont(QtMaterialStyle::instance().themeFont(8));

    QPalette palette = q->palette();
    palette.setColor(QPalette::All, QPalette::Base, QColor(0, 0, 0, 0));
    palette.setColor(QPalette::All, QPalette::Text, q->textColor());
    q->setPalette(palette);

    startStateMachineNow(stateMachine);
}

QtMaterialTextField::QtMaterialTextField(QWidget *parent)
    : QLineEdit(parent), d_ptr(new QtMaterialTextFieldPrivate(this))
{
    d_func()->init();
}

QtMaterialTextField::QtMaterialTextField(QtMaterialTextFieldPrivate &d, QWidget *parent) : QLineEdit(parent), d_ptr(&d)
{
    d_func()->init();
}

QtMaterialTextField::~QtMaterialTextField()
{
    Q_D(QtMaterialTextField);
    // The machine filters this field's focus events and reads the private record; it goes before both.
    delete d->stateMachine;
    d->stateMachine = nullptr;
}

void QtMaterialTextField::setUseThemeColors(bool value)
{
    Q_D(QtMaterialTextField);
    if (d->useThemeColors == value) {
        return;
    }
    d->useThemeColors = value;
    QPalette p = palette();
    p.setColor(QPalette::All, QPalette::Text, textColor());
    setPalette(p);
    d->stateMachine->setupProperties();
}

bool QtMaterialTextField::useThemeColors() const
{
    return d_func()->useThemeColors;
}

void QtMaterialTextField::setLabelVisible(bool value)
{
    Q_D(QtMaterialTextField);
    if (d->labelVisible == value) {
        return;
    }
    d->labelVisible = value;
    if (value && !d->label) {
        d->label = new QtMaterialTextFieldLabel(this);
        d->stateMachine->setLabel(d->label);
    }
    setContentsMargins(0, value ? 23 : 0, 0, 0);
}

bool QtMaterialTextField::labelVisible() const
{
    return d_func()->labelVisible;
}

void QtMaterialTextField::setLabelFontSize(qreal size)
{
    Q_D(QtMaterialTextField);
    d->labelFontSize = size;
    if (d->label) {
        QFont f(d->label->font());
        f.setPointSizeF(size);
        d->label->setFont(f);
        d->label->update();
    }
}

qreal QtMaterialTextField::labelFontSize() const
{
    return d_func()->labelFontSize;
}

void QtMaterialTextField::setLabelText(const QString &text)
{
    Q_D(QtMaterialTextField);
    d->labelText = text;
    setLabelVisible(true);
    d->label->update();
}

QString QtMaterialTextField::labelText() const
{
    return d_func()->labelText;
}

void QtMaterialTextField::setInputLineVisible(bool value)
{
    Q_D(QtMaterialTextField);
    if (d->inputLineVisible == value) {
        return;
    }
    d->inputLineVisible = value;
    update();
}

bool QtMaterialTextField::inputLineVisible() const
{
    return d_func()->inputLineVisible;
}

void QtMaterialTextField::setTextColor(const QColor &color)
{
    Q_D(QtMaterialTextField);
    d->textColor = color;
    d->useThemeColors = false;
    QPalette p = palette();
    p.setColor(QPalette::All, QPalette::Text, color);
    setPalette(p);
    d->stateMachine->setupProperties();
}

QColor QtMaterialTextField::textColor() const
{
    Q_D(const QtMaterialTextField);
    if (!d->useThemeColors && d->textColor.isValid()) {
        return d->textColor;
    }
    return QtMaterialStyle::instance().themeColor(8);
}

void QtMaterialTextField::setLabelColor(const QColor &color)
{
    Q_D(QtMaterialTextField);
    d->labelColor = color;
    d->useThemeColors = false;
    d->stateMachine->setupProperties();
}

QColor QtMaterialTextField::labelColor() const
{
    Q_D(const QtMaterialTextField);
    if (!d->useThemeColors && d->labelColor.isValid()) {
        return d->labelColor;
    }
    return QtMaterialStyle::instance().themeColor(6);
}

void QtMaterialTextField::setInkColor(const QColor &color)
{
    Q_D(QtMaterialTextField);
    d->inkColor = color;
    d->useThemeColors = false;
    d->stateMachine->setupProperties();
}

QColor QtMaterialTextField::inkColor() const
{
    Q_D(const QtMaterialTextField);
    if (!d->useThemeColors && d->inkColor.isValid()) {
        return d->inkColor;
    }
    return QtMaterialStyle::instance().themeColor(4);
}

void QtMaterialTextField::setInputLineColor(const QColor &color)
{
    Q_D(QtMaterialTextField);
    d->inputLineColor = color;
    d->useThemeColors = false;
    d->stateMachine->setupProperties();
}

QColor QtMaterialTextField::inputLineColor() const
{
    Q_D(const QtMaterialTextField);
    if (!d->useThemeColors && d->inputLineColor.isValid()) {
        return d->inputLineColor;
    }
    return QtMaterialStyle::instance().themeColor(0);
}

bool QtMaterialTextField::event(QEvent *event)
{
    Q_D(QtMaterialTextField);

    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
        if (d->label) {
            d->label->setGeometry(rect());
        }
        break;
    case QEvent::ParentChange:
        if (testAttribute(Qt::WA_StyleSheet)) {
            setStyleSheet(QStringLiteral("QLineEdit {background-color: rgba(0, 0, 0, 0);}"));
        }
        break;
    case QEvent::StyleChange:
        if (d->stateMachine) {
            d->stateMachine->setupProperties();
        }
        break;
    default:
        break;
    }
    return QLineEdit::event(event);
}

void QtMaterialTextField::paintEvent(QPaintEvent *event)
{
    Q_D(QtMaterialTextField);

    const int w = width();
    const int h = height();
    const QPainterPath path = surfacePath(w, h);

    {
        QPainter painter(this);
        painter.setPen(Qt::NoPen);
        painter.setBrush(SurfaceColor);
        painter.drawPath(path);
    }

    QLineEdit::paintEvent(event);

    QPainter painter(this);
    const qreal progress = d->stateMachine->progress();

    if (text().isEmpty() && progress < 1) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(SurfaceColor);
        painter.drawPath(path);
    }

    if (d->inputLineVisible) {
        QPen pen;
        pen.setWidth(1);
        pen.setColor(inputLineColor());
        if (!isEnabled()) {
            pen.setStyle(Qt::DashLine);
        }
        painter.setPen(pen);
        painter.setOpacity(1);
        painter.drawLine(QLineF(2.5, h - 1, w, h - 1));

        if (progress > 0) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(QBrush(inkColor()));
            const int o = int((1 - progress) * w * 0.5);
            painter.drawRect(QRect(QPoint(o, h - 2), QPoint(w - o - 1, h - 1)));
        }
    }
}
