#include "messagepictures.h"

#include "artkit.h"
#include "resourcewriter.h"

#include <QtMath>

using namespace art;

namespace messagepictures {

namespace {

const int kPixels = 96;

// Each request on a disc of its own colour: calm colours for service calls, red for emergencies.
void drawRequest(QPainter &p, int index)
{
    static const QColor discs[kCount] = {QColor(0x26, 0xA6, 0x9A), QColor(0x42, 0xA5, 0xF5),
                                         QColor(0x7E, 0x57, 0xC2), QColor(0x5C, 0x6B, 0xC0),
                                         QColor(0xFF, 0xA7, 0x26), QColor(0x29, 0xB6, 0xF6),
                                         QColor(0x8D, 0x6E, 0x63), QColor(0x66, 0xBB, 0x6A),
                                         QColor(0x78, 0x90, 0x9C), kRed,
                                         QColor(0xD8, 0x43, 0x15)};
    p.setPen(Qt::NoPen);
    p.setBrush(discs[index]);
    p.drawEllipse(QPointF(12, 12), 11.5, 11.5);
    p.setPen(stroke(kWhite, 1.5));
    p.setBrush(Qt::NoBrush);
    switch (index) {
    case 0: // front-desk service bell
        p.setBrush(kWhite);
        p.drawChord(QRectF(6, 8, 12, 11), 0, 180 * 16);
        p.drawLine(QPointF(5, 14.5), QPointF(19, 14.5));
        p.drawLine(QPointF(12, 6.5), QPointF(12, 8));
        p.setPen(stroke(kWhite, 2));
        p.drawLine(QPointF(4.5, 17), QPointF(19.5, 17));
        break;
    case 1: // cleaning: broom with sparkles
        p.drawLine(QPointF(15, 4), QPointF(10, 13));
        p.setBrush(kWhite);
        p.drawPolygon(QPolygonF({{8, 12}, {12.5, 14.5}, {10.5, 20}, {4.5, 17}}));
        p.setPen(Qt::NoPen);
        p.drawPath(starPath(QPointF(16.5, 15), 3, 0.9, 4));
        p.drawPath(starPath(QPointF(18.5, 9), 1.8, 0.6, 4));
        break;
    case 2: // do not disturb: moon and a bar
    {
        QPainterPath moon;
        moon.addEllipse(QPointF(11, 11), 6, 6);
        QPainterPath bite;
        bite.addEllipse(QPointF(14, 8.5), 5, 5);
        p.setPen(Qt::NoPen);
        p.setBrush(kWhite);
        p.drawPath(moon.subtracted(bite));
        p.setBrush(kRed);
        p.drawRoundedRect(QRectF(12.5, 14, 8, 3.5), 1.5, 1.5);
        p.setBrush(kWhite);
        p.drawRect(QRectF(14, 15.3, 5, 0.9));
        break;
    }
    case 3: // laundry: shirt
        p.setBrush(kWhite);
        p.drawPolygon(QPolygonF({{9, 5},
                                 {12, 7},
                                 {15, 5},
                                 {19.5, 8},
                                 {17.5, 11},
                                 {16, 10},
                                 {16, 19},
                                 {8, 19},
                                 {8, 10},
                                 {6.5, 11},
                                 {4.5, 8}}));
        break;
    case 4: // room service: covered dish
        p.setBrush(kWhite);
        p.drawChord(QRectF(5, 8, 14, 12), 0, 180 * 16);
        p.drawEllipse(QPointF(12, 7.5), 1.2, 1.2);
        p.drawRoundedRect(QRectF(4, 14.5, 16, 1.8), 0.9, 0.9);
        break;
    case 5: // drinks: water glass
    {
        p.drawPolygon(QPolygonF({{7.5, 5}, {16.5, 5}, {15, 19}, {9, 19}}));
        p.setPen(Qt::NoPen);
        p.setBrush(withAlpha(kWhite, 200));
        p.drawPolygon(QPolygonF({{8.4, 11}, {15.6, 11}, {15, 18.2}, {9, 18.2}}));
        break;
    }
    case 6: // maintenance: wrench
    {
        p.save();
        p.translate(12, 12);
        p.rotate(-45);
        p.setPen(Qt::NoPen);
        p.setBrush(kWhite);
        QPainterPath w;
        w.addRoundedRect(QRectF(-1.5, -3, 3, 11), 1.5, 1.5);
        w.addEllipse(QPointF(0, -5), 4, 4);
        QPainterPath jaw;
        jaw.addRect(QRectF(-1.4, -10, 2.8, 5.5));
        p.drawPath(w.simplified().subtracted(jaw));
        p.restore();
        break;
    }
    case 7: // wake-up call: alarm clock
        p.drawEllipse(QPointF(12, 13), 6.5, 6.5);
        p.drawLine(QPointF(12, 13), QPointF(12, 9));
        p.drawLine(QPointF(12, 13), QPointF(14.5, 14.5));
        p.setBrush(kWhite);
        p.drawChord(QRectF(3.5, 3.5, 6, 6), 45 * 16, 180 * 16);
        p.drawChord(QRectF(14.5, 3.5, 6, 6), -45 * 16, 180 * 16);
        break;
    case 8: // checkout: suitcase
        p.setBrush(kWhite);
        p.drawRoundedRect(QRectF(5, 8.5, 14, 10), 1.5, 1.5);
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(9.5, 5.5, 5, 3), 1, 1);
        p.setPen(stroke(discs[8], 1.2));
        p.drawLine(QPointF(9, 9), QPointF(9, 18));
        p.drawLine(QPointF(15, 9), QPointF(15, 18));
        break;
    case 9: // medical emergency: cross
        p.setPen(Qt::NoPen);
        p.setBrush(kWhite);
        p.drawRoundedRect(QRectF(9.5, 4.5, 5, 15), 1, 1);
        p.drawRoundedRect(QRectF(4.5, 9.5, 15, 5), 1, 1);
        break;
    default: // fire: flame in a warning triangle
    {
        p.setPen(stroke(kWhite, 1.6));
        p.drawPolygon(QPolygonF({{12, 3.5}, {21, 19.5}, {3, 19.5}}));
        QPainterPath flame;
        flame.moveTo(12, 8.5);
        flame.cubicTo(15.5, 11.5, 15.5, 17.5, 12, 17.5);
        flame.cubicTo(8.5, 17.5, 8.5, 13, 10.5, 11.5);
        flame.cubicTo(10.5, 13, 11.5, 13.5, 12, 13);
        flame.cubicTo(12.5, 11.5, 11.5, 10, 12, 8.5);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xFF, 0xE0, 0x82));
        p.drawPath(flame);
        break;
    }
    }
}

} // namespace

void drawMessages(ResourceWriter &out)
{
    for (int i = 0; i < kCount; ++i) {
        QImage image = canvas(kPixels, kPixels);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(kPixels / 24.0, kPixels / 24.0);
        drawRequest(p, i);
        p.end();
        out.addImage(QStringLiteral("messages"),
                     QStringLiteral("myImages/png/message/message_%1.png").arg(i + 1, 2, 10, QLatin1Char('0')), image);
    }
}

} // namespace messagepictures
