#include "viewpictures.h"

#include "artkit.h"
#include "resourcewriter.h"

#include <QLinearGradient>
#include <QVector>
#include <QtMath>

#include <algorithm>

using namespace art;

namespace viewpictures {

namespace {

// Plan units: x to the right-down, y to the left-down, z up; one unit is about half a metre.
struct Iso
{
    QPointF origin;
    qreal scale;

    QPointF operator()(qreal x, qreal y, qreal z) const
    {
        return QPointF(origin.x() + (x - y) * 0.866 * scale, origin.y() + (x + y) * 0.5 * scale - z * scale);
    }
};

struct Block
{
    qreal x, y, z, w, d, h;
    QColor colour;
};

void drawBlock(QPainter &p, const Iso &iso, const Block &b)
{
    const qreal x1 = b.x + b.w;
    const qreal y1 = b.y + b.d;
    const qreal z1 = b.z + b.h;
    p.setPen(QPen(withAlpha(Qt::black, 70), 1));
    p.setBrush(b.colour.darker(125));
    p.drawPolygon(QPolygonF({iso(b.x, y1, b.z), iso(x1, y1, b.z), iso(x1, y1, z1), iso(b.x, y1, z1)}));
    p.setBrush(b.colour.darker(150));
    p.drawPolygon(QPolygonF({iso(x1, b.y, b.z), iso(x1, y1, b.z), iso(x1, y1, z1), iso(x1, b.y, z1)}));
    p.setBrush(b.colour);
    p.drawPolygon(QPolygonF({iso(b.x, b.y, z1), iso(x1, b.y, z1), iso(x1, y1, z1), iso(b.x, y1, z1)}));
}

const QColor kWood(0xA1, 0x88, 0x66);
const QColor kDarkWood(0x6D, 0x4C, 0x41);
const QColor kLinen(0xEC, 0xEF, 0xF1);
const QColor kTile(0xB0, 0xBE, 0xC5);
const QColor kWater(0x81, 0xD4, 0xFA);
const QColor kSteel(0x78, 0x90, 0x9C);

void bed(QVector<Block> &b, qreal x, qreal y, qreal width, const QColor &cover)
{
    b << Block{x, y, 0, width, 0.4, 2.2, kDarkWood} << Block{x, y + 0.4, 0, width, 4, 1.1, kLinen}
      << Block{x, y + 2.2, 1.1, width, 2.2, 0.15, cover} << Block{x + 0.2, y + 0.6, 1.1, width - 0.4, 1, 0.35, kLinen};
}

void bathroom(QVector<Block> &b, qreal x, qreal y, qreal w, qreal d)
{
    b << Block{x, y, 0, w, d, 0.05, kTile} << Block{x + 0.2, y + 0.2, 0, 1.8, 3.8, 1.2, kLinen}
      << Block{x + 0.45, y + 0.45, 0.6, 1.3, 3.3, 0.62, kWater} << Block{x + w - 1.8, y + 0.2, 0, 1.6, 1.4, 1.7, kWood}
      << Block{x + w - 1.5, y + 0.4, 1.7, 1, 0.9, 0.2, kLinen};
}

void table(QVector<Block> &b, qreal x, qreal y, qreal w, qreal d, const QColor &c)
{
    b << Block{x, y, 1.4, w, d, 0.2, c} << Block{x + w / 2 - 0.2, y + d / 2 - 0.2, 0, 0.4, 0.4, 1.4, kSteel};
}

void chairs(QVector<Block> &b, qreal x, qreal y, qreal w, qreal d, const QColor &c)
{
    for (qreal cx = x + 0.4; cx + 0.9 <= x + w; cx += 1.6)
        b << Block{cx, y - 1.1, 0, 0.9, 0.9, 0.9, c} << Block{cx, y + d + 0.2, 0, 0.9, 0.9, 0.9, c};
}

struct Layout
{
    qreal width, depth;
    QColor floor, wall;
    QVector<Block> blocks;
    QVector<QLineF> partitions; // interior walls on the plan
};

Layout layout(int index)
{
    Layout l;
    QVector<Block> &b = l.blocks;
    switch (index) {
    case 0: // single room
        l = {12, 10, kWood, QColor(0x90, 0xA4, 0xAE), {}, {}};
        bed(b, 3.5, 0, 3, QColor(0x42, 0xA5, 0xF5));
        b << Block{1.2, 0, 0, 1.6, 1.2, 1.3, kDarkWood} << Block{8, 0, 0, 3.6, 1.2, 4, kDarkWood}
          << Block{0, 6, 0, 1.4, 3.5, 1.6, kWood} << Block{1.8, 7, 0, 1, 1, 1, kSteel};
        break;
    case 1: // double room with bathroom
        l = {14, 11, QColor(0x8D, 0x6E, 0x63), QColor(0xB0, 0xBE, 0xC5), {}, {QLineF(9, 0, 9, 5)}};
        bathroom(b, 9.2, 0, 4.8, 5);
        bed(b, 2.5, 0, 4.6, QColor(0xEF, 0x53, 0x50));
        b << Block{0.7, 0, 0, 1.4, 1.2, 1.3, kDarkWood} << Block{7.4, 0, 0, 1.4, 1.2, 1.3, kDarkWood}
          << Block{0, 6.5, 0, 1.2, 4, 1.8, kDarkWood} << Block{9.5, 7, 0, 4, 1.8, 1.2, QColor(0x5C, 0x6B, 0xC0)};
        break;
    case 2: // twin room
        l = {14, 10, QColor(0x79, 0x86, 0x6B), QColor(0xA5, 0xB7, 0x9F), {}, {}};
        bed(b, 1.5, 0, 3, QColor(0x66, 0xBB, 0x6A));
        bed(b, 7, 0, 3, QColor(0x66, 0xBB, 0x6A));
        b << Block{4.9, 0, 0, 1.6, 1.2, 1.3, kDarkWood} << Block{11, 0, 0, 2.8, 1.2, 4, kDarkWood}
          << Block{0, 6.5, 0, 1.2, 3.2, 1.6, kWood};
        break;
    case 3: // suite: bedroom and living room
        l = {18, 11, kWood, QColor(0xBC, 0xAA, 0xA4), {}, {QLineF(8.5, 0, 8.5, 7.5)}};
        bed(b, 2, 0, 4.6, QColor(0xAB, 0x47, 0xBC));
        b << Block{0.4, 0, 0, 1.3, 1.2, 1.3, kDarkWood} << Block{6.9, 0, 0, 1.3, 1.2, 1.3, kDarkWood}
          << Block{10, 0, 0, 6, 1.6, 1.5, QColor(0x7E, 0x57, 0xC2)}
          << Block{10, 1.6, 0, 6, 1.2, 0.8, QColor(0x95, 0x75, 0xCD)} << Block{11.5, 4, 0, 3, 1.8, 0.8, kDarkWood}
          << Block{17, 5, 0, 1, 3, 2.2, QColor(0x26, 0x32, 0x38)};
        break;
    case 4: // studio with kitchenette
        l = {16, 10, QColor(0x9E, 0x9E, 0x9E), QColor(0xCF, 0xD8, 0xDC), {}, {}};
        bed(b, 1, 0, 4.2, QColor(0xFF, 0xA7, 0x26));
        b << Block{8, 0, 0, 7.5, 1.3, 1.8, kLinen} << Block{8.4, 0.2, 1.8, 1.4, 0.9, 0.1, kSteel}
          << Block{14, 0, 0, 1.5, 1.3, 3.8, kSteel};
        table(b, 9.5, 4.5, 3, 2, kWood);
        chairs(b, 9.5, 4.5, 3, 2, kDarkWood);
        break;
    case 5: // meeting room
        l = {18, 11, QColor(0x54, 0x6E, 0x7A), QColor(0x90, 0xA4, 0xAE), {}, {}};
        table(b, 4, 3.5, 10, 3, kWood);
        chairs(b, 4, 3.5, 10, 3, QColor(0x37, 0x47, 0x4F));
        b << Block{6, 0, 1.5, 6, 0.3, 3, QColor(0x26, 0x32, 0x38)} << Block{0, 2, 0, 1, 6, 1.4, kDarkWood};
        break;
    case 6: // restaurant
        l = {18, 12, QColor(0x6D, 0x4C, 0x41), QColor(0xD7, 0xCC, 0xC8), {}, {}};
        for (int r = 0; r < 2; ++r)
            for (int c = 0; c < 3; ++c) {
                table(b, 2 + c * 5.5, 2.5 + r * 5, 2.4, 2.4, kLinen);
                b << Block{2 + c * 5.5 - 1.2, 3.2 + r * 5, 0, 0.9, 0.9, 0.9, QColor(0xBF, 0x36, 0x0C)}
                  << Block{2 + c * 5.5 + 2.7, 3.2 + r * 5, 0, 0.9, 0.9, 0.9, QColor(0xBF, 0x36, 0x0C)};
            }
        b << Block{0, 0, 0, 8, 1.2, 2.2, kDarkWood};
        break;
    default: // family room: double bed, bunk bed and a lounge corner
        l = {18, 12, QColor(0xA1, 0x88, 0x7F), QColor(0xB3, 0xC8, 0xD8), {}, {QLineF(12, 0, 12, 5.5)}};
        bathroom(b, 12.2, 0, 5.8, 5.5);
        bed(b, 1.5, 0, 4.6, QColor(0x26, 0xA6, 0x9A));
        b << Block{7.5, 0, 0, 2.8, 4.4, 1, kWood} << Block{7.5, 0, 2.4, 2.8, 4.4, 0.3, kWood}
          << Block{7.5, 0.3, 1, 2.8, 3.9, 0.35, QColor(0xFF, 0xCA, 0x28)}
          << Block{7.5, 0.3, 2.7, 2.8, 3.9, 0.35, QColor(0x29, 0xB6, 0xF6)}
          << Block{1, 8, 0, 5, 1.6, 1.4, QColor(0x00, 0x89, 0x7B)} << Block{2.5, 10, 0, 2, 1.4, 0.8, kDarkWood};
        break;
    }
    return l;
}

QImage viewPicture(int index)
{
    QImage image = canvas(kWidth, kHeight, kBackground);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const Layout l = layout(index);
    // Fit the plan into the picture: its extent is (width + depth) * 0.866 across and (width + depth) / 2 tall.
    const qreal scale =
        qMin((kWidth - 80) / ((l.width + l.depth) * 0.866), (kHeight - 60) / ((l.width + l.depth) * 0.5 + 4));
    const qreal planWidth = (l.width + l.depth) * 0.866 * scale;
    const Iso iso{QPointF((kWidth - planWidth) / 2 + l.depth * 0.866 * scale, 30 + 4 * scale), scale};
    const qreal wallHeight = 3.2;
    const qreal wall = 0.35;

    // Shadow, floor slab and the two cut-away outer walls at the back.
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(Qt::black, 70));
    p.drawPolygon(QPolygonF({iso(0.6, 0.6, -0.9), iso(l.width + 0.6, 0.6, -0.9),
                             iso(l.width + 0.6, l.depth + 0.6, -0.9), iso(0.6, l.depth + 0.6, -0.9)}));
    drawBlock(p, iso, Block{-wall, -wall, -0.5, l.width + wall, l.depth + wall, 0.5, kCard.lighter(140)});
    p.setPen(Qt::NoPen);
    p.setBrush(l.floor);
    p.drawPolygon(QPolygonF({iso(0, 0, 0), iso(l.width, 0, 0), iso(l.width, l.depth, 0), iso(0, l.depth, 0)}));
    p.setPen(QPen(l.floor.darker(115), 1));
    for (qreal x = 1; x < l.width; x += 1)
        p.drawLine(iso(x, 0, 0), iso(x, l.depth, 0));
    drawBlock(p, iso, Block{-wall, -wall, 0, wall, l.depth + wall, wallHeight, l.wall});
    drawBlock(p, iso, Block{0, -wall, 0, l.width, wall, wallHeight, l.wall});

    // Windows on the back walls.
    p.setPen(QPen(kLinen, 2));
    QLinearGradient glass(iso(0, 0, wallHeight), iso(0, 0, 0.8));
    glass.setColorAt(0, QColor(0x64, 0xB5, 0xF6));
    glass.setColorAt(1, QColor(0xE3, 0xF2, 0xFD));
    p.setBrush(glass);
    for (qreal x = 2; x + 3 < l.width; x += l.width / 2.5)
        p.drawPolygon(QPolygonF({iso(x, 0, 1), iso(x + 2.5, 0, 1), iso(x + 2.5, 0, 2.7), iso(x, 0, 2.7)}));

    QVector<Block> blocks = l.blocks;
    for (const QLineF &w : l.partitions) {
        const qreal x0 = qMin(w.x1(), w.x2());
        const qreal y0 = qMin(w.y1(), w.y2());
        blocks << Block{x0 - wall / 2, y0, 0, qMax(wall, qAbs(w.dx())), qMax(wall, qAbs(w.dy())), wallHeight, l.wall};
    }
    // Painter's order: blocks farther back (smaller x + y of their front corner) first, flat ones before raised.
    std::stable_sort(blocks.begin(), blocks.end(), [](const Block &a, const Block &c) {
        const int flatA = a.h < 0.1 ? 0 : 1;
        const int flatC = c.h < 0.1 ? 0 : 1;
        if (flatA != flatC)
            return flatA < flatC;
        const qreal ka = a.x + a.w + a.y + a.d;
        const qreal kc = c.x + c.w + c.y + c.d;
        return ka < kc || (ka == kc && a.z < c.z);
    });
    for (const Block &b : blocks)
        drawBlock(p, iso, b);
    return image;
}

} // namespace

void drawViews(ResourceWriter &out)
{
    for (int i = 0; i < kCount; ++i)
        out.addImage(QStringLiteral("views3d"),
                     QStringLiteral("myImages/png/3d_view/3d_view_%1.png").arg(i + 1, 2, 10, QLatin1Char('0')),
                     viewPicture(i));
}

} // namespace viewpictures
