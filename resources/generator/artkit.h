#pragma once
// Palette and small drawing helpers shared by every picture the generator draws.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

namespace art {

// The station's dark material look.
const QColor kBackground(0x26, 0x34, 0x40);
const QColor kCard(0x1F, 0x29, 0x33);
const QColor kRaised(0x3D, 0x53, 0x66);
const QColor kPressed(0x55, 0x7F, 0xA3);
const QColor kPrimary(0x21, 0x96, 0xF3);
const QColor kPrimaryLight(0xBB, 0xDE, 0xFB);
const QColor kOrange(0xFF, 0x98, 0x00);
const QColor kGreen(0xAB, 0xD2, 0x65);
const QColor kRed(0xE3, 0x51, 0x51);
const QColor kWhite(0xFF, 0xFF, 0xFF);
const QColor kLightGrey(0xE1, 0xE1, 0xE1);
const QColor kMidGrey(0x8A, 0x99, 0xA8);
const QColor kWarm(0xFF, 0xC8, 0x57);

// Transparent (or filled) ARGB canvas.
QImage canvas(int width, int height, const QColor &fill = Qt::transparent);

// Linear blend, t = 0 gives a, t = 1 gives b.
QColor mix(const QColor &a, const QColor &b, qreal t);
QColor withAlpha(const QColor &c, int alpha);

// Round-capped pen for line icons.
QPen stroke(const QColor &c, qreal width);

// A font of the given pixel size; the family falls back to whatever the platform has.
QFont font(qreal pixelSize, int weight = QFont::Normal);

// Deterministic pseudo-random numbers, so every build draws the same pictures.
class Random
{
public:
    explicit Random(quint32 seed) : m_state(seed * 2654435761u + 0x9E3779B9u) {}
    quint32 next();
    qreal uniform(qreal low, qreal high);
    int below(int n);

private:
    quint32 m_state;
};

// Soft radial glow around a centre, fading to nothing at radius.
void glow(QPainter &p, const QPointF &centre, qreal radius, const QColor &c);

// Shapes drawn on a 24-unit grid: the painter is expected to be scaled so that 24 units span the icon.
void gear(QPainter &p, const QPointF &centre, qreal outer, qreal inner, int teeth);
QPainterPath cloudPath(const QRectF &box);
QPainterPath heartPath(const QRectF &box);
QPainterPath starPath(const QPointF &centre, qreal outer, qreal inner, int points);
void arrow(QPainter &p, const QPointF &from, const QPointF &to, qreal head);

} // namespace art
