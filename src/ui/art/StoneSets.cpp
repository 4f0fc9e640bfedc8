// The fifteen stone sets. Each painter fills the square `r` (device pixels)
// with the stone of one colour; the character of a set should be clear at 22
// pixels already, so details stay at least a pixel wide there.

#include "ui/art/StoneSets.h"

#include "ui/art/ArtGeometry.h"
#include "ui/art/StonePalette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <array>
#include <cmath>

namespace tumbla {

namespace {

// A hair line that stays visible at 22 pixels and does not grow blunt at 64.
void Gloss(QPainter& p, const QRectF& area, int alpha) {
    QLinearGradient g(area.topLeft(), area.bottomLeft());
    g.setColorAt(0, QColor(255, 255, 255, alpha));
    g.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(area);
}

void Balls(QPainter& p, const QRectF& r, const Hue& h) {
    const QRectF b = Inset(r, 0.05);
    QRadialGradient g(b.center(), b.width() / 2, At(b, 0.36, 0.3));
    g.setColorAt(0, h.light);
    g.setColorAt(0.5, h.base);
    g.setColorAt(0.92, h.dark);
    g.setColorAt(1, Mix(h.dark, Qt::black, 0.3));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(b);
    Gloss(p, QRectF(At(b, 0.2, 0.07), QSizeF(b.width() * 0.5, b.height() * 0.34)), 210);
}

void Gems(QPainter& p, const QRectF& r, const Hue& h) {
    const QPointF c = r.center();
    const qreal outer = r.width() * 0.47;
    const qreal inner = r.width() * 0.25;
    std::array<QPointF, 8> o{};
    std::array<QPointF, 8> in{};
    for (int i = 0; i < 8; ++i) {
        const qreal a = M_PI / 8 + i * M_PI / 4;
        o[i] = c + QPointF(outer * std::cos(a), outer * std::sin(a));
        in[i] =
            c + QPointF(inner * std::cos(a), inner * std::sin(a)) + QPointF(0, -r.height() * 0.03);
    }
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 8; ++i) {
        const int j = (i + 1) % 8;
        // Light comes from the top left: facets facing it are bright.
        const qreal a = M_PI / 8 + (i + 0.5) * M_PI / 4;
        const qreal facing = 0.5 + 0.5 * std::cos(a - 5 * M_PI / 4);
        const QColor face = facing > 0.5 ? Mix(h.base, h.light, (facing - 0.5) * 1.6)
                                         : Mix(h.dark, h.base, facing * 2);
        p.setBrush(face);
        p.drawPolygon(QPolygonF({o[i], o[j], in[j], in[i]}));
    }
    QLinearGradient table(At(r, 0.3, 0.25), At(r, 0.7, 0.75));
    table.setColorAt(0, Mix(h.light, Qt::white, 0.3));
    table.setColorAt(1, h.base);
    p.setBrush(table);
    p.drawPolygon(QPolygonF(QList<QPointF>(in.begin(), in.end())));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Mix(h.dark, Qt::black, 0.35), Hair(r) * 0.9));
    p.drawPolygon(QPolygonF(QList<QPointF>(o.begin(), o.end())));
    // A glint on the table, where the light falls.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawPolygon(QPolygonF({in[4], in[5], in[4] + (in[0] - in[4]) * 0.45}));
}

void Tiles(QPainter& p, const QRectF& r, const Hue& h) {
    const QRectF b = Inset(r, 0.045);
    const qreal radius = r.width() * 0.14;
    QLinearGradient edge(b.topLeft(), b.bottomRight());
    edge.setColorAt(0, h.light);
    edge.setColorAt(0.5, h.base);
    edge.setColorAt(1, h.dark);
    p.setPen(QPen(Mix(h.dark, Qt::black, 0.3), Hair(r) * 0.8));
    p.setBrush(edge);
    p.drawRoundedRect(b, radius, radius);
    const QRectF face = Inset(r, 0.2);
    QLinearGradient top(face.topLeft(), face.bottomLeft());
    top.setColorAt(0, Mix(h.base, Qt::white, 0.12));
    top.setColorAt(1, Mix(h.base, Qt::black, 0.06));
    p.setPen(Qt::NoPen);
    p.setBrush(top);
    p.drawRoundedRect(face, radius * 0.5, radius * 0.5);
}

void GlossyShape(QPainter& p, const QRectF& r, const Hue& h, const QPainterPath& shape) {
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, h.light);
    g.setColorAt(0.45, h.base);
    g.setColorAt(1, h.dark);
    p.setPen(
        QPen(Mix(h.dark, Qt::black, 0.35), Hair(r), Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(shape);
    p.save();
    p.setClipPath(shape);
    Gloss(p, QRectF(At(r, 0.1, -0.25), QSizeF(r.width() * 0.8, r.height() * 0.62)), 150);
    p.restore();
}

void Shapes(QPainter& p, const QRectF& r, const Hue& h, int colour) {
    const QRectF b = Inset(r, 0.03);
    GlossyShape(p, b, h, FitPath(ColourShape(colour), b));
}

void Flat(QPainter& p, const QRectF& r, const Hue& h) {
    const QRectF b = Inset(r, 0.07);
    p.setPen(Qt::NoPen);
    p.setBrush(Mix(h.base, Qt::black, 0.22));
    p.drawEllipse(b);
    p.setBrush(h.base);
    p.drawEllipse(Inset(r, 0.15));
    p.setBrush(Mix(h.base, Qt::white, 0.28));
    p.drawEllipse(Inset(r, 0.34));
}

void Marbles(QPainter& p, const QRectF& r, const Hue& h) {
    const QRectF b = Inset(r, 0.05);
    // Clear glass with a coloured vane through it, a cat's eye.
    QRadialGradient glass(At(b, 0.45, 0.4), b.width() * 0.62);
    glass.setColorAt(0, Mix(h.light, Qt::white, 0.25));
    glass.setColorAt(0.7, h.base);
    glass.setColorAt(1, h.dark);
    p.setPen(Qt::NoPen);
    p.setBrush(glass);
    p.drawEllipse(b);

    QPainterPath ball;
    ball.addEllipse(b);
    p.save();
    p.setClipPath(ball);
    p.translate(b.center());
    p.rotate(-35);
    const qreal len = b.width() * 0.62;
    const qreal wide = b.width() * 0.2;
    QPainterPath vane;
    vane.moveTo(-len, 0);
    vane.quadTo(0, -wide * 1.6, len, 0);
    vane.quadTo(0, wide * 1.6, -len, 0);
    QLinearGradient vaneFill(QPointF(0, -wide), QPointF(0, wide));
    vaneFill.setColorAt(0, Mix(h.base, Qt::black, 0.1));
    vaneFill.setColorAt(1, Mix(h.dark, Qt::black, 0.25));
    p.setBrush(vaneFill);
    p.drawPath(vane);
    p.restore();

    p.setPen(QPen(QColor(0, 0, 0, 100), Hair(r) * 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(b);
    Gloss(p, QRectF(At(b, 0.18, 0.06), QSizeF(b.width() * 0.5, b.height() * 0.3)), 230);
}

void Dice(QPainter& p, const QRectF& r, const Hue& h, int colour) {
    const QRectF b = Inset(r, 0.055);
    const qreal radius = r.width() * 0.2;
    QLinearGradient g(b.topLeft(), b.bottomRight());
    g.setColorAt(0, Mix(h.base, Qt::white, 0.3));
    g.setColorAt(0.6, h.base);
    g.setColorAt(1, h.dark);
    p.setPen(QPen(Mix(h.dark, Qt::black, 0.3), Hair(r) * 0.8));
    p.setBrush(g);
    p.drawRoundedRect(b, radius, radius);

    // The number of pips is the colour's number.
    static const std::array<std::array<int, 9>, 8> layouts{{
        {0, 0, 0, 0, 1, 0, 0, 0, 0},
        {1, 0, 0, 0, 0, 0, 0, 0, 1},
        {1, 0, 0, 0, 1, 0, 0, 0, 1},
        {1, 0, 1, 0, 0, 0, 1, 0, 1},
        {1, 0, 1, 0, 1, 0, 1, 0, 1},
        {1, 0, 1, 1, 0, 1, 1, 0, 1},
        {1, 0, 1, 1, 1, 1, 1, 0, 1},
        {1, 1, 1, 1, 0, 1, 1, 1, 1},
    }};
    const auto& layout = layouts[static_cast<std::size_t>(colour - 1)];
    const qreal pip = r.width() * (colour >= 7 ? 0.068 : 0.08);
    const std::array<qreal, 3> at{0.28, 0.5, 0.72};
    p.setPen(Qt::NoPen);
    p.setBrush(h.ink);
    for (int i = 0; i < 9; ++i) {
        if (layout[static_cast<std::size_t>(i)] == 0) continue;
        p.drawEllipse(
            At(r, at[static_cast<std::size_t>(i % 3)], at[static_cast<std::size_t>(i / 3)]), pip,
            pip);
    }
}

void Cubes(QPainter& p, const QRectF& r, const Hue& h) {
    const QPointF c = At(r, 0.5, 0.5);
    const qreal radius = r.width() * 0.48;
    const qreal w = radius * 0.866;
    const QPointF top = c + QPointF(0, -radius);
    const QPointF upRight = c + QPointF(w, -radius / 2);
    const QPointF downRight = c + QPointF(w, radius / 2);
    const QPointF bottom = c + QPointF(0, radius);
    const QPointF downLeft = c + QPointF(-w, radius / 2);
    const QPointF upLeft = c + QPointF(-w, -radius / 2);
    p.setPen(Qt::NoPen);
    p.setBrush(Mix(h.base, Qt::white, 0.42));
    p.drawPolygon(QPolygonF({top, upRight, c, upLeft}));
    p.setBrush(h.base);
    p.drawPolygon(QPolygonF({upLeft, c, bottom, downLeft}));
    p.setBrush(Mix(h.base, Qt::black, 0.32));
    p.drawPolygon(QPolygonF({c, upRight, downRight, bottom}));
    p.setPen(QPen(QColor(255, 255, 255, 150), Hair(r) * 0.7));
    p.drawLine(c, upLeft + (c - upLeft) * 0.04);
    p.drawLine(c, upRight);
    p.setPen(QPen(Mix(h.dark, Qt::black, 0.45), Hair(r) * 0.8, Qt::SolidLine, Qt::SquareCap,
                  Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(QPolygonF({top, upRight, downRight, bottom, downLeft, upLeft}));
}

void Buttons(QPainter& p, const QRectF& r, const Hue& h) {
    const QRectF b = Inset(r, 0.05);
    QLinearGradient rim(b.topLeft(), b.bottomLeft());
    rim.setColorAt(0, h.light);
    rim.setColorAt(1, h.dark);
    p.setPen(QPen(Mix(h.dark, Qt::black, 0.35), Hair(r) * 0.8));
    p.setBrush(rim);
    p.drawEllipse(b);
    const QRectF dish = Inset(r, 0.19);
    QLinearGradient sunk(dish.topLeft(), dish.bottomLeft());
    sunk.setColorAt(0, Mix(h.base, Qt::black, 0.2));
    sunk.setColorAt(1, Mix(h.base, Qt::white, 0.2));
    p.setPen(Qt::NoPen);
    p.setBrush(sunk);
    p.drawEllipse(dish);
    const qreal hole = r.width() * 0.058;
    const qreal d = r.width() * 0.12;
    p.setBrush(Mix(h.dark, Qt::black, 0.55));
    for (const QPointF& o : {QPointF(-d, -d), QPointF(d, -d), QPointF(-d, d), QPointF(d, d)}) {
        p.drawEllipse(r.center() + o, hole, hole);
    }
}

void Numbers(QPainter& p, const QRectF& r, const Hue& h, int colour) {
    const QRectF b = Inset(r, 0.05);
    QLinearGradient g(b.topLeft(), b.bottomLeft());
    g.setColorAt(0, Mix(h.base, Qt::white, 0.25));
    g.setColorAt(1, Mix(h.base, Qt::black, 0.2));
    p.setPen(QPen(Mix(h.dark, Qt::black, 0.3), Hair(r) * 0.8));
    p.setBrush(g);
    p.drawEllipse(b);
    p.setPen(QPen(QColor(255, 255, 255, 90), Hair(r) * 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(Inset(r, 0.13));

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(std::max(6, qRound(r.height() * 0.6)));
    font.setHintingPreference(QFont::PreferNoHinting);
    QPainterPath digit;
    digit.addText(0, 0, font, QString::number(colour));
    const QRectF box = digit.boundingRect();
    digit.translate(r.center() - box.center());
    p.setPen(Qt::NoPen);
    p.setBrush(h.ink);
    p.drawPath(digit);
}

void Hexagons(QPainter& p, const QRectF& r, const Hue& h) {
    const QPointF c = r.center();
    const qreal outer = r.width() * 0.49;
    const qreal inner = outer * 0.64;
    std::array<QPointF, 6> o{};
    std::array<QPointF, 6> in{};
    for (int i = 0; i < 6; ++i) {
        const qreal a = -M_PI / 2 + i * M_PI / 3;
        o[i] = c + QPointF(outer * std::cos(a), outer * std::sin(a));
        in[i] = c + QPointF(inner * std::cos(a), inner * std::sin(a));
    }
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 6; ++i) {
        const int j = (i + 1) % 6;
        const qreal a = -M_PI / 2 + (i + 0.5) * M_PI / 3;
        const qreal facing = 0.5 + 0.5 * std::cos(a - 5 * M_PI / 4);
        p.setBrush(Mix(h.dark, h.light, facing));
        p.drawPolygon(QPolygonF({o[i], o[j], in[j], in[i]}));
    }
    QRadialGradient face(c, inner, At(r, 0.42, 0.4));
    face.setColorAt(0, Mix(h.base, Qt::white, 0.15));
    face.setColorAt(1, h.base);
    p.setBrush(face);
    p.drawPolygon(QPolygonF(QList<QPointF>(in.begin(), in.end())));
    p.setPen(QPen(Mix(h.dark, Qt::black, 0.4), Hair(r) * 0.8, Qt::SolidLine, Qt::SquareCap,
                  Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(QPolygonF(QList<QPointF>(o.begin(), o.end())));
}

void Flowers(QPainter& p, const QRectF& r, const Hue& h, int colour) {
    const QPointF c = r.center();
    const qreal len = r.width() * 0.3;
    const qreal wide = r.width() * 0.17;
    p.setPen(QPen(Mix(h.dark, Qt::black, 0.3), Hair(r) * 0.7));
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.translate(c);
        p.rotate(-90 + i * 72);
        QRadialGradient g(QPointF(len * 0.35, 0), len * 0.9);
        g.setColorAt(0, h.light);
        g.setColorAt(1, h.base);
        p.setBrush(g);
        p.drawEllipse(QPointF(len * 0.78, 0), len * 0.78, wide);
        p.restore();
    }
    const bool warm = colour == 4 || colour == 7; // a yellow heart would melt into their petals
    const QColor heart = warm ? QColor(0x8A, 0x4B, 0x1C) : QColor(0xFF, 0xD2, 0x3F);
    QRadialGradient g(c - QPointF(r.width() * 0.03, r.width() * 0.03), r.width() * 0.14);
    g.setColorAt(0, Mix(heart, Qt::white, 0.4));
    g.setColorAt(1, heart);
    p.setPen(QPen(Mix(heart, Qt::black, 0.45), Hair(r) * 0.7));
    p.setBrush(g);
    p.drawEllipse(c, r.width() * 0.13, r.width() * 0.13);
}

void PixelBlocks(QPainter& p, const QRectF& r, const Hue& h) {
    // Whole device pixels per dot, so the blocks stay sharp at every size.
    const int dot = std::max(1, static_cast<int>(r.width() / 11));
    const int n = static_cast<int>(r.width()) / dot;
    const qreal ox = r.left() + (r.width() - n * dot) / 2.0;
    const qreal oy = r.top() + (r.height() - n * dot) / 2.0;
    const QColor outline = Mix(h.dark, Qt::black, 0.4);
    const QColor shade = Mix(h.base, Qt::black, 0.3);
    const QColor lit = Mix(h.base, Qt::white, 0.45);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            const bool edgeX = x == 0 || x == n - 1;
            const bool edgeY = y == 0 || y == n - 1;
            if (edgeX && edgeY) continue; // cut corners
            QColor c = h.base;
            if (edgeX || edgeY)
                c = outline;
            else if (x == n - 2 || y == n - 2)
                c = shade;
            else if (x == 1 || y == 1)
                c = lit;
            if ((x == 2 && (y == 2 || y == 3)) || (x == 3 && y == 2)) c = Qt::white;
            p.fillRect(QRectF(ox + x * dot, oy + y * dot, dot, dot), c);
        }
    }
    p.restore();
}

void Rings(QPainter& p, const QRectF& r, const Hue& h) {
    const QRectF b = Inset(r, 0.05);
    const qreal hole = 0.36;
    QPainterPath ring;
    ring.addEllipse(b);
    ring.addEllipse(QRectF(At(b, 0.5 - hole / 2, 0.5 - hole / 2), b.size() * hole));
    // Round in section: dark where the tube turns away, bright along its crest.
    QRadialGradient tube(b.center(), b.width() / 2);
    tube.setColorAt(hole, Mix(h.dark, Qt::black, 0.2));
    tube.setColorAt(hole + 0.12, h.base);
    tube.setColorAt((hole + 1) / 2, Mix(h.base, Qt::white, 0.3));
    tube.setColorAt(0.88, h.base);
    tube.setColorAt(1, Mix(h.dark, Qt::black, 0.2));
    p.setPen(QPen(Mix(h.dark, Qt::black, 0.4), Hair(r) * 0.8));
    p.setBrush(tube);
    p.drawPath(ring);
    p.setPen(QPen(QColor(255, 255, 255, 200), std::max(1.0, r.width() * 0.06), Qt::SolidLine,
                  Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(Inset(r, 0.2), 110 * 16, 60 * 16);
}

void Neon(QPainter& p, const QRectF& r, const Hue& h, int colour) {
    const QRectF b = Inset(r, 0.15);
    const QPainterPath shape = FitPath(ColourShape(colour), b);
    QColor fill = h.base;
    fill.setAlpha(95);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(shape);
    p.setBrush(Qt::NoBrush);
    const qreal w = r.width();
    for (const auto& [width, alpha] : {std::pair{0.2, 45}, std::pair{0.13, 90}}) {
        QColor glow = h.base;
        glow.setAlpha(alpha);
        p.setPen(QPen(glow, w * width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(shape);
    }
    p.setPen(QPen(h.base, std::max(1.5, w * 0.085), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(shape);
    p.setPen(QPen(Mix(h.base, Qt::white, 0.7), std::max(0.8, w * 0.035), Qt::SolidLine,
                  Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(shape);
}

} // namespace

void PaintStone(QPainter& p, const QRectF& r, int set, int colour) {
    if (colour < 1 || colour > StoneColourCount) return;
    const Hue h = HueOf(colour);
    p.save();
    switch (set) {
    case 0:
        Balls(p, r, h);
        break;
    case 1:
        Gems(p, r, h);
        break;
    case 2:
        Tiles(p, r, h);
        break;
    case 3:
        Shapes(p, r, h, colour);
        break;
    case 4:
        Flat(p, r, h);
        break;
    case 5:
        Marbles(p, r, h);
        break;
    case 6:
        Dice(p, r, h, colour);
        break;
    case 7:
        Cubes(p, r, h);
        break;
    case 8:
        Buttons(p, r, h);
        break;
    case 9:
        Numbers(p, r, h, colour);
        break;
    case 10:
        Hexagons(p, r, h);
        break;
    case 11:
        Flowers(p, r, h, colour);
        break;
    case 12:
        PixelBlocks(p, r, h);
        break;
    case 13:
        Rings(p, r, h);
        break;
    case 14:
        Neon(p, r, h, colour);
        break;
    default:
        break;
    }
    p.restore();
}

} // namespace tumbla
