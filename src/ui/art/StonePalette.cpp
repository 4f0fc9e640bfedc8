#include "ui/art/StonePalette.h"

#include <QTransform>

#include <cmath>

#include <algorithm>
#include <array>

namespace tumbla {

Hue HueOf(int colour) {
    // Red, blue, green, yellow, purple, cyan, orange, white: hue and lightness
    // both differ between neighbours in the list, so no two are easy to confuse.
    static const std::array<QColor, StoneColourCount> bases{
        QColor(0xE3, 0x26, 0x2C), QColor(0x2F, 0x6F, 0xE6), QColor(0x27, 0xAE, 0x4A),
        QColor(0xF7, 0xCB, 0x16), QColor(0x9A, 0x4B, 0xD9), QColor(0x1D, 0xC3, 0xD4),
        QColor(0xFF, 0x84, 0x18), QColor(0xE6, 0xE9, 0xEE)};
    const QColor base = bases[static_cast<std::size_t>(std::clamp(colour, 1, 8) - 1)];
    Hue h;
    h.base = base;
    h.light = Mix(base, Qt::white, 0.55);
    h.dark = Mix(base, Qt::black, colour == 8 ? 0.45 : 0.5);
    const bool lightStone = colour == 4 || colour == 6 || colour == 8;
    h.ink = lightStone ? QColor(0x22, 0x24, 0x2A) : QColor(0xFF, 0xFF, 0xFF);
    return h;
}

QColor Mix(const QColor& a, const QColor& b, qreal t) {
    const auto m = [t](qreal x, qreal y) { return x + (y - x) * t; };
    return QColor::fromRgbF(
        static_cast<float>(m(a.redF(), b.redF())), static_cast<float>(m(a.greenF(), b.greenF())),
        static_cast<float>(m(a.blueF(), b.blueF())), static_cast<float>(m(a.alphaF(), b.alphaF())));
}

QPainterPath FitPath(const QPainterPath& unit, const QRectF& r) {
    QTransform t;
    t.translate(r.left(), r.top());
    t.scale(r.width(), r.height());
    return t.map(unit);
}

namespace {

QPainterPath Polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

QPainterPath Star() {
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const qreal radius = (i % 2 == 0) ? 0.52 : 0.22;
        const qreal angle = -M_PI / 2 + i * M_PI / 5;
        star << QPointF(0.5 + radius * std::cos(angle), 0.56 + radius * std::sin(angle));
    }
    QPainterPath path;
    path.addPolygon(star);
    path.closeSubpath();
    return path;
}

QPainterPath Crescent() {
    QPainterPath moon;
    moon.addEllipse(QRectF(0.04, 0.04, 0.92, 0.92));
    QPainterPath bite;
    bite.addEllipse(QRectF(0.34, -0.04, 0.78, 0.78));
    return moon.subtracted(bite);
}

QPainterPath Heart() {
    QPainterPath path;
    path.moveTo(0.5, 0.95);
    path.cubicTo(0.38, 0.82, 0.02, 0.62, 0.04, 0.34);
    path.cubicTo(0.06, 0.08, 0.40, 0.02, 0.5, 0.28);
    path.cubicTo(0.60, 0.02, 0.94, 0.08, 0.96, 0.34);
    path.cubicTo(0.98, 0.62, 0.62, 0.82, 0.5, 0.95);
    path.closeSubpath();
    return path;
}

} // namespace

QPainterPath ColourShape(int colour) {
    QPainterPath path;
    switch (colour) {
    case 1: // circle
        path.addEllipse(QRectF(0.06, 0.06, 0.88, 0.88));
        return path;
    case 2: // square
        path.addRoundedRect(QRectF(0.1, 0.1, 0.8, 0.8), 0.08, 0.08);
        return path;
    case 3: // triangle
        return Polygon({{0.5, 0.04}, {0.97, 0.9}, {0.03, 0.9}});
    case 4: // diamond
        return Polygon({{0.5, 0.0}, {0.98, 0.5}, {0.5, 1.0}, {0.02, 0.5}});
    case 5:
        return Star();
    case 6:
        return Crescent();
    case 7:
        return Heart();
    default: // plus
        return Polygon({{0.33, 0.04},
                        {0.67, 0.04},
                        {0.67, 0.33},
                        {0.96, 0.33},
                        {0.96, 0.67},
                        {0.67, 0.67},
                        {0.67, 0.96},
                        {0.33, 0.96},
                        {0.33, 0.67},
                        {0.04, 0.67},
                        {0.04, 0.33},
                        {0.33, 0.33}});
    }
}

} // namespace tumbla
