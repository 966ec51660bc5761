#pragma once
// A hue ring with a centre disc: dragging on the ring picks the colour shown under the marker, pressing the centre
// confirms.

#include <QColor>
#include <QRect>
#include <QWidget>

class ColorPickerCtrl : public QWidget
{
    Q_OBJECT

public:
    explicit ColorPickerCtrl(QWidget *parent);

    // Shows color in the centre until the next press on the ring; ignored while the user drags.
    void setColor(const QColor &color);
    QColor color() const { return currentColor; }
    // Direction of the marker from the centre in degrees (-180 to 180, 0 to the right, y downwards).
    double markerAngle() const { return angle; }

signals:
    // The colour under the marker, while the user drags on the ring and when the drag ends. It is the colour read
    // at the latest paint, so during a drag it lags one event behind the marker.
    void colorChanged(QColor color);
    // The user pressed the centre disc.
    void colorSelected();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    bool isOnRing(const QPoint &position) const;
    void turnMarkerTo(const QPoint &position);
    // The colour the screen shows at a global position; black where no screen can be read.
    static QColor screenColorAt(const QPoint &globalPosition);

    double angle = 0;
    bool dragging = false;
    bool colorFixed = false;
    QColor currentColor = Qt::white;
    QRect outerRect;
    QRect innerRect;
    QRect centerRect;
};
