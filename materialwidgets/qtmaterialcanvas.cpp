#include "materialwidgets/qtmaterialcanvas.h"

#include "materialwidgets/qtmaterialscrollbar.h"

#include <QPainter>
#include <QScroller>
#include <QTouchDevice>

namespace {

const QColor kPageColor(0x26, 0x34, 0x40);

} // namespace

class QtMaterialCanvasPrivate
{
public:
    Qt::Orientation orientation = Qt::Vertical;
    bool useThemeColors = true;
    QColor backgroundColor;
};

QtMaterialCanvas::QtMaterialCanvas(QWidget *parent) : QtMaterialCanvas(Qt::Vertical, parent) {}

QtMaterialCanvas::QtMaterialCanvas(Qt::Orientation orientation, QWidget *parent)
    : QScrollArea(parent), d(new QtMaterialCanvasPrivate)
{
    setFrameShape(QFrame::NoFrame);
    // Without a touch screen the content is dragged with the left mouse button.
    QScroller::grabGesture(viewport(), QTouchDevice::devices().isEmpty() ? QScroller::LeftMouseButtonGesture
                                                                         : QScroller::TouchGesture);
    d->orientation = orientation;
    setUpScroller();
}

QtMaterialCanvas::~QtMaterialCanvas() = default;

void QtMaterialCanvas::setOrientation(Qt::Orientation orientation)
{
    d->orientation = orientation;
    setUpScroller();
}

Qt::Orientation QtMaterialCanvas::orientation() const
{
    return d->orientation;
}

void QtMaterialCanvas::setUseThemeColors(bool value)
{
    if (d->useThemeColors == value) {
        return;
    }
    d->useThemeColors = value;
    update();
}

bool QtMaterialCanvas::useThemeColors() const
{
    return d->useThemeColors;
}

void QtMaterialCanvas::setBackgroundColor(const QColor &color)
{
    d->backgroundColor = color;
    d->useThemeColors = false;
    update();
}

QColor QtMaterialCanvas::backgroundColor() const
{
    return !d->useThemeColors && d->backgroundColor.isValid() ? d->backgroundColor : kPageColor;
}

void QtMaterialCanvas::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    painter.fillRect(QRect(0, 0, width(), height()), backgroundColor());
}

void QtMaterialCanvas::setUpScroller()
{
    QScroller *scroller = QScroller::scroller(viewport());
    QScrollerProperties properties = scroller->scrollerProperties();

    auto *bar = new QtMaterialScrollBar(d->orientation);
    const QVariant on = QVariant::fromValue(QScrollerProperties::OvershootAlwaysOn);
    const QVariant off = QVariant::fromValue(QScrollerProperties::OvershootAlwaysOff);
    if (d->orientation == Qt::Vertical) {
        setVerticalScrollBar(bar);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        properties.setScrollMetric(QScrollerProperties::VerticalOvershootPolicy, on);
        properties.setScrollMetric(QScrollerProperties::HorizontalOvershootPolicy, off);
    } else {
        setHorizontalScrollBar(bar);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        properties.setScrollMetric(QScrollerProperties::HorizontalOvershootPolicy, on);
        properties.setScrollMetric(QScrollerProperties::VerticalOvershootPolicy, off);
    }
    properties.setScrollMetric(QScrollerProperties::OvershootDragResistanceFactor, 0.1);
    properties.setScrollMetric(QScrollerProperties::OvershootDragDistanceFactor, 0.1);
    properties.setScrollMetric(QScrollerProperties::OvershootScrollDistanceFactor, 0.1);
    scroller->setScrollerProperties(properties);
}
