// The special pictures: the other glass and joker, rock, well, the two
// transformers and the locked one, the joining indicators and the demo pointer.

#include "ui/art/SpecialArt.h"

#include "ui/art/ArtGeometry.h"
#include "ui/art/StonePalette.h"

#include <QConicalGradient>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>

namespace tumbla {

namespace {

QPolygonF Unit(const QRectF& r, std::initializer_list<QPointF> points) {
    QPolygonF out;
    for (const QPointF& q : points) out << At(r, q.x(), q.y());
    return out;
}

void Glass(QPainter& p, const QRectF& r) {
    const QRectF b = Inset(r, 0.06);
    const qreal radius = r.width() * 0.16;
    QLinearGradient g(b.topLeft(), b.bottomRight());
    g.setColorAt(0, QColor(0xF4, 0xFB, 0xFF, 235));
    g.setColorAt(0.5, QColor(0xB9, 0xDD, 0xEE, 200));
    g.setColorAt(1, QColor(0x7F, 0xAE, 0xC8, 230));
    p.setPen(QPen(QColor(0x4A, 0x78, 0x92), Hair(r)));
    p.setBrush(g);
    p.drawRoundedRect(b, radius, radius);
    QPainterPath pane;
    pane.addRoundedRect(b, radius, radius);
    p.save();
    p.setClipPath(pane);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawPolygon(Unit(r, {{0.18, 0.62}, {0.62, 0.1}, {0.76, 0.1}, {0.18, 0.78}}));
    p.drawPolygon(Unit(r, {{0.4, 0.9}, {0.9, 0.34}, {0.9, 0.42}, {0.48, 0.9}}));
    // Cracks from a point of impact: it is the stone that breaks.
    p.setPen(QPen(QColor(0x35, 0x55, 0x68, 200), Hair(r) * 0.7));
    const QPointF hit = At(r, 0.66, 0.64);
    for (const QPointF& end :
         {At(r, 0.95, 0.5), At(r, 0.82, 0.98), At(r, 0.4, 0.86), At(r, 0.45, 0.45)}) {
        p.drawLine(hit, end);
    }
    p.restore();
}

void Joker(QPainter& p, const QRectF& r) {
    const QRectF b = Inset(r, 0.05);
    QConicalGradient wheel(b.center(), 90);
    for (int i = 0; i < StoneColourCount; ++i) {
        wheel.setColorAt(i / 8.0, HueOf(i + 1).base);
    }
    wheel.setColorAt(1, HueOf(1).base);
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), Hair(r) * 0.8));
    p.setBrush(wheel);
    p.drawEllipse(b);
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const qreal radius = (i % 2 == 0) ? 0.34 : 0.15;
        const qreal a = -M_PI / 2 + i * M_PI / 5;
        star << At(r, 0.5 + radius * std::cos(a), 0.53 + radius * std::sin(a));
    }
    p.setPen(
        QPen(QColor(0x30, 0x30, 0x30), Hair(r) * 0.8, Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPolygon(star);
    QLinearGradient gloss(b.topLeft(), b.bottomLeft());
    gloss.setColorAt(0, QColor(255, 255, 255, 120));
    gloss.setColorAt(0.5, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawEllipse(b);
}

void Rock(QPainter& p, const QRectF& r) {
    const QPolygonF outline = Unit(r, {{0.16, 0.3},
                                       {0.4, 0.08},
                                       {0.68, 0.12},
                                       {0.9, 0.32},
                                       {0.95, 0.66},
                                       {0.76, 0.92},
                                       {0.4, 0.95},
                                       {0.1, 0.8},
                                       {0.05, 0.52}});
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, QColor(0xB4, 0xB0, 0xA6));
    g.setColorAt(1, QColor(0x55, 0x52, 0x4C));
    p.setPen(QPen(QColor(0x2A, 0x28, 0x25), Hair(r), Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPolygon(outline);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 70));
    p.drawPolygon(Unit(r, {{0.18, 0.32}, {0.4, 0.12}, {0.6, 0.16}, {0.46, 0.4}, {0.2, 0.5}}));
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawPolygon(Unit(r, {{0.62, 0.55}, {0.93, 0.66}, {0.75, 0.9}, {0.5, 0.92}}));
    p.setPen(QPen(QColor(0x2A, 0x28, 0x25, 200), Hair(r) * 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(Unit(r, {{0.46, 0.4}, {0.58, 0.55}, {0.62, 0.55}}));
    p.drawPolyline(Unit(r, {{0.2, 0.5}, {0.34, 0.66}, {0.3, 0.82}}));
}

void Well(QPainter& p, const QRectF& r) {
    const QRectF b = Inset(r, 0.04);
    QRadialGradient stone(b.center(), b.width() / 2, At(b, 0.35, 0.3));
    stone.setColorAt(0, QColor(0xC9, 0xB8, 0x9E));
    stone.setColorAt(1, QColor(0x6B, 0x5C, 0x4A));
    p.setPen(QPen(QColor(0x2E, 0x26, 0x1E), Hair(r)));
    p.setBrush(stone);
    p.drawEllipse(b);
    // Joints between the stones of the rim.
    p.setPen(QPen(QColor(0x3A, 0x30, 0x26), Hair(r) * 0.8));
    for (int i = 0; i < 8; ++i) {
        const qreal a = M_PI / 8 + i * M_PI / 4;
        const QPointF dir(std::cos(a), std::sin(a));
        p.drawLine(b.center() + dir * b.width() * 0.3, b.center() + dir * b.width() * 0.48);
    }
    const QRectF shaft = Inset(r, 0.22);
    QRadialGradient deep(shaft.center(), shaft.width() / 2, At(shaft, 0.55, 0.6));
    deep.setColorAt(0, QColor(0x00, 0x00, 0x00));
    deep.setColorAt(0.7, QColor(0x08, 0x1C, 0x30));
    deep.setColorAt(1, QColor(0x1A, 0x3A, 0x55));
    p.setPen(QPen(QColor(0x1E, 0x18, 0x12), Hair(r)));
    p.setBrush(deep);
    p.drawEllipse(shaft);
    p.setPen(QPen(QColor(0x8F, 0xC8, 0xF0, 200), Hair(r) * 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(Inset(r, 0.32), 200 * 16, 50 * 16);
}

void Transformer(QPainter& p, const QRectF& r, int kind) {
    const bool locked = kind == 0;
    const QRectF b = Inset(r, 0.04);
    QConicalGradient metal(b.center(), 45);
    const QColor hi = locked ? QColor(0xB8, 0xB8, 0xB8) : QColor(0xF2, 0xF4, 0xF7);
    const QColor lo = locked ? QColor(0x6A, 0x6A, 0x6A) : QColor(0x7C, 0x86, 0x92);
    metal.setColorAt(0, hi);
    metal.setColorAt(0.25, lo);
    metal.setColorAt(0.5, hi);
    metal.setColorAt(0.75, lo);
    metal.setColorAt(1, hi);
    p.setPen(QPen(QColor(0x25, 0x28, 0x2D), Hair(r)));
    p.setBrush(metal);
    p.drawEllipse(b);
    // The ring of colours it turns its neighbours through.
    const qreal dot = r.width() * 0.065;
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 8; ++i) {
        const qreal a = -M_PI / 2 + i * M_PI / 4;
        const QPointF at = b.center() + QPointF(std::cos(a), std::sin(a)) * b.width() * 0.36;
        p.setBrush(locked ? QColor(0x55, 0x55, 0x55) : HueOf(i + 1).base);
        p.drawEllipse(at, dot, dot);
    }
    const QRectF core = Inset(r, 0.27);
    p.setPen(QPen(QColor(0x15, 0x18, 0x1C), Hair(r) * 0.8));
    p.setBrush(locked ? QColor(0x4A, 0x4A, 0x4A) : QColor(0x26, 0x30, 0x3C));
    p.drawEllipse(core);
    const qreal arm = core.width() * 0.3;
    const qreal thick = std::max(1.5, r.width() * 0.09);
    const QColor sign = locked      ? QColor(0x9A, 0x9A, 0x9A)
                        : kind == 1 ? QColor(0x5B, 0xE0, 0x6A)
                                    : QColor(0xFF, 0x8A, 0x3C);
    p.setPen(QPen(sign, thick, Qt::SolidLine, Qt::FlatCap));
    const QPointF c = core.center();
    if (locked) {
        // A padlock: the transformer waits for a group to be removed.
        const QRectF body(c.x() - arm, c.y() - arm * 0.2, arm * 2, arm * 1.4);
        p.setPen(QPen(sign, thick * 0.6));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(c.x() - arm * 0.65, c.y() - arm * 1.1, arm * 1.3, arm * 1.8), 0, 180 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(sign);
        p.drawRect(body);
        return;
    }
    p.drawLine(c - QPointF(arm, 0), c + QPointF(arm, 0));
    if (kind == 1) p.drawLine(c - QPointF(0, arm), c + QPointF(0, arm));
}

void JoinIndicator(QPainter& p, const QRectF& r, int side) {
    const QColor ink(0x2B, 0x30, 0x3A);
    const QColor arrow(0x1F, 0x6F, 0xD1);
    const qreal w = r.width();
    const qreal bar = std::max(1.5, w * 0.13);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    if (side <= 0) p.drawRect(QRectF(At(r, 0.06, 0.12), QSizeF(bar, r.height() * 0.76)));
    if (side >= 0) {
        p.drawRect(QRectF(At(r, 0.94, 0.12) - QPointF(bar, 0), QSizeF(bar, r.height() * 0.76)));
    }
    const qreal y = r.center().y();
    const qreal thick = std::max(1.5, w * 0.13);
    const qreal head = w * 0.26;
    p.setPen(QPen(arrow, thick, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(arrow);
    const auto arrowTo = [&](qreal tipX, qreal fromX) {
        const qreal dir = fromX > tipX ? 1 : -1;
        p.drawLine(QPointF(fromX, y), QPointF(tipX + dir * head * 0.8, y));
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygonF({QPointF(tipX, y), QPointF(tipX + dir * head, y - head * 0.8),
                                 QPointF(tipX + dir * head, y + head * 0.8)}));
        p.setPen(QPen(arrow, thick, Qt::SolidLine, Qt::FlatCap));
    };
    if (side < 0) arrowTo(r.left() + w * 0.24, r.left() + w * 0.86);
    if (side > 0) arrowTo(r.left() + w * 0.76, r.left() + w * 0.14);
    if (side == 0) {
        // Nothing closes up: the line between the walls is crossed out.
        p.setPen(QPen(ink, std::max(1.0, w * 0.08), Qt::DotLine));
        p.drawLine(At(r, 0.24, 0.5), At(r, 0.76, 0.5));
        p.setPen(
            QPen(QColor(0xD2, 0x2B, 0x2B), std::max(1.5, w * 0.11), Qt::SolidLine, Qt::RoundCap));
        p.drawLine(At(r, 0.32, 0.28), At(r, 0.68, 0.72));
        p.drawLine(At(r, 0.68, 0.28), At(r, 0.32, 0.72));
    }
}

} // namespace

void PaintSpecial(QPainter& p, const QRectF& r, int index) {
    p.save();
    switch (index) {
    case 1:
        JoinIndicator(p, r, -1);
        break;
    case 2:
        JoinIndicator(p, r, 1);
        break;
    case 22:
        Glass(p, r);
        break;
    case 24:
        Joker(p, r);
        break;
    case 26:
        Rock(p, r);
        break;
    case 27:
        JoinIndicator(p, r, 0);
        break;
    case 28:
        Well(p, r);
        break;
    case 29:
        Transformer(p, r, 1);
        break;
    case 30:
        Transformer(p, r, 2);
        break;
    case 31:
        Transformer(p, r, 0);
        break;
    default:
        break;
    }
    p.restore();
}

void PaintPointer(QPainter& p, const QRectF& r) {
    const QPolygonF arrow = Unit(r, {{0.1, 0.04},
                                     {0.1, 0.8},
                                     {0.3, 0.62},
                                     {0.44, 0.94},
                                     {0.58, 0.88},
                                     {0.45, 0.57},
                                     {0.72, 0.57}});
    p.save();
    p.setPen(QPen(QColor(0, 0, 0, 70), Hair(r) * 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawPolygon(arrow.translated(r.width() * 0.06, r.height() * 0.06));
    p.setPen(QPen(Qt::black, Hair(r), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPolygon(arrow);
    p.restore();
}

} // namespace tumbla
