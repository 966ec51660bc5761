#include "moodpictures.h"

#include "artkit.h"
#include "resourcewriter.h"

#include <QLinearGradient>
#include <QtMath>

using namespace art;

namespace moodpictures {

namespace {

struct Atmosphere
{
    QColor top;
    QColor bottom;
    QColor light; // colour of the bokeh and of the emblem's glow
};

// One atmosphere per mood, in the order of the emblems below.
const Atmosphere kAtmospheres[kCount] = {
    {QColor(0x26, 0x34, 0x40), QColor(0x8D, 0x6E, 0x63), kWarm},                    // welcome
    {QColor(0x0D, 0x14, 0x3C), QColor(0x28, 0x35, 0x93), QColor(0x9F, 0xA8, 0xDA)}, // sleep
    {QColor(0x3E, 0x27, 0x23), QColor(0x79, 0x55, 0x48), QColor(0xFF, 0xE0, 0xB2)}, // reading
    {QColor(0x12, 0x12, 0x12), QColor(0x37, 0x47, 0x4F), QColor(0x90, 0xCA, 0xF9)}, // movie
    {QColor(0x4A, 0x14, 0x2C), QColor(0xAD, 0x14, 0x57), QColor(0xF8, 0xBB, 0xD0)}, // romantic
    {QColor(0x31, 0x1B, 0x92), QColor(0xC5, 0x11, 0x62), QColor(0x18, 0xFF, 0xFF)}, // party
    {QColor(0x1B, 0x5E, 0x20), QColor(0x80, 0xCB, 0xC4), QColor(0xDC, 0xED, 0xC8)}, // relax
    {QColor(0x4F, 0xC3, 0xF7), QColor(0xFF, 0xCC, 0x80), QColor(0xFF, 0xF5, 0x9D)}, // morning
    {QColor(0x3E, 0x27, 0x23), QColor(0xBF, 0x36, 0x0C), QColor(0xFF, 0xCC, 0x80)}, // dinner
    {QColor(0x26, 0x34, 0x40), QColor(0x45, 0x5A, 0x64), QColor(0xE1, 0xF5, 0xFE)}, // work
    {QColor(0x00, 0x60, 0x64), QColor(0x4D, 0xD0, 0xE1), QColor(0xE0, 0xF7, 0xFA)}, // bath
    {QColor(0x1A, 0x1A, 0x2E), QColor(0x3D, 0x2C, 0x4E), QColor(0xFF, 0xB7, 0x4D)}, // night light
    {QColor(0x26, 0x32, 0x38), QColor(0x1E, 0x88, 0xE5), QColor(0xBB, 0xDE, 0xFB)}, // meeting
    {QColor(0x1C, 0x1C, 0x2A), QColor(0x4A, 0x14, 0x8C), QColor(0x82, 0xB1, 0xFF)}, // television
    {QColor(0x21, 0x21, 0x21), QColor(0x6A, 0x1B, 0x9A), QColor(0xEA, 0x80, 0xFC)}, // music
    {QColor(0x33, 0x69, 0x1E), QColor(0xC0, 0xCA, 0x33), QColor(0xF0, 0xF4, 0xC3)}, // energy saving
    {QColor(0x10, 0x10, 0x14), QColor(0x26, 0x34, 0x40), QColor(0x78, 0x90, 0x9C)}, // all off
    {QColor(0xF5, 0x7F, 0x17), QColor(0xFF, 0xF1, 0x76), QColor(0xFF, 0xFF, 0xFF)}, // all on
    {QColor(0x00, 0x69, 0x5C), QColor(0xB2, 0xDF, 0xDB), QColor(0xFF, 0xFF, 0xFF)}, // housekeeping
    {QColor(0x26, 0x34, 0x40), QColor(0x60, 0x7D, 0x8B), QColor(0xCF, 0xD8, 0xDC)}, // away
    {QColor(0x4A, 0x14, 0x8C), QColor(0xFF, 0x70, 0x43), QColor(0xFF, 0xCC, 0xBC)}, // sunset
    {QColor(0x21, 0x12, 0x0A), QColor(0x6D, 0x3A, 0x1C), QColor(0xFF, 0xC1, 0x07)}, // candle light
    {QColor(0x4E, 0x34, 0x2E), QColor(0xA1, 0x88, 0x7F), QColor(0xFF, 0xEC, 0xB3)}, // coffee break
};

void moon(QPainter &p, const QPointF &c, qreal r)
{
    QPainterPath disc;
    disc.addEllipse(c, r, r);
    QPainterPath bite;
    bite.addEllipse(c + QPointF(r * 0.55, -r * 0.35), r * 0.85, r * 0.85);
    p.drawPath(disc.subtracted(bite));
}

void musicNote(QPainter &p, const QPointF &c, qreal s)
{
    p.drawEllipse(QRectF(c.x() - 2.6 * s, c.y() - 1.5 * s, 3.6 * s, 2.8 * s));
    p.drawRect(QRectF(c.x() + 0.4 * s, c.y() - 9 * s, 0.8 * s, 9 * s));
    p.drawPolygon(QPolygonF({{c.x() + 0.4 * s, c.y() - 9 * s},
                             {c.x() + 4 * s, c.y() - 7 * s},
                             {c.x() + 4 * s, c.y() - 5.5 * s},
                             {c.x() + 0.4 * s, c.y() - 7.5 * s}}));
}

void candle(QPainter &p, const QPointF &base, qreal height, const QColor &flame)
{
    glow(p, base - QPointF(0, height + 2), 6, withAlpha(flame, 200));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xF8, 0xE1));
    p.drawRect(QRectF(base.x() - 1.5, base.y() - height, 3, height));
    p.setBrush(flame);
    QPainterPath f;
    f.moveTo(base.x(), base.y() - height - 4);
    f.quadTo(base.x() + 1.6, base.y() - height - 1, base.x(), base.y() - height - 0.3);
    f.quadTo(base.x() - 1.6, base.y() - height - 1, base.x(), base.y() - height - 4);
    p.drawPath(f);
}

// The emblem of each mood on a 24-unit grid, in white with touches of the mood's light.
void emblem(QPainter &p, int index, const QColor &light)
{
    const QPen line = stroke(kWhite, 1.4);
    p.setPen(line);
    p.setBrush(Qt::NoBrush);
    switch (index) {
    case 0: // welcome: an open door letting light out
        p.setPen(Qt::NoPen);
        p.setBrush(withAlpha(light, 150));
        p.drawPolygon(QPolygonF({{8, 4}, {16, 4}, {22, 22}, {2, 22}}));
        p.setPen(line);
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(8, 4, 8, 16));
        p.setBrush(kWhite);
        p.drawPolygon(QPolygonF({{8, 4}, {4.5, 6}, {4.5, 21}, {8, 20}}));
        break;
    case 1: // sleep
        p.setPen(Qt::NoPen);
        p.setBrush(kWhite);
        moon(p, QPointF(11, 12), 7);
        p.setBrush(light);
        p.drawPath(starPath(QPointF(19, 6), 2, 0.7, 5));
        p.drawPath(starPath(QPointF(20, 15), 1.3, 0.5, 5));
        break;
    case 2: // reading: an open book
    {
        p.setBrush(withAlpha(kWhite, 230));
        QPainterPath left;
        left.moveTo(12, 8);
        left.quadTo(7, 5, 2.5, 6.5);
        left.lineTo(2.5, 19);
        left.quadTo(7, 17.5, 12, 20);
        left.closeSubpath();
        p.drawPath(left);
        QTransform mirror(-1, 0, 0, 1, 24, 0);
        p.drawPath(mirror.map(left));
        p.setPen(stroke(kMidGrey, 0.6));
        for (int i = 0; i < 3; ++i) {
            p.drawLine(QPointF(4.5, 10 + i * 2.5), QPointF(10, 11 + i * 2.5));
            p.drawLine(QPointF(19.5, 10 + i * 2.5), QPointF(14, 11 + i * 2.5));
        }
        break;
    }
    case 3: // movie: clapperboard
        p.setBrush(kWhite);
        p.drawRect(QRectF(4, 10, 16, 10));
        p.save();
        p.translate(4, 10);
        p.rotate(-18);
        p.drawRect(QRectF(0, -4, 16, 4));
        p.setPen(stroke(QColor(0x21, 0x21, 0x21), 1.3));
        for (int i = 0; i < 4; ++i)
            p.drawLine(QPointF(2 + i * 4, -4), QPointF(4 + i * 4, 0));
        p.restore();
        break;
    case 4: // romantic
        p.setPen(Qt::NoPen);
        p.setBrush(kWhite);
        p.drawPath(heartPath(QRectF(3, 4, 18, 17)));
        p.setBrush(light);
        p.drawPath(heartPath(QRectF(15.5, 2, 6, 6)));
        break;
    case 5: // party: notes and confetti
    {
        p.setPen(Qt::NoPen);
        p.setBrush(kWhite);
        musicNote(p, QPointF(9, 18), 1.3);
        p.setBrush(light);
        musicNote(p, QPointF(17, 13), 0.9);
        const QColor confetti[] = {kWarm, kGreen, kRed, kPrimary};
        for (int i = 0; i < 8; ++i) {
            p.setBrush(confetti[i % 4]);
            p.save();
            p.translate(3 + (i * 37) % 19, 3 + (i * 23) % 7);
            p.rotate(i * 40);
            p.drawRect(QRectF(-0.8, -0.4, 1.6, 0.8));
            p.restore();
        }
        break;
    }
    case 6: // relax: lotus leaves
        p.setPen(Qt::NoPen);
        for (int i = -2; i <= 2; ++i) {
            p.save();
            p.translate(12, 19);
            p.rotate(i * 28);
            p.setBrush(i == 0 ? kWhite : mix(kWhite, light, 0.5));
            p.drawEllipse(QRectF(-2.6, -13, 5.2, 13));
            p.restore();
        }
        break;
    case 7: // morning: sun rising
        p.setPen(Qt::NoPen);
        p.setBrush(light);
        p.drawChord(QRectF(5, 9, 14, 14), 0, 180 * 16);
        p.setPen(stroke(light, 1.3));
        for (int i = 0; i < 5; ++i) {
            const qreal a = qDegreesToRadians(180.0 + 22.5 + i * 33.75);
            p.drawLine(QPointF(12 + 9.5 * qCos(a), 16 + 9.5 * qSin(a)), QPointF(12 + 12 * qCos(a), 16 + 12 * qSin(a)));
        }
        p.setPen(stroke(kWhite, 1.4));
        p.drawLine(QPointF(2, 16.5), QPointF(22, 16.5));
        p.drawLine(QPointF(5, 19.5), QPointF(19, 19.5));
        break;
    case 8: // dinner: plate, fork and knife
        p.drawEllipse(QPointF(12, 12), 6.5, 6.5);
        p.drawEllipse(QPointF(12, 12), 4, 4);
        p.drawLine(QPointF(3, 5), QPointF(3, 19));
        p.drawLine(QPointF(2, 5), QPointF(2, 9));
        p.drawLine(QPointF(4, 5), QPointF(4, 9));
        p.setBrush(kWhite);
        p.drawPolygon(QPolygonF({{21, 5}, {22, 5}, {22, 19}, {21, 19}, {20, 11}}));
        break;
    case 9: // work: laptop
        p.setBrush(withAlpha(light, 90));
        p.drawRoundedRect(QRectF(5, 5, 14, 10), 1, 1);
        p.setBrush(kWhite);
        p.drawPolygon(QPolygonF({{3, 17}, {21, 17}, {22.5, 19.5}, {1.5, 19.5}}));
        break;
    case 10: // bath: tub with bubbles
        p.setBrush(kWhite);
        p.drawChord(QRectF(3, 5, 18, 16), 180 * 16, 180 * 16);
        p.drawLine(QPointF(2, 13), QPointF(22, 13));
        p.drawLine(QPointF(6.5, 19.5), QPointF(5.5, 22));
        p.drawLine(QPointF(17.5, 19.5), QPointF(18.5, 22));
        p.setBrush(Qt::NoBrush);
        p.setPen(stroke(kWhite, 1));
        p.drawEllipse(QPointF(8, 9), 1.8, 1.8);
        p.drawEllipse(QPointF(12, 6.5), 1.2, 1.2);
        p.drawEllipse(QPointF(15.5, 9.5), 2.2, 2.2);
        break;
    case 11: // night light: a small low lamp glowing
        glow(p, QPointF(12, 14), 10, withAlpha(light, 200));
        p.setPen(Qt::NoPen);
        p.setBrush(kWhite);
        p.drawChord(QRectF(7, 10, 10, 10), 0, 180 * 16);
        p.drawRect(QRectF(6, 15, 12, 2));
        p.setBrush(light);
        moon(p, QPointF(19, 5), 2.5);
        break;
    case 12: // meeting: two speech bubbles
    {
        p.setPen(Qt::NoPen);
        p.setBrush(kWhite);
        QPainterPath a;
        a.addRoundedRect(QRectF(2, 3, 13, 9), 2, 2);
        a.moveTo(5, 11);
        a.lineTo(4, 15);
        a.lineTo(9, 11);
        p.drawPath(a.simplified());
        p.setBrush(light);
        QPainterPath b;
        b.addRoundedRect(QRectF(9, 10, 13, 9), 2, 2);
        b.moveTo(19, 18);
        b.lineTo(20, 22);
        b.lineTo(15, 18);
        p.drawPath(b.simplified());
        break;
    }
    case 13: // television
        p.setBrush(withAlpha(light, 110));
        p.drawRoundedRect(QRectF(2.5, 4, 19, 13), 1.5, 1.5);
        p.drawLine(QPointF(9, 21), QPointF(15, 21));
        p.drawLine(QPointF(12, 17), QPointF(12, 21));
        p.setPen(Qt::NoPen);
        p.setBrush(kWhite);
        p.drawPolygon(QPolygonF({{10, 7.5}, {15, 10.5}, {10, 13.5}}));
        break;
    case 14: // music: headphones
        p.setPen(stroke(kWhite, 1.8));
        p.drawArc(QRectF(4, 4, 16, 16), 0, 180 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(kWhite);
        p.drawRoundedRect(QRectF(3, 12, 4, 7), 1.5, 1.5);
        p.drawRoundedRect(QRectF(17, 12, 4, 7), 1.5, 1.5);
        p.setBrush(light);
        musicNote(p, QPointF(12.5, 19), 0.6);
        break;
    case 15: // energy saving: a leaf
    {
        p.setPen(Qt::NoPen);
        p.setBrush(kWhite);
        QPainterPath leaf;
        leaf.moveTo(4, 20);
        leaf.cubicTo(4, 8, 12, 3, 21, 3);
        leaf.cubicTo(21, 12, 16, 20, 4, 20);
        p.drawPath(leaf);
        p.setPen(stroke(QColor(0x33, 0x69, 0x1E), 1.1));
        p.drawLine(QPointF(4, 20), QPointF(16, 8));
        break;
    }
    case 16: // all off: power sign
        p.setPen(stroke(kWhite, 2));
        p.drawArc(QRectF(5, 5, 14, 14), 60 * 16, -300 * 16);
        p.drawLine(QPointF(12, 3), QPointF(12, 11));
        break;
    case 17: // all on: a bright bulb
    {
        glow(p, QPointF(12, 10), 12, withAlpha(light, 230));
        p.setPen(Qt::NoPen);
        p.setBrush(kWhite);
        p.drawEllipse(QPointF(12, 10), 6, 6);
        p.drawRect(QRectF(9.5, 14, 5, 3));
        p.setBrush(QColor(0x61, 0x61, 0x61));
        p.drawRoundedRect(QRectF(9.5, 17, 5, 3.5), 1, 1);
        break;
    }
    case 18: // housekeeping: sparkles
        p.setPen(Qt::NoPen);
        p.setBrush(kWhite);
        p.drawPath(starPath(QPointF(10, 13), 8, 2.2, 4));
        p.setBrush(light);
        p.drawPath(starPath(QPointF(19, 6), 3.5, 1, 4));
        p.drawPath(starPath(QPointF(19, 18), 2.5, 0.8, 4));
        break;
    case 19: // away: suitcase
        p.setBrush(kWhite);
        p.drawRoundedRect(QRectF(4, 8, 16, 12), 2, 2);
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(9, 4.5, 6, 3.5), 1, 1);
        p.setPen(stroke(QColor(0x60, 0x7D, 0x8B), 1.2));
        p.drawLine(QPointF(8.5, 8.5), QPointF(8.5, 19.5));
        p.drawLine(QPointF(15.5, 8.5), QPointF(15.5, 19.5));
        break;
    case 20: // sunset over the sea
    {
        p.setPen(Qt::NoPen);
        p.setBrush(light);
        p.drawChord(QRectF(6, 7, 12, 12), 0, 180 * 16);
        p.setPen(stroke(kWhite, 1.2));
        for (int i = 0; i < 3; ++i) {
            QPainterPath wave;
            const qreal y = 14 + i * 3;
            wave.moveTo(2 + i * 2, y);
            for (int k = 0; k < 4; ++k)
                wave.quadTo(4 + i * 2 + k * 4.5 - 0.5, y - 1.2, 4.25 + i * 2 + k * 4.5 + 0.75, y);
            p.drawPath(wave);
        }
        break;
    }
    case 21: // candle light
        candle(p, QPointF(8, 21), 9, light);
        candle(p, QPointF(13, 21), 13, light);
        candle(p, QPointF(18, 21), 7, light);
        break;
    default: // coffee break: steaming cup
        p.setBrush(kWhite);
        p.drawChord(QRectF(4, 3, 13, 17), 180 * 16, 180 * 16);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(14, 11.5, 5, 5), -90 * 16, 180 * 16);
        p.drawLine(QPointF(3, 20.5), QPointF(18, 20.5));
        p.setPen(stroke(light, 1.1));
        for (int i = 0; i < 3; ++i) {
            QPainterPath steam;
            steam.moveTo(7 + i * 3.5, 9.5);
            steam.cubicTo(6 + i * 3.5, 7, 8 + i * 3.5, 5.5, 7 + i * 3.5, 3);
            p.drawPath(steam);
        }
        break;
    }
}

QImage moodPicture(int index)
{
    const Atmosphere &a = kAtmospheres[index];
    QImage image = canvas(kWidth, kHeight, a.top);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kWidth / 300.0, kHeight / 160.0);

    QLinearGradient sky(0, 0, 300, 160);
    sky.setColorAt(0, a.top);
    sky.setColorAt(1, a.bottom);
    p.fillRect(QRectF(0, 0, 300, 160), sky);

    // Out-of-focus lights, placed differently for every mood.
    Random rnd(quint32(index) * 7919u + 3);
    for (int i = 0; i < 14; ++i) {
        const QPointF c(rnd.uniform(0, 300), rnd.uniform(0, 160));
        const qreal r = rnd.uniform(6, 22);
        glow(p, c, r, withAlpha(a.light, int(rnd.uniform(30, 90))));
    }

    // The emblem sits right of centre; the tile prints the mood's name at the top left.
    glow(p, QPointF(205, 86), 70, withAlpha(a.light, 70));
    p.save();
    p.translate(205 - 48, 86 - 48);
    p.scale(4, 4);
    emblem(p, index, a.light);
    p.restore();
    return image;
}

} // namespace

void drawMoods(ResourceWriter &out)
{
    for (int i = 0; i < kCount; ++i)
        out.addImage(QStringLiteral("moods"), QStringLiteral("myImages/jpg/moods/moods_%1.jpg").arg(i + 1),
                     moodPicture(i));
}

} // namespace moodpictures
