#pragma once
// Base of every clickable list row and tile: paints itself in its own colour and reports completed clicks.

#include <QColor>
#include <QWidget>

class DynamicWidget : public QWidget
{
    Q_OBJECT

public:
    DynamicWidget(const QColor &background, QWidget *parent);

    // True paints the circle inscribed in the widget instead of the rounded rectangle.
    void setRound(bool round);

    bool isPressed() const { return pressed; }
    QColor color() const { return currentColor; }

    static const QColor pressColor;

signals:
    // A left press on the widget followed by a left release inside it.
    void signalsPressed();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool pressed = false;
    QColor baseColor;
    QColor currentColor;
    bool round = false;
};
