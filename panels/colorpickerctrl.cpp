#include "panels/colorpickerctrl.h"

#include <QConicalGradient>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QScreen>
#include <QtMath>

namespace {

QRect squareAround(const QPointF &centre, double radius)
{
    return QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius).toRect();
}

bool insideCircleOf(const QRect &square, const QPoint &position)
{
    // Hit tests use the bounding squares of the circles, corners included.
    return !square.isEmpty() && square.contains(position);
}

} // namespace

ColorPickerCtrl::ColorPickerCtrl(QWidget *parent) : QWidget(parent)
{
    setPalette(QPalette(Qt::white));
    setMinimumSize(150, 150);
}

void ColorPickerCtrl::setColor(const QColor &color)
{
    if (dragging)
        return;
    colorFixed = true;
    currentColor = color;
    update();
}

bool ColorPickerCtrl::isOnRing(const QPoint &position) const
{
    return insideCircleOf(outerRect, position) && !insideCircleOf(innerRect, position);
}

void ColorPickerCtrl::turnMarkerTo(const QPoint &position)
{
    const int cx = (width() - 1) / 2;
    const int cy = (height() - 1) / 2;
    angle = qAtan2(position.y() - cy, position.x() - cx) * 180.0 / M_PI;
}

void ColorPickerCtrl::mousePressEvent(QMouseEvent *event)
{
    const QPoint position = event->localPos().toPoint();
    if (event->button() == Qt::LeftButton) {
        if (insideCircleOf(centerRect, position)) {
            emit colorSelected();
        } else if (isOnRing(position)) {
            dragging = true;
            colorFixed = false;
            turnMarkerTo(position);
            update();
            emit colorChanged(currentColor);
        }
    }
    QWidget::mousePressEvent(event);
}

void ColorPickerCtrl::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint position = event->localPos().toPoint();
    if (dragging && isOnRing(position)) {
        turnMarkerTo(position);
        update();
        emit colorChanged(currentColor);
    }
    QWidget::mouseMoveEvent(event);
}

void ColorPickerCtrl::mouseReleaseEvent(QMouseEvent *event)
{
    if (dragging) {
        emit colorChanged(currentColor);
        dragging = false;
    }
    QWidget::mouseReleaseEvent(event);
}

void ColorPickerCtrl::showEvent(QShowEvent *event)
{
    update();
    QWidget::showEvent(event);
}

QColor ColorPickerCtrl::screenColorAt(const QPoint &globalPosition)
{
    // The screen that holds the point: on a desktop of several screens each shows its own part of the picker.
    QScreen *screen = QGuiApplication::screenAt(globalPosition);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return Qt::black;
    const QPoint onScreen = globalPosition - screen->geometry().topLeft();
    const QImage pixel = screen->grabWindow(0, onScreen.x(), onScreen.y(), 1, 1).toImage();
    return pixel.isNull() ? QColor(Qt::black) : pixel.pixelColor(0, 0);
}

void ColorPickerCtrl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::transparent);

    const int d = qMin(width(), height());
    const double r = d / 2 - 0.1 * d;
    QConicalGradient gradient(0, 0, 0);
    gradient.setColorAt(0.0, Qt::red);
    gradient.setColorAt(60.0 / 360, Qt::yellow);
    gradient.setColorAt(120.0 / 360, Qt::green);
    gradient.setColorAt(180.0 / 360, Qt::cyan);
    gradient.setColorAt(240.0 / 360, Qt::blue);
    gradient.setColorAt(300.0 / 360, Qt::magenta);
    gradient.setColorAt(1.0, Qt::red);

    const QPointF centre(width() / 2.0, height() / 2.0);
    painter.translate(centre);
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    QPainterPath ring;
    ring.addEllipse(QPointF(0, 0), r, r);
    ring.addEllipse(QPointF(0, 0), 0.8 * r, 0.8 * r);
    painter.drawPath(ring);
    outerRect = squareAround(centre, r);
    innerRect = squareAround(centre, 0.8 * r);

    const double a = qDegreesToRadians(angle);
    const QPointF marker(0.9 * r * qCos(a), 0.9 * r * qSin(a));
    painter.setPen(QColor("#128bf1"));
    painter.drawEllipse(marker, 0.2 * r, 0.2 * r);

    if (!colorFixed)
        currentColor = screenColorAt(mapToGlobal((centre + marker).toPoint()));

    painter.setPen(Qt::transparent);
    painter.setBrush(currentColor);
    painter.drawEllipse(QPointF(0, 0), 0.5 * r, 0.5 * r);
    centerRect = squareAround(centre, 0.5 * r);
}
