#include "materialwidgets/qtmaterialsnackbar.h"

#include "materialwidgets/qtmaterialsnackbarstatemachine.h"
#include "materialwidgets/qtmaterialstatetransition.h"
#include "materialwidgets/qtmaterialstatetransitionevent.h"
#include "materialwidgets/qtmaterialstyle.h"

#include <QPainter>

class QtMaterialSnackbarPrivate
{
public:
    QtMaterialSnackbarStateMachine *stateMachine = nullptr;
    QColor backgroundColor;
    QColor textColor;
    qreal backgroundOpacity = 0.9;
    QStringList messages;
    int autoHideDuration = 500;
    int boxWidth = 300;
    bool centredPlacement = true;
    bool clickToDismissMode = false;
    bool useThemeColors = true;
};

QtMaterialSnackbar::QtMaterialSnackbar(QWidget *parent)
    : QtMaterialOverlayWidget(parent), d(new QtMaterialSnackbarPrivate)
{
    d->stateMachine = new QtMaterialSnackbarStateMachine(this);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFont(QtMaterialStyle::instance().themeFont(8));
    // The machine drops events posted before it runs; entering its initial state here lets a message added right
    // after construction be shown.
    startStateMachineNow(d->stateMachine);
}

QtMaterialSnackbar::~QtMaterialSnackbar()
{
    // The machine filters this widget's events and reads the private record; it goes first.
    delete d->stateMachine;
    d->stateMachine = nullptr;
}

void QtMaterialSnackbar::setAutoHideDuration(int duration)
{
    d->autoHideDuration = duration;
}

int QtMaterialSnackbar::autoHideDuration() const
{
    return d->autoHideDuration;
}

void QtMaterialSnackbar::setUseThemeColors(bool value)
{
    if (d->useThemeColors == value) {
        return;
    }
    d->useThemeColors = value;
    update();
}

bool QtMaterialSnackbar::useThemeColors() const
{
    return d->useThemeColors;
}

void QtMaterialSnackbar::setBackgroundColor(const QColor &color)
{
    d->backgroundColor = color;
    d->useThemeColors = false;
    update();
}

QColor QtMaterialSnackbar::backgroundColor() const
{
    if (!d->useThemeColors && d->backgroundColor.isValid()) {
        return d->backgroundColor;
    }
    return QtMaterialStyle::instance().themeColor(8);
}

void QtMaterialSnackbar::setBackgroundOpacity(qreal opacity)
{
    d->backgroundOpacity = opacity;
    update();
}

qreal QtMaterialSnackbar::backgroundOpacity() const
{
    return d->backgroundOpacity;
}

void QtMaterialSnackbar::setTextColor(const QColor &color)
{
    d->textColor = color;
    d->useThemeColors = false;
    update();
}

QColor QtMaterialSnackbar::textColor() const
{
    if (!d->useThemeColors && d->textColor.isValid()) {
        return d->textColor;
    }
    return QtMaterialStyle::instance().themeColor(10);
}

void QtMaterialSnackbar::setFontSize(qreal size)
{
    QFont f(font());
    f.setPointSizeF(size);
    setFont(f);
    update();
}

qreal QtMaterialSnackbar::fontSize() const
{
    return font().pointSizeF();
}

void QtMaterialSnackbar::setBoxWidth(int width)
{
    d->boxWidth = width;
    update();
}

int QtMaterialSnackbar::boxWidth() const
{
    return d->boxWidth;
}

void QtMaterialSnackbar::setClickToDismissMode(bool value)
{
    d->clickToDismissMode = value;
}

bool QtMaterialSnackbar::clickToDismissMode() const
{
    return d->clickToDismissMode;
}

void QtMaterialSnackbar::setCentredPlacement(bool value)
{
    d->centredPlacement = value;
    update();
}

bool QtMaterialSnackbar::centredPlacement() const
{
    return d->centredPlacement;
}

QStringList QtMaterialSnackbar::messages() const
{
    return d->messages;
}

void QtMaterialSnackbar::addMessage(const QString &message)
{
    d->messages.push_back(message);
    d->stateMachine->postEvent(new QtMaterialStateTransitionEvent(KindSnackbarReveal));
    raise();
}

void QtMaterialSnackbar::trimWaiting(int limit)
{
    while (d->messages.size() > 1 + qMax(0, limit))
        d->messages.removeAt(1);
}

void QtMaterialSnackbar::addInstantMessage(const QString &message)
{
    if (d->messages.isEmpty()) {
        d->messages.push_back(message);
    } else {
        d->messages.insert(1, message);
    }
    d->stateMachine->progress();
}

void QtMaterialSnackbar::dequeue()
{
    if (d->messages.isEmpty()) {
        return;
    }
    d->messages.removeFirst();
    d->stateMachine->postEvent(
        new QtMaterialStateTransitionEvent(d->messages.isEmpty() ? KindSnackbarDrained : KindSnackbarAdvance));
}

void QtMaterialSnackbar::paintEvent(QPaintEvent *)
{
    if (d->messages.isEmpty()) {
        return;
    }
    const QString message = d->messages.front();
    const int flags = Qt::TextWordWrap | Qt::AlignTop | Qt::AlignHCenter;

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QBrush(backgroundColor(), Qt::SolidPattern));
    painter.setOpacity(d->backgroundOpacity);

    QRect textRect(0, 0, d->boxWidth, 40);
    if (d->centredPlacement) {
        textRect.moveTop(-((height() - 40) / 2));
    }

    painter.setPen(Qt::white);
    QRect bounds = painter.boundingRect(textRect, flags, message);
    painter.setPen(Qt::NoPen);

    const QRect box = bounds.united(textRect).adjusted(-10, -10, 10, 20);
    const qreal shown = 1 - d->stateMachine->offset();
    painter.translate((width() - box.width() + 20) / 2, height() + 10 - shown * box.height());

    painter.drawRoundedRect(QRect(box.topLeft(), QSize(box.width(), box.height() + 3)), 3, 3);

    bounds.moveCenter(box.center());
    painter.setPen(textColor());
    painter.drawText(bounds, flags, message);
}
