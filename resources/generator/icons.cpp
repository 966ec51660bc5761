#include "icons.h"

#include "artkit.h"
#include "resourcewriter.h"

#include <QLinearGradient>
#include <QtMath>

#include <functional>

using namespace art;

namespace icons {

namespace {

using Drawing = std::function<void(QPainter &)>;

// Draws on a 24 x 24 grid scaled to size x size pixels.
QImage icon(int size, const Drawing &draw)
{
    QImage image = canvas(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 24.0, size / 24.0);
    p.setPen(stroke(kWhite, 2));
    p.setBrush(Qt::NoBrush);
    draw(p);
    return image;
}

void house(QPainter &p)
{
    p.drawPolyline(QPolygonF({{3, 11.5}, {12, 3.5}, {21, 11.5}}));
    p.drawPolyline(QPolygonF({{5.5, 9.5}, {5.5, 20.5}, {18.5, 20.5}, {18.5, 9.5}}));
    p.drawRect(QRectF(10, 14, 4, 6.5));
}

void bell(QPainter &p)
{
    QPainterPath b;
    b.moveTo(5, 17);
    b.cubicTo(6.5, 15, 6.5, 13, 6.5, 10.5);
    b.cubicTo(6.5, 7, 9, 4.5, 12, 4.5);
    b.cubicTo(15, 4.5, 17.5, 7, 17.5, 10.5);
    b.cubicTo(17.5, 13, 17.5, 15, 19, 17);
    b.closeSubpath();
    p.drawPath(b);
    p.drawArc(QRectF(10, 17.5, 4, 3.5), 180 * 16, 180 * 16);
    p.drawLine(QPointF(12, 2.5), QPointF(12, 4.5));
}

void bulb(QPainter &p)
{
    QPainterPath b;
    b.moveTo(9, 16);
    b.cubicTo(9, 13.5, 6, 12, 6, 8.5);
    b.cubicTo(6, 5, 8.7, 2.5, 12, 2.5);
    b.cubicTo(15.3, 2.5, 18, 5, 18, 8.5);
    b.cubicTo(18, 12, 15, 13.5, 15, 16);
    b.closeSubpath();
    p.drawPath(b);
    p.drawLine(QPointF(9.5, 18.5), QPointF(14.5, 18.5));
    p.drawLine(QPointF(10.5, 21), QPointF(13.5, 21));
}

void person(QPainter &p)
{
    p.drawEllipse(QPointF(12, 7), 3.5, 3.5);
    QPainterPath body;
    body.moveTo(4.5, 21);
    body.cubicTo(4.5, 15.5, 8, 13.5, 12, 13.5);
    body.cubicTo(16, 13.5, 19.5, 15.5, 19.5, 21);
    p.drawPath(body);
}

void questionMark(QPainter &p, const QPointF &c, qreal scale)
{
    p.save();
    p.translate(c);
    p.scale(scale, scale);
    QPainterPath q;
    q.moveTo(-3, -3);
    q.cubicTo(-3, -6.5, 3, -6.5, 3, -3);
    q.cubicTo(3, -0.5, 0, -0.5, 0, 2);
    p.drawPath(q);
    p.drawPoint(QPointF(0, 5.2));
    p.restore();
}

void powerSymbol(QPainter &p, const QPointF &c, qreal r)
{
    p.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 60 * 16, -300 * 16);
    p.drawLine(QPointF(c.x(), c.y() - r - 1.5), QPointF(c.x(), c.y() - r * 0.15));
}

void fan(QPainter &p, const QPointF &c, qreal r, const QColor &colour)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(c);
        p.rotate(120 * i);
        QPainterPath blade;
        blade.moveTo(0, 0);
        blade.cubicTo(r * 0.2, -r * 0.6, r * 0.9, -r * 0.95, r * 0.35, -r);
        blade.cubicTo(-r * 0.15, -r * 1.02, -r * 0.35, -r * 0.5, 0, 0);
        p.drawPath(blade);
        p.restore();
    }
    p.setBrush(kCard);
    p.setPen(stroke(colour, r * 0.12));
    p.drawEllipse(c, r * 0.18, r * 0.18);
    p.restore();
}

void snowflake(QPainter &p, const QPointF &c, qreal r)
{
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(c);
        p.rotate(60 * i);
        p.drawLine(QPointF(0, -r), QPointF(0, r));
        for (int s : {-1, 1}) {
            p.drawLine(QPointF(0, s * r * 0.6), QPointF(r * 0.28, s * r * 0.85));
            p.drawLine(QPointF(0, s * r * 0.6), QPointF(-r * 0.28, s * r * 0.85));
        }
        p.restore();
    }
}

void sun(QPainter &p, const QPointF &c, qreal r, int rays)
{
    p.drawEllipse(c, r, r);
    for (int i = 0; i < rays; ++i) {
        const qreal a = 2 * M_PI * i / rays;
        p.drawLine(QPointF(c.x() + qCos(a) * r * 1.6, c.y() + qSin(a) * r * 1.6),
                   QPointF(c.x() + qCos(a) * r * 2.2, c.y() + qSin(a) * r * 2.2));
    }
}

void picture(QPainter &p)
{
    p.drawRoundedRect(QRectF(3, 4, 18, 16), 2, 2);
    p.drawPolyline(QPolygonF({{3.5, 17}, {9, 11}, {13, 15}, {15.5, 12.5}, {20.5, 17.5}}));
    p.drawEllipse(QPointF(15.5, 8.5), 1.5, 1.5);
}

void cloudArrow(QPainter &p, bool up)
{
    p.drawPath(cloudPath(QRectF(2, 4, 20, 12)));
    p.setPen(stroke(up ? kGreen : kPrimaryLight, 2.2));
    if (up)
        arrow(p, QPointF(12, 22), QPointF(12, 11), 3.5);
    else
        arrow(p, QPointF(12, 10), QPointF(12, 21.5), 3.5);
}

// The "All" switch: a wide pill track with a round knob (64 x 36 labels, drawn at twice that).
QImage toggle(bool on)
{
    QImage image = canvas(128, 72);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF track(10, 20, 108, 32);
    p.setPen(Qt::NoPen);
    p.setBrush(on ? mix(kPrimary, kCard, 0.2) : mix(kRaised, kMidGrey, 0.4));
    p.drawRoundedRect(track, 16, 16);
    const QPointF knob(on ? 100 : 28, 36);
    p.setBrush(withAlpha(Qt::black, 60));
    p.drawEllipse(knob + QPointF(0, 2), 24, 24);
    p.setBrush(on ? kWhite : kLightGrey);
    p.drawEllipse(knob, 23, 23);
    p.setPen(stroke(on ? kPrimary : kMidGrey, 4));
    if (on)
        p.drawPolyline(QPolygonF({{knob.x() - 9, 36}, {knob.x() - 2, 43}, {knob.x() + 10, 29}}));
    else
        p.drawEllipse(knob, 8, 8);
    return image;
}

QImage checkBox(bool on)
{
    return icon(40, [on](QPainter &p) {
        if (on) {
            p.setPen(Qt::NoPen);
            p.setBrush(kPrimary);
            p.drawRoundedRect(QRectF(3, 3, 18, 18), 3, 3);
            p.setPen(stroke(kWhite, 2.4));
            p.drawPolyline(QPolygonF({{7, 12.5}, {10.5, 16}, {17.5, 8.5}}));
        } else {
            p.setPen(stroke(kLightGrey, 2));
            p.drawRoundedRect(QRectF(4, 4, 16, 16), 2.5, 2.5);
        }
    });
}

QImage stateIcon(const Drawing &symbol, int state)
{
    // state: 0 off, 1 on, 2 unknown.
    const QColor colour = state == 1 ? kGreen : state == 0 ? kMidGrey : kLightGrey;
    return icon(72, [&](QPainter &p) {
        p.setPen(Qt::NoPen);
        p.setBrush(state == 1 ? withAlpha(kGreen, 50) : withAlpha(kWhite, 18));
        p.drawEllipse(QPointF(12, 12), 11.5, 11.5);
        p.setPen(stroke(colour, 1.8));
        if (state == 2) {
            p.setOpacity(0.45);
            symbol(p);
            p.setOpacity(1);
            p.setPen(stroke(kOrange, 2));
            questionMark(p, QPointF(17.5, 17), 0.62);
        } else {
            symbol(p);
        }
    });
}

void add(ResourceWriter &out, const QString &topic, const QString &path, const QImage &image)
{
    out.addImage(topic, QStringLiteral("myImages/png/") + path, image);
}

} // namespace

void drawInterfaceIcons(ResourceWriter &out)
{
    const QString t = QStringLiteral("icons");
    add(out, t, "add_new_room.png", icon(96, [](QPainter &p) {
            p.setPen(stroke(kWhite, 2.6));
            p.drawLine(QPointF(12, 4), QPointF(12, 20));
            p.drawLine(QPointF(4, 12), QPointF(20, 12));
        }));
    add(out, t, "icon-light-disconnected.png", icon(72, [](QPainter &p) {
            p.setPen(stroke(kMidGrey, 1.8));
            bulb(p);
            p.setPen(stroke(kRed, 2.2));
            p.drawLine(QPointF(3.5, 3.5), QPointF(20.5, 20.5));
        }));
    add(out, t, "icon-lighting-brightness.png", icon(48, [](QPainter &p) {
            p.setPen(stroke(kWarm, 1.8));
            sun(p, QPointF(12, 12), 4.2, 8);
        }));
    add(out, t, "icon-navigation-back.png", icon(48, [](QPainter &p) {
            p.drawLine(QPointF(20, 12), QPointF(4.5, 12));
            p.drawPolyline(QPolygonF({{11, 5}, {4, 12}, {11, 19}}));
        }));
    add(out, t, "icon-navigation-bell.png", icon(48, [](QPainter &p) { bell(p); }));
    add(out, t, "icon-navigation-home.png", icon(48, [](QPainter &p) { house(p); }));
    add(out, t, "icon-navigation-rooms.png", icon(48, [](QPainter &p) {
            p.drawRoundedRect(QRectF(3, 3, 7.5, 7.5), 1.5, 1.5);
            p.drawRoundedRect(QRectF(13.5, 3, 7.5, 7.5), 1.5, 1.5);
            p.drawRoundedRect(QRectF(3, 13.5, 7.5, 7.5), 1.5, 1.5);
            p.drawRoundedRect(QRectF(13.5, 13.5, 7.5, 7.5), 1.5, 1.5);
        }));
    add(out, t, "icon-projectsettings-download.png", icon(80, [](QPainter &p) { cloudArrow(p, false); }));
    add(out, t, "icon-projectsettings-upload.png", icon(80, [](QPainter &p) { cloudArrow(p, true); }));
    add(out, t, "icon-remote-settings.png", icon(48, [](QPainter &p) {
            p.setPen(stroke(kWhite, 1.8));
            gear(p, QPointF(12, 12), 9.5, 3.2, 8);
        }));
    add(out, t, "icon-search.png", icon(64, [](QPainter &p) {
            p.drawEllipse(QPointF(10, 10), 6, 6);
            p.setPen(stroke(kWhite, 2.8));
            p.drawLine(QPointF(14.5, 14.5), QPointF(20.5, 20.5));
        }));
    add(out, t, "icon-system-delete.png", icon(80, [](QPainter &p) {
            p.setPen(stroke(kRed, 1.8));
            p.drawLine(QPointF(4, 6.5), QPointF(20, 6.5));
            p.drawPolyline(QPolygonF({{9, 6.5}, {9.5, 3.5}, {14.5, 3.5}, {15, 6.5}}));
            p.drawPolygon(QPolygonF({{6, 6.5}, {7.3, 21}, {16.7, 21}, {18, 6.5}}));
            p.drawLine(QPointF(10, 10), QPointF(10.3, 17.5));
            p.drawLine(QPointF(14, 10), QPointF(13.7, 17.5));
        }));
    add(out, t, "icon-system-edit.png", icon(72, [](QPainter &p) {
            p.save();
            p.translate(12, 12);
            p.rotate(45);
            p.drawRect(QRectF(-2.8, -10, 5.6, 15));
            p.drawPolygon(QPolygonF({{-2.8, 5}, {0, 10}, {2.8, 5}}));
            p.drawLine(QPointF(-2.8, -6.5), QPointF(2.8, -6.5));
            p.restore();
        }));
    add(out, t, "icon-system-log.png", icon(48, [](QPainter &p) {
            p.drawRoundedRect(QRectF(5, 3, 14, 18), 2, 2);
            p.setPen(stroke(kPrimaryLight, 1.6));
            for (qreal y : {8.0, 12.0, 16.0})
                p.drawLine(QPointF(8.5, y), QPointF(15.5, y));
        }));
    add(out, t, "icon-system-save.png", icon(80, [](QPainter &p) {
            p.drawPolygon(QPolygonF({{4, 4}, {17, 4}, {20, 7}, {20, 20}, {4, 20}}));
            p.drawRect(QRectF(8, 4, 7, 5));
            p.setPen(stroke(kGreen, 1.8));
            p.drawRoundedRect(QRectF(7.5, 12.5, 9, 5.5), 1, 1);
        }));
    add(out, t, "icon_checkbox_off.png", toggle(false));
    add(out, t, "icon_checkbox_on.png", toggle(true));
    add(out, t, "icon_checkbox2_off.png", checkBox(false));
    add(out, t, "icon_checkbox2_on.png", checkBox(true));
    add(out, t, "icon_image_add.png", icon(48, [](QPainter &p) {
            p.setPen(stroke(kWhite, 1.7));
            picture(p);
            p.setPen(Qt::NoPen);
            p.setBrush(kGreen);
            p.drawEllipse(QPointF(18.5, 18.5), 5, 5);
            p.setPen(stroke(kCard, 1.8));
            p.drawLine(QPointF(18.5, 15.8), QPointF(18.5, 21.2));
            p.drawLine(QPointF(15.8, 18.5), QPointF(21.2, 18.5));
        }));
    add(out, t, "icon_image_default.png", icon(48, [](QPainter &p) {
            p.setPen(stroke(kWhite, 1.7));
            picture(p);
        }));
    const Drawing masterSymbol = [](QPainter &p) { powerSymbol(p, QPointF(12, 12.8), 6); };
    const Drawing occupantSymbol = [](QPainter &p) {
        p.save();
        p.translate(12, 12.5);
        p.scale(0.72, 0.72);
        p.translate(-12, -12);
        person(p);
        p.restore();
    };
    const char *states[] = {"off", "on", "unknown"};
    for (int s = 0; s < 3; ++s) {
        add(out, t, QStringLiteral("master_%1.png").arg(states[s]), stateIcon(masterSymbol, s));
        add(out, t, QStringLiteral("occupation_%1.png").arg(states[s]), stateIcon(occupantSymbol, s));
    }
    add(out, t, "selected.png", icon(48, [](QPainter &p) {
            p.setPen(Qt::NoPen);
            p.setBrush(kGreen);
            p.drawEllipse(QPointF(12, 12), 10, 10);
            p.setPen(stroke(kCard, 2.4));
            p.drawPolyline(QPolygonF({{7.5, 12.5}, {10.8, 15.8}, {16.8, 8.8}}));
        }));
    add(out, t, "shuaxin.png", icon(72, [](QPainter &p) {
            p.setPen(stroke(kWhite, 2));
            p.drawArc(QRectF(4.5, 4.5, 15, 15), 30 * 16, 150 * 16);
            p.drawArc(QRectF(4.5, 4.5, 15, 15), 210 * 16, 150 * 16);
            p.setPen(Qt::NoPen);
            p.setBrush(kWhite);
            p.drawPolygon(QPolygonF({{18.5, 4.5}, {19.2, 10.2}, {13.8, 8.6}}));
            p.drawPolygon(QPolygonF({{5.5, 19.5}, {4.8, 13.8}, {10.2, 15.4}}));
        }));
}

void drawAirConditionerIcons(ResourceWriter &out)
{
    const QString t = QStringLiteral("airconditioner");
    const QString dir = QStringLiteral("airConditioner/");
    add(out, t, dir + "icon-ac-power-off.png", icon(96, [](QPainter &p) {
            p.setPen(stroke(kMidGrey, 1.6));
            p.drawEllipse(QPointF(12, 12), 10.5, 10.5);
            p.setPen(stroke(kMidGrey, 2));
            powerSymbol(p, QPointF(12, 12.6), 5.5);
        }));
    add(out, t, dir + "icon-ac-power-on.png", icon(96, [](QPainter &p) {
            p.setPen(Qt::NoPen);
            p.setBrush(kGreen);
            p.drawEllipse(QPointF(12, 12), 11, 11);
            p.setPen(stroke(kCard, 2.2));
            powerSymbol(p, QPointF(12, 12.6), 5.5);
        }));
    add(out, t, dir + "icon-ac-temp.png", icon(48, [](QPainter &p) {
            p.setPen(stroke(kWhite, 1.6));
            QPainterPath tube;
            tube.moveTo(9.5, 14);
            tube.lineTo(9.5, 5);
            tube.arcTo(QRectF(9.5, 2.5, 5, 5), 180, -180);
            tube.lineTo(14.5, 14);
            tube.arcTo(QRectF(7.5, 12.5, 9, 9), 55, -290);
            p.drawPath(tube);
            p.setPen(Qt::NoPen);
            p.setBrush(kRed);
            p.drawEllipse(QPointF(12, 17), 2.6, 2.6);
            p.drawRect(QRectF(11.2, 8, 1.6, 8));
        }));

    const QColor heat = kOrange;
    const QColor cool(0x64, 0xB5, 0xF6);
    add(out, t, dir + "icon-acmode-cool.png", icon(96, [cool](QPainter &p) {
            p.setPen(stroke(cool, 1.7));
            snowflake(p, QPointF(12, 12), 9);
        }));
    add(out, t, dir + "icon-acmode-heat.png", icon(96, [heat](QPainter &p) {
            p.setPen(stroke(heat, 1.7));
            sun(p, QPointF(12, 12), 4.5, 8);
        }));
    add(out, t, dir + "icon-acmode-fan.png", icon(96, [](QPainter &p) { fan(p, QPointF(12, 12), 9.5, kGreen); }));
    add(out, t, dir + "icon-acmode-auto.png", icon(96, [](QPainter &p) {
            p.setPen(stroke(kPrimaryLight, 1.6));
            p.drawArc(QRectF(2.5, 2.5, 19, 19), 60 * 16, 280 * 16);
            arrow(p, QPointF(16.8, 4.0), QPointF(19.5, 6.6), 0.01);
            p.setPen(Qt::NoPen);
            p.setBrush(kPrimaryLight);
            p.drawPolygon(QPolygonF({{17.2, 1.8}, {20.8, 5.6}, {15.4, 6.4}}));
            p.setFont(font(11, QFont::Bold));
            p.setPen(kWhite);
            p.drawText(QRectF(4, 4, 16, 16), Qt::AlignCenter, QStringLiteral("A"));
        }));
    // Fan speeds: the same fan with one to three rising bars; auto carries an "A" badge.
    for (int speed = 0; speed < 4; ++speed) {
        static const char *names[] = {"auto", "low", "medium", "high"};
        add(out, t, dir + QStringLiteral("icon-fan-%1.png").arg(names[speed]), icon(96, [speed](QPainter &p) {
                fan(p, QPointF(9, 12), 7.5, kWhite);
                if (speed == 0) {
                    p.setPen(Qt::NoPen);
                    p.setBrush(kPrimary);
                    p.drawEllipse(QPointF(19, 17), 4.6, 4.6);
                    p.setPen(kWhite);
                    p.setFont(font(6.5, QFont::Bold));
                    p.drawText(QRectF(14.4, 12.4, 9.2, 9.2), Qt::AlignCenter, QStringLiteral("A"));
                    return;
                }
                for (int bar = 0; bar < 3; ++bar) {
                    const qreal h = 4 + bar * 3.5;
                    p.setPen(Qt::NoPen);
                    p.setBrush(bar < speed ? kGreen : withAlpha(kWhite, 45));
                    p.drawRoundedRect(QRectF(17.5 + bar * 2.2, 20 - h, 1.6, h), 0.6, 0.6);
                }
            }));
    }
}

void drawRoomEditIcons(ResourceWriter &out)
{
    const QString t = QStringLiteral("roomedit");
    const QString dir = QStringLiteral("edit_room/");
    add(out, t, dir + "icon-room-ac.png", icon(96, [](QPainter &p) {
            p.setPen(stroke(kWhite, 1.6));
            p.drawRoundedRect(QRectF(2.5, 4, 19, 8.5), 2, 2);
            p.drawLine(QPointF(5, 10), QPointF(19, 10));
            p.setPen(stroke(kPrimaryLight, 1.5));
            for (int i = 0; i < 3; ++i) {
                QPainterPath wave;
                const qreal x = 7 + i * 5;
                wave.moveTo(x, 14.5);
                wave.cubicTo(x - 1.5, 16.5, x + 1.5, 18.5, x, 20.5);
                p.drawPath(wave);
            }
        }));
    add(out, t, dir + "icon-room-floorheat.png", icon(96, [](QPainter &p) {
            p.setPen(stroke(kOrange, 1.6));
            for (int i = 0; i < 3; ++i) {
                QPainterPath wave;
                const qreal x = 7 + i * 5;
                wave.moveTo(x, 15);
                wave.cubicTo(x - 2, 12, x + 2, 9, x, 4);
                p.drawPath(wave);
            }
            p.setPen(stroke(kWhite, 1.6));
            p.drawLine(QPointF(2.5, 18), QPointF(21.5, 18));
            p.drawLine(QPointF(4, 21), QPointF(20, 21));
        }));
    add(out, t, dir + "icon-room-lighting.png", icon(96, [](QPainter &p) {
            p.setPen(stroke(kWarm, 1.6));
            bulb(p);
        }));
    add(out, t, dir + "icon-room-master.png", icon(96, [](QPainter &p) {
            p.setPen(stroke(kWhite, 1.6));
            p.drawRoundedRect(QRectF(6, 2.5, 12, 19), 2, 2);
            p.setPen(stroke(kGreen, 1.8));
            powerSymbol(p, QPointF(12, 12.5), 3.6);
        }));
    add(out, t, dir + "icon-room-moods.png", icon(96, [](QPainter &p) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0xCE, 0x93, 0xD8));
            p.drawPath(starPath(QPointF(10, 13), 8, 2.6, 4));
            p.setBrush(kWarm);
            p.drawPath(starPath(QPointF(18.5, 6), 4, 1.3, 4));
            p.setBrush(kPrimaryLight);
            p.drawPath(starPath(QPointF(19, 18.5), 3, 1, 4));
        }));
    add(out, t, dir + "icon-room-occupation.png", icon(96, [](QPainter &p) {
            p.save();
            p.translate(-2.5, 1);
            p.scale(0.85, 0.85);
            p.setPen(stroke(kWhite, 1.9));
            person(p);
            p.restore();
            p.setPen(stroke(kGreen, 1.5));
            p.drawArc(QRectF(14, 3, 6, 6), -60 * 16, 120 * 16);
            p.drawArc(QRectF(12, 1, 10, 10), -60 * 16, 120 * 16);
        }));
    add(out, t, dir + "icon-room-panel.png", icon(96, [](QPainter &p) {
            p.setPen(stroke(kWhite, 1.6));
            p.drawRoundedRect(QRectF(3.5, 3.5, 17, 17), 2.5, 2.5);
            p.setPen(Qt::NoPen);
            const QColor buttons[] = {kGreen, kPrimaryLight, kWarm, kRed};
            for (int i = 0; i < 4; ++i) {
                p.setBrush(buttons[i]);
                p.drawRoundedRect(QRectF(6.5 + (i % 2) * 6, 6.5 + (i / 2) * 6, 5, 5), 1, 1);
            }
        }));
}

void drawNetworkIcons(ResourceWriter &out)
{
    const QString t = QStringLiteral("network");
    const QString dir = QStringLiteral("network/");
    const Drawing local = [](QPainter &p) {
        p.drawRoundedRect(QRectF(8.5, 2.5, 7, 5.5), 1, 1);
        p.drawRoundedRect(QRectF(2, 16, 7, 5.5), 1, 1);
        p.drawRoundedRect(QRectF(15, 16, 7, 5.5), 1, 1);
        p.drawLine(QPointF(12, 8), QPointF(12, 12));
        p.drawPolyline(QPolygonF({{5.5, 16}, {5.5, 12}, {18.5, 12}, {18.5, 16}}));
    };
    const Drawing cloud = [](QPainter &p) { p.drawPath(cloudPath(QRectF(2, 5, 20, 14))); };
    const Drawing dns = [](QPainter &p) {
        p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
        p.drawEllipse(QRectF(8, 2.5, 8, 19));
        p.drawLine(QPointF(2.5, 12), QPointF(21.5, 12));
        p.drawLine(QPointF(4, 7), QPointF(20, 7));
        p.drawLine(QPointF(4, 17), QPointF(20, 17));
    };
    const struct
    {
        const char *name;
        Drawing draw;
    } styles[] = {{"localnetwork", local}, {"cloudserver", cloud}, {"dnsserver", dns}};
    for (const auto &style : styles) {
        const Drawing draw = style.draw;
        add(out, t, dir + QStringLiteral("icon-connection-%1.png").arg(style.name), icon(48, [draw](QPainter &p) {
                p.setPen(stroke(kMidGrey, 1.6));
                draw(p);
            }));
        add(out, t, dir + QStringLiteral("icon-connection-%1-active.png").arg(style.name),
            icon(48, [draw](QPainter &p) {
                p.setPen(stroke(kGreen, 1.8));
                draw(p);
            }));
    }
}

void drawSettingsIcons(ResourceWriter &out)
{
    // Two-tone pictures for the large setting tiles (128 and 160 px on #3D5366).
    const QString t = QStringLiteral("settings");
    const QString dir = QStringLiteral("settings/");
    const int size = 160;
    add(out, t, dir + "icon-settings-projectsettings.png", icon(size, [](QPainter &p) {
            p.setPen(Qt::NoPen);
            p.setBrush(kPrimary);
            p.drawPolygon(QPolygonF({{2, 5}, {9, 5}, {11, 7.5}, {20, 7.5}, {20, 19}, {2, 19}}));
            p.setBrush(kWhite);
            gear(p, QPointF(17.5, 17.5), 5.5, 1.8, 7);
        }));
    add(out, t, dir + "icon-settings-roomtemplate.png", icon(size, [](QPainter &p) {
            p.setPen(stroke(kWhite, 1.4));
            p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
            p.setPen(Qt::NoPen);
            p.setBrush(kPrimary);
            p.drawRect(QRectF(5.5, 5.5, 13, 4));
            p.setBrush(kGreen);
            p.drawRect(QRectF(5.5, 11.5, 5.5, 7));
            p.setBrush(kWarm);
            p.drawRect(QRectF(13, 11.5, 5.5, 7));
        }));
    add(out, t, dir + "icon-settings-roomsmanager.png", icon(size, [](QPainter &p) {
            p.setPen(Qt::NoPen);
            p.setBrush(kWhite);
            p.drawRect(QRectF(4, 3, 16, 18.5));
            p.setBrush(kPrimary);
            for (int r = 0; r < 3; ++r)
                for (int c = 0; c < 3; ++c)
                    p.drawRect(QRectF(6 + c * 4.6, 5 + r * 4.2, 2.8, 2.6));
            p.setBrush(kOrange);
            p.drawRect(QRectF(10, 17.5, 4, 4));
        }));
    add(out, t, dir + "icon-settings-messagemanager.png", icon(size, [](QPainter &p) {
            p.setPen(Qt::NoPen);
            p.setBrush(kWhite);
            QPainterPath bubble;
            bubble.addRoundedRect(QRectF(2.5, 3.5, 19, 13), 3, 3);
            bubble.moveTo(6, 16);
            bubble.lineTo(6, 21);
            bubble.lineTo(11, 16);
            p.drawPath(bubble.simplified());
            p.setBrush(kGreen);
            p.drawEllipse(QPointF(7.5, 10), 1.6, 1.6);
            p.setBrush(kPrimary);
            p.drawEllipse(QPointF(12, 10), 1.6, 1.6);
            p.setBrush(kRed);
            p.drawEllipse(QPointF(16.5, 10), 1.6, 1.6);
        }));
    add(out, t, dir + "icon-settings-deviceaddress.png", icon(size, [](QPainter &p) {
            p.setPen(stroke(kWhite, 1.3));
            for (int i = 0; i < 4; ++i) {
                const qreal o = 7.5 + i * 3;
                p.drawLine(QPointF(o, 2), QPointF(o, 5));
                p.drawLine(QPointF(o, 19), QPointF(o, 22));
                p.drawLine(QPointF(2, o), QPointF(5, o));
                p.drawLine(QPointF(19, o), QPointF(22, o));
            }
            p.setPen(Qt::NoPen);
            p.setBrush(kPrimary);
            p.drawRoundedRect(QRectF(5, 5, 14, 14), 2, 2);
            p.setPen(stroke(kWhite, 1.3));
            p.drawLine(QPointF(10, 8), QPointF(9, 16));
            p.drawLine(QPointF(14.5, 8), QPointF(13.5, 16));
            p.drawLine(QPointF(8, 10.5), QPointF(16, 10.5));
            p.drawLine(QPointF(7.8, 13.5), QPointF(15.8, 13.5));
        }));
    add(out, t, dir + "icon-settings-networksetting.png", icon(size, [](QPainter &p) {
            p.setPen(stroke(kWhite, 1.2));
            const QPointF hub(12, 12);
            const QPointF nodes[] = {{4, 5}, {20, 5}, {4, 19}, {20, 19}, {12, 2.5}};
            for (const QPointF &n : nodes)
                p.drawLine(hub, n);
            p.setPen(Qt::NoPen);
            p.setBrush(kGreen);
            for (const QPointF &n : nodes)
                p.drawEllipse(n, 2.2, 2.2);
            p.setBrush(kPrimary);
            p.drawEllipse(hub, 4, 4);
        }));
    add(out, t, dir + "icon-settings-3dview.png", icon(size, [](QPainter &p) {
            p.setPen(Qt::NoPen);
            p.setBrush(kPrimaryLight);
            p.drawPolygon(QPolygonF({{12, 2.5}, {21, 7.2}, {12, 12}, {3, 7.2}}));
            p.setBrush(kPrimary);
            p.drawPolygon(QPolygonF({{3, 7.2}, {12, 12}, {12, 21.5}, {3, 16.8}}));
            p.setBrush(mix(kPrimary, kCard, 0.45));
            p.drawPolygon(QPolygonF({{21, 7.2}, {12, 12}, {12, 21.5}, {21, 16.8}}));
        }));
    add(out, t, dir + "icon-settings-about.png", icon(size, [](QPainter &p) {
            p.setPen(Qt::NoPen);
            p.setBrush(kPrimary);
            p.drawEllipse(QPointF(12, 12), 10, 10);
            p.setBrush(kWhite);
            p.drawEllipse(QPointF(12, 7.2), 1.5, 1.5);
            p.drawRoundedRect(QRectF(10.7, 10, 2.6, 8), 1, 1);
        }));
}

namespace {

// The ORV mark: a ring with a lit dot, the letters beside it.
void brandMark(QPainter &p, const QRectF &box, bool withLetters)
{
    const qreal h = box.height();
    const QPointF c(box.left() + h / 2, box.center().y());
    p.setPen(stroke(kPrimary, h * 0.14));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, h * 0.36, h * 0.36);
    p.setPen(Qt::NoPen);
    p.setBrush(kOrange);
    p.drawEllipse(QPointF(c.x() + h * 0.36 * qCos(-M_PI / 4), c.y() + h * 0.36 * qSin(-M_PI / 4)), h * 0.12, h * 0.12);
    if (!withLetters)
        return;
    p.setPen(kWhite);
    QFont f = font(h * 0.8, QFont::Bold);
    f.setLetterSpacing(QFont::PercentageSpacing, 110);
    p.setFont(f);
    p.drawText(QRectF(box.left() + h * 1.05, box.top(), box.width() - h, h), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("ORV"));
}

} // namespace

void drawBranding(ResourceWriter &out)
{
    const QString t = QStringLiteral("branding");
    {
        QImage logo = canvas(132, 48);
        QPainter p(&logo);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        brandMark(p, QRectF(4, 2, 124, 44), true);
        p.end();
        add(out, t, "ORV Logo.png", logo);
    }
    {
        QImage about = canvas(360, 120);
        QPainter p(&about);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        brandMark(p, QRectF(20, 10, 330, 80), true);
        p.setPen(kLightGrey);
        p.setFont(font(17));
        p.drawText(QRectF(20, 92, 320, 24), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Zoduv hotel station"));
        p.end();
        add(out, t, "logo-about-orv.png", about);
    }
    add(out, t, "icon-about-company.png", icon(256, [](QPainter &p) {
            p.setPen(Qt::NoPen);
            p.setBrush(kPrimary);
            p.drawRect(QRectF(4, 5, 10, 17));
            p.setBrush(mix(kPrimary, kCard, 0.35));
            p.drawRect(QRectF(14, 10, 6, 12));
            p.setBrush(kPrimaryLight);
            for (int r = 0; r < 5; ++r)
                for (int c = 0; c < 3; ++c)
                    p.drawRect(QRectF(5.6 + c * 2.9, 7 + r * 2.8, 1.6, 1.6));
            p.setBrush(kWarm);
            for (int r = 0; r < 3; ++r)
                p.drawRect(QRectF(16.2, 12.5 + r * 2.8, 1.6, 1.6));
            p.setBrush(kOrange);
            p.drawRect(QRectF(2, 21.5, 20, 1));
        }));
    // The application icon: the mark on the dark card colour.
    QImage appIcon = canvas(64, 64);
    {
        QPainter p(&appIcon);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(kBackground);
        p.drawRoundedRect(QRectF(0, 0, 64, 64), 12, 12);
        brandMark(p, QRectF(6, 6, 52, 52), false);
    }
    out.addImage(t, QStringLiteral("myImages/icons/logo.ico"), appIcon);
}

} // namespace icons
