#pragma once
// The round 40x40 colour swatch of a coloured light's panel.

#include <QColor>
#include <QWidget>

class ColorLabel : public QWidget
{
    Q_OBJECT

public:
    explicit ColorLabel(QWidget *parent);

    // Stores and repaints; an invalid colour paints as it is.
    void setColor(const QColor &color);
    QColor color() const { return swatchColor; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor swatchColor = Qt::black;
};
