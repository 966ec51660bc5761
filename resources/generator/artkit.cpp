#include "artkit.h"

#include <QRadialGradient>
#include <QtMath>

namespace art {

QImage canvas(int width, int height, const QColor &fill)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

QColor mix(const QColor &a, const QColor &b, qreal t)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t, a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

QColor withAlpha(const QColor &c, int alpha)
{
    QColor out = c;
    out.setAlpha(alpha);
    return out;
}

QPen stroke(const QColor &c, qreal width)
{
    QPen pen(c, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

QFont font(qreal pixelSize, int weight)
{
    QFont f(QStringLiteral("Roboto"));
    f.setPixelSize(qMax(1, qRound(pixelSize)));
    f.setWeight(weight);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

quint32 Random::next()
{
    // xorshift32: tiny, fast and the same on every machine.
    m_state ^= m_state << 13;
    m_state ^= m_state >> 17;
    m_state ^= m_state << 5;
    return m_state;
}

qreal Random::uniform(qreal low, qreal high)
{
    return low + (high - low) * (next() % 100000) / 100000.0;
}

int Random::below(int n)
{
    return n <= 0 ? 0 : int(next() % quint32(n));
}

void glow(QPainter &p, const QPointF &centre, qreal radius, const QColor &c)
{
    QRadialGradient g(centre, radius);
    g.setColorAt(0.0, c);
    g.setColorAt(0.45, withAlpha(c, c.alpha() * 2 / 5));
    g.setColorAt(1.0, withAlpha(c, 0));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, radius, radius);
    p.restore();
}

void gear(QPainter &p, const QPointF &centre, qreal outer, qreal inner, int teeth)
{
    QPainterPath path;
    const int steps = teeth * 4;
    for (int i = 0; i <= steps; ++i) {
        const qreal a = 2 * M_PI * i / steps;
        const qreal r = (i % 4 == 0 || i % 4 == 1) ? outer : outer * 0.78;
        const QPointF pt(centre.x() + r * qCos(a), centre.y() + r * qSin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    path.addEllipse(centre, inner, inner);
    path.setFillRule(Qt::OddEvenFill);
    p.drawPath(path);
}

QPainterPath cloudPath(const QRectF &b)
{
    QPainterPath path;
    const qreal w = b.width();
    const qreal h = b.height();
    path.addEllipse(QRectF(b.left(), b.top() + h * 0.40, w * 0.42, h * 0.60));
    path.addEllipse(QRectF(b.left() + w * 0.20, b.top(), w * 0.50, h * 0.80));
    path.addEllipse(QRectF(b.left() + w * 0.52, b.top() + h * 0.25, w * 0.48, h * 0.75));
    path.addRect(QRectF(b.left() + w * 0.2, b.top() + h * 0.6, w * 0.6, h * 0.4));
    // Union of the puffs: only the outline is stroked.
    path.setFillRule(Qt::WindingFill);
    return path.simplified();
}

QPainterPath heartPath(const QRectF &b)
{
    QPainterPath path;
    const qreal w = b.width();
    const qreal h = b.height();
    path.moveTo(b.left() + w / 2, b.bottom());
    path.cubicTo(b.left() - w * 0.05, b.top() + h * 0.55, b.left() + w * 0.05, b.top() - h * 0.1, b.left() + w / 2,
                 b.top() + h * 0.25);
    path.cubicTo(b.right() - w * 0.05, b.top() - h * 0.1, b.right() + w * 0.05, b.top() + h * 0.55, b.left() + w / 2,
                 b.bottom());
    return path;
}

QPainterPath starPath(const QPointF &c, qreal outer, qreal inner, int points)
{
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const qreal a = -M_PI / 2 + M_PI * i / points;
        const qreal r = (i % 2 == 0) ? outer : inner;
        const QPointF pt(c.x() + r * qCos(a), c.y() + r * qSin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

void arrow(QPainter &p, const QPointF &from, const QPointF &to, qreal head)
{
    p.drawLine(from, to);
    const qreal a = qAtan2(to.y() - from.y(), to.x() - from.x());
    p.drawLine(to, QPointF(to.x() - head * qCos(a - M_PI / 4), to.y() - head * qSin(a - M_PI / 4)));
    p.drawLine(to, QPointF(to.x() - head * qCos(a + M_PI / 4), to.y() - head * qSin(a + M_PI / 4)));
}

} // namespace art
