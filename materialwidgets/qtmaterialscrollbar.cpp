#include "materialwidgets/qtmaterialscrollbar.h"

#include "materialwidgets/qtmaterialscrollbarstatemachine.h"
#include "materialwidgets/qtmaterialstatetransitionevent.h"
#include "materialwidgets/qtmaterialstyle.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kCanvasColor(0x26, 0x34, 0x40);
const QColor kTrackColor(0x3D, 0x53, 0x66);
const QColor kHandleColor(0x26, 0x34, 0x40);

} // namespace

class QtMaterialScrollBarPrivate
{
public:
    QtMaterialScrollBarStateMachine *stateMachine = nullptr;
    QColor backgroundColor;
    QColor sliderColor;
    QColor canvasColor;
    bool hideOnMouseOut = true;
    bool useThemeColors = true;
};

QtMaterialScrollBar::QtMaterialScrollBar(QWidget *parent) : QtMaterialScrollBar(Qt::Vertical, parent) {}

QtMaterialScrollBar::QtMaterialScrollBar(Qt::Orientation orientation, QWidget *parent)
    : QScrollBar(orientation, parent), d(new QtMaterialScrollBarPrivate)
{
    d->stateMachine = new QtMaterialScrollBarStateMachine(this);
    setMouseTracking(true);
    setStyle(&QtMaterialStyle::instance());
    setStyleSheet(QStringLiteral("QScrollBar:vertical { margin: 0; }"
                                 "QScrollBar::add-line:vertical { height: 0; margin: 0; }"
                                 "QScrollBar::sub-line:vertical { height: 0; margin: 0; }"));
    d->stateMachine->start();
}

QtMaterialScrollBar::~QtMaterialScrollBar()
{
    // The machine watches this bar's events and repaints it; it goes before the bar's teardown.
    delete d->stateMachine;
    d->stateMachine = nullptr;
}

QSize QtMaterialScrollBar::sizeHint() const
{
    return orientation() == Qt::Horizontal ? QSize(1, 10) : QSize(10, 1);
}

void QtMaterialScrollBar::setUseThemeColors(bool value)
{
    if (d->useThemeColors == value) {
        return;
    }
    d->useThemeColors = value;
    update();
}

bool QtMaterialScrollBar::useThemeColors() const
{
    return d->useThemeColors;
}

void QtMaterialScrollBar::setCanvasColor(const QColor &color)
{
    d->canvasColor = color;
    d->useThemeColors = false;
    update();
}

QColor QtMaterialScrollBar::canvasColor() const
{
    return !d->useThemeColors && d->canvasColor.isValid() ? d->canvasColor : kCanvasColor;
}

void QtMaterialScrollBar::setBackgroundColor(const QColor &color)
{
    d->backgroundColor = color;
    d->useThemeColors = false;
    update();
}

QColor QtMaterialScrollBar::backgroundColor() const
{
    return !d->useThemeColors && d->backgroundColor.isValid() ? d->backgroundColor : kTrackColor;
}

void QtMaterialScrollBar::setSliderColor(const QColor &color)
{
    d->sliderColor = color;
    d->useThemeColors = false;
    update();
}

QColor QtMaterialScrollBar::sliderColor() const
{
    return !d->useThemeColors && d->sliderColor.isValid() ? d->sliderColor : kHandleColor;
}

void QtMaterialScrollBar::setHideOnMouseOut(bool value)
{
    d->hideOnMouseOut = value;
    update();
}

bool QtMaterialScrollBar::hideOnMouseOut() const
{
    return d->hideOnMouseOut;
}

void QtMaterialScrollBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    painter.fillRect(rect(), canvasColor());

    QBrush brush(backgroundColor(), Qt::SolidPattern);
    painter.setBrush(brush);
    painter.setPen(Qt::NoPen);

    if (d->hideOnMouseOut) {
        painter.setOpacity(d->stateMachine->opacity());
    }

    const QRect track(QPoint(2, 2), QPoint(width() - 3, height() - 3));
    QPainterPath path;
    path.addRoundedRect(track, 3, 3);
    painter.setClipPath(path);
    painter.drawRect(track);

    // A range of a single value with a page step of one has no scale: the track stays empty.
    const int span = maximum() - minimum() + pageStep() - 1;
    if (span <= 0) {
        return;
    }

    const bool horizontal = orientation() == Qt::Horizontal;
    const qreal q = (horizontal ? width() : height()) / static_cast<qreal>(span);
    const int length = int(pageStep() * q);
    const int start = int((sliderPosition() - minimum()) * q);

    const QRect handle = horizontal ? QRect(start, 0, length, height()) : QRect(0, start, width(), length);

    brush.setColor(sliderColor());
    painter.setBrush(brush);
    painter.drawRoundedRect(handle, 9, 9);
}

void QtMaterialScrollBar::sliderChange(SliderChange change)
{
    // Values set before the machine runs (the scroll area's set-up) would be dropped by it anyway.
    if (change == QAbstractSlider::SliderValueChange && d->stateMachine->isRunning()) {
        d->stateMachine->postEvent(new QtMaterialStateTransitionEvent(KindScrollBarActivity));
    }
    QScrollBar::sliderChange(change);
}
