#include "lamps.h"

#include "artkit.h"
#include "resourcewriter.h"

#include <QtMath>

using namespace art;

namespace lamps {

namespace {

const int kPixels = 96;
const int kShapes = 13;

struct Look
{
    bool on;
    QColor light; // colour of the emitted light
    QColor body;  // metal or fabric of the fitting
};

QColor lit(const Look &look)
{
    // An unlit lamp keeps a faint tint of its glass, so the twins of different finishes stay apart.
    return look.on ? look.light : mix(QColor(0x4A, 0x5A, 0x6A), look.light, 0.2);
}

QColor bodyColour(const Look &look)
{
    return look.on ? look.body : mix(look.body, kMidGrey, 0.5);
}

void halo(QPainter &p, const Look &look, const QPointF &c, qreal r)
{
    if (look.on)
        glow(p, c, r, withAlpha(look.light, 170));
}

void rays(QPainter &p, const Look &look, const QPointF &c, qreal from, qreal to, qreal startDeg, qreal spanDeg,
          int count)
{
    if (!look.on)
        return;
    p.save();
    p.setPen(stroke(withAlpha(look.light, 220), 1.1));
    for (int i = 0; i < count; ++i) {
        const qreal a = qDegreesToRadians(startDeg + spanDeg * i / qMax(1, count - 1));
        p.drawLine(QPointF(c.x() + from * qCos(a), c.y() + from * qSin(a)),
                   QPointF(c.x() + to * qCos(a), c.y() + to * qSin(a)));
    }
    p.restore();
}

void bulbShape(QPainter &p, const Look &look, const QPointF &c, qreal s)
{
    halo(p, look, c, 10 * s);
    QPainterPath glass;
    glass.moveTo(c.x() - 2.6 * s, c.y() + 4.5 * s);
    glass.cubicTo(c.x() - 2.6 * s, c.y() + 2 * s, c.x() - 5.5 * s, c.y() + 1 * s, c.x() - 5.5 * s, c.y() - 2 * s);
    glass.cubicTo(c.x() - 5.5 * s, c.y() - 5.5 * s, c.x() - 3 * s, c.y() - 7.5 * s, c.x(), c.y() - 7.5 * s);
    glass.cubicTo(c.x() + 3 * s, c.y() - 7.5 * s, c.x() + 5.5 * s, c.y() - 5.5 * s, c.x() + 5.5 * s, c.y() - 2 * s);
    glass.cubicTo(c.x() + 5.5 * s, c.y() + 1 * s, c.x() + 2.6 * s, c.y() + 2 * s, c.x() + 2.6 * s, c.y() + 4.5 * s);
    glass.closeSubpath();
    p.setPen(stroke(look.on ? kWhite : kMidGrey, 0.8));
    p.setBrush(lit(look));
    p.drawPath(glass);
    p.setPen(Qt::NoPen);
    p.setBrush(bodyColour(look));
    p.drawRoundedRect(QRectF(c.x() - 2.6 * s, c.y() + 4.8 * s, 5.2 * s, 3.4 * s), 0.8 * s, 0.8 * s);
    if (!look.on) {
        p.setPen(stroke(kMidGrey, 0.7));
        p.drawPolyline(QPolygonF({{c.x() - 1.5 * s, c.y() + 4 * s},
                                  {c.x() - 1.5 * s, c.y() - 1 * s},
                                  {c.x(), c.y() - 2.5 * s},
                                  {c.x() + 1.5 * s, c.y() - 1 * s},
                                  {c.x() + 1.5 * s, c.y() + 4 * s}}));
    }
}

void beam(QPainter &p, const Look &look, const QPolygonF &cone)
{
    if (!look.on)
        return;
    QLinearGradient g(cone.boundingRect().topLeft(), cone.boundingRect().bottomLeft());
    g.setColorAt(0, withAlpha(look.light, 170));
    g.setColorAt(1, withAlpha(look.light, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPolygon(cone);
}

void drawShape(QPainter &p, int shape, const Look &look)
{
    p.setPen(Qt::NoPen);
    switch (shape) {
    case 0: // classic bulb
        rays(p, look, QPointF(12, 10), 8.5, 10.5, 180, 180, 5);
        bulbShape(p, look, QPointF(12, 11.5), 1.25);
        break;
    case 1: // recessed downlight with its beam
        beam(p, look, QPolygonF({{8, 6}, {16, 6}, {21, 22}, {3, 22}}));
        p.setBrush(bodyColour(look));
        p.drawRoundedRect(QRectF(4, 2.5, 16, 3), 1, 1);
        p.setBrush(lit(look));
        p.drawEllipse(QRectF(7.5, 4.5, 9, 3));
        break;
    case 2: // pendant with a dome shade
        p.setPen(stroke(bodyColour(look), 0.8));
        p.drawLine(QPointF(12, 0), QPointF(12, 7));
        p.setPen(Qt::NoPen);
        beam(p, look, QPolygonF({{6, 14}, {18, 14}, {22, 23}, {2, 23}}));
        halo(p, look, QPointF(12, 14.5), 6);
        p.setBrush(bodyColour(look));
        p.drawChord(QRectF(4, 7, 16, 14), 0, 180 * 16);
        p.setBrush(lit(look));
        p.drawEllipse(QRectF(9.5, 12.5, 5, 3.5));
        break;
    case 3: // chandelier: five candles on curved arms
    {
        p.setPen(stroke(bodyColour(look), 0.9));
        p.drawLine(QPointF(12, 0), QPointF(12, 15));
        QPainterPath arms;
        arms.moveTo(2.5, 11);
        arms.quadTo(7, 19, 12, 15);
        arms.quadTo(17, 19, 21.5, 11);
        arms.moveTo(6.5, 12);
        arms.quadTo(9, 16, 12, 14);
        arms.quadTo(15, 16, 17.5, 12);
        p.drawPath(arms);
        const QPointF candles[] = {{2.5, 11}, {6.5, 12}, {12, 9}, {17.5, 12}, {21.5, 11}};
        for (const QPointF &c : candles) {
            halo(p, look, c + QPointF(0, -3), 4);
            p.setPen(Qt::NoPen);
            p.setBrush(kLightGrey);
            p.drawRect(QRectF(c.x() - 0.7, c.y() - 2, 1.4, 2));
            p.setBrush(lit(look));
            p.drawEllipse(QRectF(c.x() - 0.9, c.y() - 4.8, 1.8, 2.8));
        }
        break;
    }
    case 4: // floor lamp
        halo(p, look, QPointF(12, 7), 10);
        p.setPen(stroke(bodyColour(look), 1.0));
        p.drawLine(QPointF(12, 9), QPointF(12, 21.5));
        p.setPen(Qt::NoPen);
        p.setBrush(bodyColour(look));
        p.drawEllipse(QRectF(8, 21, 8, 2));
        p.setBrush(look.on ? mix(look.light, kWhite, 0.35) : lit(look));
        p.drawPolygon(QPolygonF({{9, 2}, {15, 2}, {17.5, 9.5}, {6.5, 9.5}}));
        break;
    case 5: // desk lamp with an articulated arm
        beam(p, look, QPolygonF({{15.5, 9}, {20, 7}, {23, 21.5}, {11, 21.5}}));
        p.setPen(stroke(bodyColour(look), 1.2));
        p.drawPolyline(QPolygonF({{6, 21}, {9, 12}, {5.5, 5.5}, {13, 3.5}}));
        p.setPen(Qt::NoPen);
        p.setBrush(bodyColour(look));
        p.drawRoundedRect(QRectF(2.5, 20.5, 8, 2), 0.8, 0.8);
        p.save();
        p.translate(15.5, 6);
        p.rotate(25);
        p.drawChord(QRectF(-4.5, -3, 9, 7), 0, 180 * 16);
        p.setBrush(lit(look));
        p.drawEllipse(QRectF(-2.2, 0, 4.4, 1.6));
        p.restore();
        break;
    case 6: // wall sconce washing up and down
        beam(p, look, QPolygonF({{10, 9}, {14, 9}, {21, 0}, {3, 0}}));
        beam(p, look, QPolygonF({{10, 15}, {14, 15}, {21, 24}, {3, 24}}));
        p.setBrush(mix(kRaised, kCard, 0.3));
        p.drawRect(QRectF(0, 0, 3, 24));
        p.setBrush(bodyColour(look));
        p.drawRect(QRectF(3, 11, 4, 2));
        p.drawRoundedRect(QRectF(8, 8, 8, 8), 1.5, 1.5);
        p.setBrush(lit(look));
        p.drawRect(QRectF(9.5, 8, 5, 1));
        p.drawRect(QRectF(9.5, 15, 5, 1));
        break;
    case 7: // LED strip
        if (look.on) {
            QLinearGradient g(0, 6, 0, 20);
            g.setColorAt(0, withAlpha(look.light, 0));
            g.setColorAt(0.5, withAlpha(look.light, 150));
            g.setColorAt(1, withAlpha(look.light, 0));
            p.setBrush(g);
            p.drawRect(QRectF(1, 6, 22, 14));
        }
        p.setBrush(bodyColour(look));
        p.drawRoundedRect(QRectF(1.5, 11.5, 21, 3), 1.5, 1.5);
        p.setBrush(lit(look));
        for (int i = 0; i < 7; ++i)
            p.drawEllipse(QPointF(3.8 + i * 2.75, 13), 0.9, 0.9);
        break;
    case 8: // square ceiling panel
        beam(p, look, QPolygonF({{4, 9}, {20, 9}, {23, 23}, {1, 23}}));
        p.setBrush(bodyColour(look));
        p.drawPolygon(QPolygonF({{6, 3}, {18, 3}, {21.5, 8.5}, {2.5, 8.5}}));
        p.setBrush(lit(look));
        p.drawPolygon(QPolygonF({{7, 4}, {17, 4}, {19.5, 7.6}, {4.5, 7.6}}));
        break;
    case 9: // fluorescent tube
        halo(p, look, QPointF(12, 12), 11);
        p.setBrush(bodyColour(look));
        p.drawRoundedRect(QRectF(1, 10, 3, 4), 0.6, 0.6);
        p.drawRoundedRect(QRectF(20, 10, 3, 4), 0.6, 0.6);
        p.setBrush(lit(look));
        p.drawRoundedRect(QRectF(3.5, 10.5, 17, 3), 1.5, 1.5);
        rays(p, look, QPointF(12, 12), 4.5, 7, 240, 60, 3);
        rays(p, look, QPointF(12, 12), 4.5, 7, 60, 60, 3);
        break;
    case 10: // bedside lamp with a drum shade
        halo(p, look, QPointF(12, 10), 10);
        p.setBrush(bodyColour(look));
        p.drawEllipse(QRectF(8, 14, 8, 7));
        p.drawRect(QRectF(7.5, 20.5, 9, 1.5));
        p.setBrush(look.on ? mix(look.light, kWhite, 0.45) : lit(look));
        p.drawRoundedRect(QRectF(5, 4, 14, 10), 1, 1);
        if (look.on) {
            p.setBrush(withAlpha(kWhite, 120));
            p.drawRect(QRectF(5, 12.5, 14, 1.5));
        }
        break;
    case 11: // candle-flame bulb
    {
        halo(p, look, QPointF(12, 9), 9);
        QPainterPath flame;
        flame.moveTo(12, 1.5);
        flame.cubicTo(15.5, 6, 17, 9, 16, 12);
        flame.cubicTo(15, 15, 9, 15, 8, 12);
        flame.cubicTo(7, 9, 8.5, 6, 12, 1.5);
        p.setPen(stroke(look.on ? kWhite : kMidGrey, 0.6));
        p.setBrush(lit(look));
        p.drawPath(flame);
        p.setPen(Qt::NoPen);
        p.setBrush(bodyColour(look));
        p.drawRect(QRectF(9.5, 14.5, 5, 2));
        p.drawRoundedRect(QRectF(8.5, 16.5, 7, 6), 1, 1);
        break;
    }
    default: // round flush ceiling fitting
        beam(p, look, QPolygonF({{5, 10}, {19, 10}, {23, 23}, {1, 23}}));
        p.setBrush(bodyColour(look));
        p.drawRect(QRectF(3, 2, 18, 2));
        p.setBrush(lit(look));
        p.drawChord(QRectF(4, -2, 16, 14), 180 * 16, 180 * 16);
        if (look.on) {
            p.setBrush(withAlpha(kWhite, 140));
            p.drawChord(QRectF(7, 3, 10, 6), 180 * 16, 180 * 16);
        }
        break;
    }
}

QImage lampPicture(int index, bool on)
{
    // Thirteen fittings, each in four finishes with its own light colour.
    const int shape = index % kShapes;
    const int finish = index / kShapes;
    static const QColor bodies[] = {QColor(0xCF, 0xD8, 0xDC), QColor(0xC9, 0xA1, 0x5B), QColor(0x90, 0xA4, 0xAE),
                                    QColor(0xD0, 0x8A, 0x5A)};
    static const QColor lights[] = {kWarm, QColor(0xE3, 0xF2, 0xFD), kOrange};
    QColor light = finish < 3 ? lights[finish] : QColor::fromHsv((shape * 47 + 280) % 360, 150, 255);
    const Look look{on, light, bodies[finish]};

    QImage image = canvas(kPixels, kPixels);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kPixels / 24.0, kPixels / 24.0);
    drawShape(p, shape, look);
    if (finish == 3 && on) {
        // The coloured finish: a small spectrum badge tells it is a colour light.
        const QColor spectrum[] = {kRed, kGreen, kPrimary};
        for (int i = 0; i < 3; ++i) {
            p.setPen(Qt::NoPen);
            p.setBrush(spectrum[i]);
            p.drawEllipse(QPointF(19 + (i - 1) * 1.6, 21.5), 1.2, 1.2);
        }
    }
    return image;
}

} // namespace

void drawLights(ResourceWriter &out)
{
    for (int i = 0; i < kCount; ++i) {
        const QString base = QStringLiteral("myImages/png/light/light_%1_").arg(i + 1, 2, 10, QLatin1Char('0'));
        out.addImage(QStringLiteral("lights"), base + QStringLiteral("on.png"), lampPicture(i, true));
        out.addImage(QStringLiteral("lights"), base + QStringLiteral("off.png"), lampPicture(i, false));
    }
}

} // namespace lamps
