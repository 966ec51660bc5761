#include "roompictures.h"

#include "artkit.h"
#include "resourcewriter.h"

#include <QLinearGradient>
#include <QVector>
#include <QtMath>

#include <algorithm>

using namespace art;

namespace roompictures {

namespace {

// Room space: X across (-1 left wall .. 1 right wall), Y up (0 floor .. 1 ceiling), Z depth (0 back wall .. 1 the
// picture plane). The eye stands at X 0, a little below the ceiling.
const qreal kEyeHeight = 0.8;

QPointF project(qreal x, qreal y, qreal z)
{
    const qreal k = 1.0 / (1.0 + 0.875 * (1.0 - z));
    return QPointF(150 + x * 150 * k, 32 + (kEyeHeight - y) * 160 * k);
}

QPolygonF quad(const QPointF &a, const QPointF &b, const QPointF &c, const QPointF &d)
{
    return QPolygonF({a, b, c, d});
}

struct Box
{
    qreal x0, x1, y0, y1, z0, z1;
    QColor colour;
};

void drawBox(QPainter &p, const Box &b)
{
    p.setPen(QPen(withAlpha(Qt::black, 60), 0.6));
    const QColor side = b.colour.darker(135);
    // Sides facing the eye: the left face when the box stands right of centre, and the other way round.
    if (b.x0 > 0) {
        p.setBrush(side);
        p.drawPolygon(quad(project(b.x0, b.y0, b.z0), project(b.x0, b.y0, b.z1), project(b.x0, b.y1, b.z1),
                           project(b.x0, b.y1, b.z0)));
    }
    if (b.x1 < 0) {
        p.setBrush(side);
        p.drawPolygon(quad(project(b.x1, b.y0, b.z0), project(b.x1, b.y0, b.z1), project(b.x1, b.y1, b.z1),
                           project(b.x1, b.y1, b.z0)));
    }
    if (b.y1 < kEyeHeight) {
        p.setBrush(b.colour.lighter(118));
        p.drawPolygon(quad(project(b.x0, b.y1, b.z0), project(b.x1, b.y1, b.z0), project(b.x1, b.y1, b.z1),
                           project(b.x0, b.y1, b.z1)));
    }
    p.setBrush(b.colour);
    p.drawPolygon(quad(project(b.x0, b.y0, b.z1), project(b.x1, b.y0, b.z1), project(b.x1, b.y1, b.z1),
                       project(b.x0, b.y1, b.z1)));
}

struct Palette
{
    QColor wall;
    QColor accent; // fabric of beds and sofas
    QColor wood;
};

const QColor kSteel(0x90, 0xA4, 0xAE);

const Palette kPalettes[] = {
    {QColor(0x4E, 0x63, 0x74), QColor(0xE0, 0xD6, 0xC2), QColor(0x8D, 0x6E, 0x4E)},
    {QColor(0x5D, 0x4E, 0x60), QColor(0xD7, 0xC6, 0xE0), QColor(0x6D, 0x4C, 0x41)},
    {QColor(0x3E, 0x5C, 0x58), QColor(0xF0, 0xE6, 0xD0), QColor(0xA1, 0x88, 0x66)},
    {QColor(0x6B, 0x5B, 0x45), QColor(0xC8, 0xDC, 0xE8), QColor(0x5D, 0x40, 0x37)},
    {QColor(0x45, 0x4F, 0x6B), QColor(0xF5, 0xC2, 0x7A), QColor(0x79, 0x55, 0x48)},
    {QColor(0x5E, 0x6B, 0x4A), QColor(0xEC, 0xEF, 0xF1), QColor(0x8C, 0x73, 0x5B)},
    {QColor(0x6E, 0x4A, 0x4A), QColor(0xE8, 0xD5, 0xB5), QColor(0x4E, 0x34, 0x2E)},
    {QColor(0x37, 0x47, 0x4F), QColor(0x90, 0xCA, 0xF9), QColor(0xB0, 0x8D, 0x6A)},
    {QColor(0x60, 0x58, 0x70), QColor(0xF8, 0xBB, 0xD0), QColor(0x7B, 0x5E, 0x45)},
};

enum RoomType { DoubleBedroom, TwinBedroom, Lounge, Study, Meeting, Bathroom, Dining, Lobby, RoomTypes };

void drawShell(QPainter &p, const Palette &pal, int floorStyle, Random &rnd)
{
    const QColor wall = pal.wall;
    // Ceiling, side walls, back wall.
    p.setPen(Qt::NoPen);
    p.setBrush(wall.darker(150));
    p.drawPolygon(quad(project(-1, 1, 1), project(1, 1, 1), project(1, 1, 0), project(-1, 1, 0)));
    p.setBrush(wall.darker(118));
    p.drawPolygon(quad(project(-1, 0, 1), project(-1, 1, 1), project(-1, 1, 0), project(-1, 0, 0)));
    p.setBrush(wall.darker(108));
    p.drawPolygon(quad(project(1, 0, 1), project(1, 1, 1), project(1, 1, 0), project(1, 0, 0)));
    p.setBrush(wall);
    p.drawPolygon(quad(project(-1, 0, 0), project(1, 0, 0), project(1, 1, 0), project(-1, 1, 0)));

    // Floor: wooden boards, carpet or tiles.
    const QPolygonF floor = quad(project(-1, 0, 0), project(1, 0, 0), project(1, 0, 1), project(-1, 0, 1));
    QColor floorColour = floorStyle == 0   ? pal.wood
                         : floorStyle == 1 ? mix(pal.wall, QColor(0x30, 0x30, 0x38), 0.5)
                                           : QColor(0xB0, 0xB4, 0xB8);
    p.setBrush(floorColour);
    p.drawPolygon(floor);
    p.save();
    p.setClipRegion(QRegion(floor.toPolygon()));
    if (floorStyle == 0) {
        p.setPen(QPen(floorColour.darker(125), 0.7));
        for (int i = -8; i <= 8; ++i)
            p.drawLine(project(i / 8.0, 0, 0), project(i / 8.0, 0, 1));
    } else if (floorStyle == 2) {
        p.setPen(QPen(floorColour.darker(120), 0.7));
        for (int i = -5; i <= 5; ++i)
            p.drawLine(project(i / 5.0, 0, 0), project(i / 5.0, 0, 1));
        for (int j = 0; j <= 6; ++j)
            p.drawLine(project(-1, 0, j / 6.0), project(1, 0, j / 6.0));
    } else {
        // A rug in front of the furniture.
        p.setBrush(mix(pal.accent, floorColour, 0.55));
        p.setPen(Qt::NoPen);
        const qreal w = rnd.uniform(0.45, 0.7);
        p.drawPolygon(quad(project(-w, 0, 0.35), project(w, 0, 0.35), project(w, 0, 0.8), project(-w, 0, 0.8)));
    }
    p.restore();
    // Skirting along the back wall.
    p.setPen(QPen(wall.lighter(140), 1.0));
    p.drawLine(project(-1, 0.02, 0), project(1, 0.02, 0));
}

void drawWindow(QPainter &p, int position, int sky, bool bigWindow)
{
    // Day, dusk or night outside.
    static const QColor skyTop[] = {QColor(0x64, 0xB5, 0xF6), QColor(0xFF, 0x8A, 0x65), QColor(0x1A, 0x23, 0x7E)};
    static const QColor skyLow[] = {QColor(0xE3, 0xF2, 0xFD), QColor(0xFF, 0xE0, 0x82), QColor(0x3F, 0x51, 0xB5)};
    QPolygonF pane;
    if (position == 2) {
        // On the right wall.
        pane = quad(project(1, 0.3, 0.15), project(1, 0.3, 0.6), project(1, 0.85, 0.6), project(1, 0.85, 0.15));
    } else {
        const qreal x0 = bigWindow ? -0.8 : (position == 0 ? -0.8 : 0.3);
        const qreal x1 = bigWindow ? 0.8 : x0 + 0.5;
        pane = quad(project(x0, 0.35, 0), project(x1, 0.35, 0), project(x1, 0.88, 0), project(x0, 0.88, 0));
    }
    const QRectF r = pane.boundingRect();
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, skyTop[sky]);
    g.setColorAt(1, skyLow[sky]);
    p.setPen(QPen(QColor(0xEC, 0xEF, 0xF1), 1.6));
    p.setBrush(g);
    p.drawPolygon(pane);
    p.save();
    p.setClipRegion(QRegion(pane.toPolygon()));
    p.setPen(Qt::NoPen);
    if (sky == 2) {
        p.setBrush(QColor(0xFF, 0xF9, 0xC4));
        p.drawEllipse(QPointF(r.right() - r.width() * 0.25, r.top() + r.height() * 0.3), 3.5, 3.5);
    } else {
        p.setBrush(sky == 0 ? QColor(0xFF, 0xEE, 0x58) : QColor(0xFF, 0x70, 0x43));
        p.drawEllipse(QPointF(r.left() + r.width() * 0.3, r.bottom() - r.height() * (sky == 0 ? 0.7 : 0.25)), 4, 4);
    }
    // City skyline.
    p.setBrush(sky == 2 ? QColor(0x0D, 0x14, 0x3C) : withAlpha(QColor(0x45, 0x5A, 0x64), 200));
    for (int i = 0; i < 8; ++i) {
        const qreal bw = r.width() / 8;
        const qreal bh = r.height() * (0.15 + 0.1 * ((i * 7) % 4));
        p.drawRect(QRectF(r.left() + i * bw, r.bottom() - bh, bw * 0.85, bh));
    }
    p.restore();
    // Mullion.
    p.setPen(QPen(QColor(0xEC, 0xEF, 0xF1), 1.0));
    p.drawLine((pane[0] + pane[1]) / 2, (pane[2] + pane[3]) / 2);
}

void drawPicture(QPainter &p, qreal x0, qreal x1, qreal y0, qreal y1, const QColor &tone)
{
    const QPolygonF frame = quad(project(x0, y0, 0), project(x1, y0, 0), project(x1, y1, 0), project(x0, y1, 0));
    p.setPen(QPen(QColor(0x3E, 0x27, 0x23), 1.2));
    p.setBrush(mix(tone, kWhite, 0.6));
    p.drawPolygon(frame);
    const QRectF r = frame.boundingRect().adjusted(2, 2, -2, -2);
    p.setPen(Qt::NoPen);
    p.setBrush(tone);
    p.drawPolygon(QPolygonF({r.bottomLeft(), QPointF(r.left() + r.width() * 0.45, r.top() + r.height() * 0.2),
                             QPointF(r.left() + r.width() * 0.7, r.top() + r.height() * 0.6), r.bottomRight()}));
}

void ceilingLamp(QPainter &p, qreal x, qreal z, const QColor &light)
{
    const QPointF c = project(x, 0.97, z);
    glow(p, c + QPointF(0, 6), 28, withAlpha(light, 110));
    p.setPen(Qt::NoPen);
    p.setBrush(light);
    p.drawEllipse(c, 7 * (0.6 + z * 0.4), 2.2);
}

void tableLamp(QPainter &p, qreal x, qreal y, qreal z, const QColor &light)
{
    const QPointF base = project(x, y, z);
    glow(p, base + QPointF(0, -8), 16, withAlpha(light, 130));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x5D, 0x40, 0x37));
    p.drawRect(QRectF(base.x() - 1, base.y() - 6, 2, 6));
    p.setBrush(mix(light, kWhite, 0.4));
    p.drawPolygon(QPolygonF({{base.x() - 3, base.y() - 6},
                             {base.x() + 3, base.y() - 6},
                             {base.x() + 2, base.y() - 11},
                             {base.x() - 2, base.y() - 11}}));
}

void plant(QPainter &p, qreal x, qreal z, qreal height)
{
    const QPointF base = project(x, 0, z);
    const qreal k = 1.0 / (1.0 + 0.875 * (1.0 - z));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xD7, 0xCC, 0xC8));
    p.drawPolygon(QPolygonF({{base.x() - 6 * k, base.y() - 12 * k},
                             {base.x() + 6 * k, base.y() - 12 * k},
                             {base.x() + 4 * k, base.y()},
                             {base.x() - 4 * k, base.y()}}));
    p.setBrush(QColor(0x43, 0xA0, 0x47));
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.translate(base.x(), base.y() - 12 * k);
        p.rotate(-60 + i * 30);
        p.drawEllipse(QRectF(-3 * k, -height * k, 6 * k, height * k));
        p.restore();
    }
}

void furnish(QPainter &p, int type, const Palette &pal, int variant, Random &rnd)
{
    QVector<Box> boxes;
    const QColor wood = pal.wood;
    const QColor fabric = pal.accent;
    const QColor white(0xEC, 0xEF, 0xF1);
    switch (type) {
    case DoubleBedroom:
        boxes << Box{-0.5, 0.5, 0, 0.42, 0, 0.04, wood.darker(115)} // headboard
              << Box{-0.45, 0.45, 0, 0.18, 0.04, 0.62, white}       // mattress
              << Box{-0.45, 0.45, 0.18, 0.2, 0.3, 0.62, fabric}     // throw
              << Box{-0.42, -0.05, 0.18, 0.24, 0.06, 0.16, white.darker(106)}
              << Box{0.05, 0.42, 0.18, 0.24, 0.06, 0.16, white.darker(106)} // pillows
              << Box{-0.78, -0.58, 0, 0.2, 0.02, 0.16, wood}
              << Box{0.58, 0.78, 0, 0.2, 0.02, 0.16, wood}; // night stands
        break;
    case TwinBedroom:
        for (qreal x0 : {-0.75, 0.2})
            boxes << Box{x0, x0 + 0.55, 0, 0.34, 0, 0.04, wood.darker(115)}
                  << Box{x0 + 0.03, x0 + 0.52, 0, 0.18, 0.04, 0.65, white}
                  << Box{x0 + 0.03, x0 + 0.52, 0.18, 0.2, 0.35, 0.65, fabric}
                  << Box{x0 + 0.08, x0 + 0.47, 0.18, 0.24, 0.06, 0.15, white.darker(106)};
        boxes << Box{-0.14, 0.14, 0, 0.2, 0.02, 0.15, wood};
        break;
    case Lounge:
        boxes << Box{-0.6, 0.6, 0, 0.36, 0.02, 0.2, fabric.darker(110)} // sofa back
              << Box{-0.6, 0.6, 0, 0.18, 0.2, 0.38, fabric}             // seat
              << Box{-0.68, -0.6, 0, 0.26, 0.02, 0.38, fabric.darker(120)}
              << Box{0.6, 0.68, 0, 0.26, 0.02, 0.38, fabric.darker(120)}  // arms
              << Box{-0.35, 0.35, 0, 0.12, 0.5, 0.7, wood}                // coffee table
              << Box{0.7, 0.98, 0, 0.26, 0.55, 0.85, fabric.darker(130)}; // armchair
        break;
    case Study:
        boxes << Box{-0.9, -0.45, 0, 0.85, 0.0, 0.15, wood.darker(110)} // bookshelf
              << Box{-0.2, 0.7, 0.3, 0.34, 0.02, 0.32, wood}            // desk top
              << Box{-0.18, -0.12, 0, 0.3, 0.04, 0.3, wood.darker(120)}
              << Box{0.62, 0.68, 0, 0.3, 0.04, 0.3, wood.darker(120)}
              << Box{0.1, 0.45, 0.34, 0.58, 0.05, 0.07, QColor(0x26, 0x32, 0x38)} // monitor
              << Box{0.15, 0.4, 0.2, 0.24, 0.4, 0.56, QColor(0x42, 0x42, 0x42)}   // chair seat
              << Box{0.15, 0.4, 0.24, 0.46, 0.56, 0.6, QColor(0x42, 0x42, 0x42)}  // chair back
              << Box{0.26, 0.3, 0, 0.2, 0.46, 0.5, kSteel};
        break;
    case Meeting:
        boxes << Box{-0.5, 0.5, 0.42, 0.8, 0, 0.01, QColor(0x1E, 0x88, 0xE5)}; // projection screen
        for (int i = 0; i < 3; ++i) {
            const qreal z = 0.24 + i * 0.2;
            const QColor seat(0x37, 0x47, 0x4F);
            boxes << Box{-0.66, -0.5, 0.14, 0.18, z, z + 0.1, seat} << Box{-0.7, -0.66, 0.14, 0.4, z, z + 0.1, seat}
                  << Box{0.5, 0.66, 0.14, 0.18, z, z + 0.1, seat} << Box{0.66, 0.7, 0.14, 0.4, z, z + 0.1, seat};
        }
        boxes << Box{-0.42, 0.42, 0.26, 0.3, 0.2, 0.8, wood} << Box{-0.06, 0.06, 0, 0.26, 0.45, 0.55, kSteel};
        break;
    case Bathroom:
        boxes << Box{-0.95, -0.15, 0, 0.3, 0.02, 0.45, white}                   // tub
              << Box{0.25, 0.85, 0, 0.36, 0.0, 0.18, wood}                      // vanity
              << Box{0.4, 0.7, 0.36, 0.4, 0.03, 0.15, white}                    // basin
              << Box{0.28, 0.82, 0.46, 0.82, 0, 0.01, QColor(0xB3, 0xE5, 0xFC)} // mirror
              << Box{0.53, 0.57, 0.4, 0.47, 0.01, 0.05, kSteel};                // tap
        break;
    case Dining:
        for (qreal x : {-0.5, 0.5}) {
            boxes << Box{x - 0.08, x + 0.08, 0, 0.3, 0.32, 0.42, QColor(0x5D, 0x40, 0x37)}
                  << Box{x - 0.25, x + 0.25, 0.3, 0.33, 0.22, 0.52, white}
                  << Box{x - 0.38, x - 0.28, 0, 0.34, 0.3, 0.42, wood}
                  << Box{x + 0.28, x + 0.38, 0, 0.34, 0.3, 0.42, wood};
        }
        break;
    default:                                                 // Lobby
        boxes << Box{-0.55, 0.55, 0, 0.34, 0.25, 0.38, wood} // reception desk
              << Box{-0.6, 0.6, 0.34, 0.37, 0.22, 0.4, QColor(0xEC, 0xEF, 0xF1)};
        break;
    }
    std::stable_sort(boxes.begin(), boxes.end(), [](const Box &a, const Box &b) { return a.z1 < b.z1; });
    for (const Box &b : boxes)
        drawBox(p, b);

    if (type == Bathroom) {
        // Water in the tub, its tap and a towel on the side wall.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x4F, 0xC3, 0xF7));
        p.drawPolygon(
            quad(project(-0.9, 0.3, 0.07), project(-0.2, 0.3, 0.07), project(-0.2, 0.3, 0.4), project(-0.9, 0.3, 0.4)));
        p.setBrush(kWhite);
        for (int i = 0; i < 5; ++i)
            p.drawEllipse(project(-0.8 + i * 0.13, 0.3, 0.15 + (i % 3) * 0.08), 2.5, 1.2);
        p.setBrush(kSteel);
        p.drawRect(QRectF(project(-0.57, 0.45, 0.02), project(-0.53, 0.3, 0.02)));
        p.setBrush(pal.accent);
        p.drawPolygon(
            quad(project(1, 0.35, 0.55), project(1, 0.35, 0.7), project(1, 0.65, 0.7), project(1, 0.65, 0.55)));
    }
    if (type == Lobby) {
        // A bell on the counter and the sign on its front.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xFF, 0xC1, 0x07));
        const QPointF bell = project(0.3, 0.37, 0.3);
        p.drawChord(QRectF(bell.x() - 4, bell.y() - 4, 8, 8), 0, 180 * 16);
        p.setPen(kWhite);
        p.setFont(font(8, QFont::Bold));
        p.drawText(QRectF(project(-0.5, 0.3, 0.38), project(0.5, 0.05, 0.38)), Qt::AlignCenter,
                   QStringLiteral("RECEPTION"));
    }
    const QColor lampLight = variant % 2 ? kWarm : QColor(0xFF, 0xE0, 0xB2);
    switch (type) {
    case DoubleBedroom:
        tableLamp(p, -0.68, 0.2, 0.1, lampLight);
        tableLamp(p, 0.68, 0.2, 0.1, lampLight);
        break;
    case TwinBedroom:
        tableLamp(p, 0, 0.2, 0.08, lampLight);
        break;
    case Lounge:
        plant(p, -0.88, 0.3, 18 + rnd.uniform(0, 6));
        break;
    case Study:
        tableLamp(p, 0.58, 0.34, 0.15, lampLight);
        break;
    case Dining:
    case Lobby:
        plant(p, -0.9, 0.55, 20);
        plant(p, 0.9, 0.55, 20);
        break;
    default:
        break;
    }
}

QImage roomPicture(int index)
{
    Random rnd(quint32(index) + 101);
    const int type = index % RoomTypes;
    const int variant = index / RoomTypes;
    // Seven variants of each kind: the palette runs through the list for a kind, the floor and the sky change with
    // the variant as well.
    const Palette &pal = kPalettes[(variant * 2 + type) % 9];
    const int floorStyle = type == Bathroom ? 2 : type == Meeting || type == Study ? 1 : (variant + type) % 3;
    const int sky = (variant + type / 2) % 3;

    QImage image = canvas(kWidth, kHeight, kBackground);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kWidth / 300.0, kHeight / 160.0);
    drawShell(p, pal, floorStyle, rnd);

    // Wall dressing differs by type and variant, so no two rooms look alike.
    const int windowPosition = (type == Lobby || type == Dining) ? 1 : (variant + type) % 3;
    const bool bigWindow = type == Lobby || type == Dining || (type == Lounge && variant % 2 == 0);
    if (type != Meeting && type != Bathroom)
        drawWindow(p, windowPosition, sky, bigWindow);
    if (type == Bathroom) {
        p.setPen(QPen(pal.wall.lighter(125), 0.6));
        for (int i = 1; i < 8; ++i)
            p.drawLine(project(-1, i / 8.0, 0), project(1, i / 8.0, 0));
    }
    if (!bigWindow && type != Bathroom && type != Meeting && windowPosition == 2)
        drawPicture(p, -0.45, 0.05, 0.55, 0.85, pal.accent.darker(150));
    else if (!bigWindow && (type == DoubleBedroom || type == TwinBedroom || type == Study) && windowPosition == 0)
        drawPicture(p, 0.4, 0.8, 0.55, 0.82, pal.wall.lighter(160));

    furnish(p, type, pal, variant, rnd);

    const QColor light = sky == 2 ? kWarm : QColor(0xFF, 0xF3, 0xE0);
    if (type == Dining || type == Meeting || type == Lobby) {
        ceilingLamp(p, -0.5, 0.45, light);
        ceilingLamp(p, 0.5, 0.45, light);
    } else {
        ceilingLamp(p, 0, 0.5, light);
    }

    // Darken the top-left corner a little so the tile's name stays legible over the picture.
    QLinearGradient shade(0, 0, 0, 60);
    shade.setColorAt(0, withAlpha(Qt::black, 90));
    shade.setColorAt(1, withAlpha(Qt::black, 0));
    p.fillRect(QRectF(0, 0, 300, 60), shade);
    return image;
}

} // namespace

void drawRooms(ResourceWriter &out)
{
    for (int i = 0; i < kCount; ++i)
        out.addImage(QStringLiteral("rooms"), QStringLiteral("myImages/jpg/room/room_%1.jpg").arg(i + 1),
                     roomPicture(i));
}

} // namespace roompictures
