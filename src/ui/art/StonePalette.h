#pragma once
// The stone colours and the shapes that tell them apart without colour.

#include <QColor>
#include <QPainterPath>
#include <QRectF>

namespace tumbla {

constexpr int StoneColourCount = 8;

// The eight stone colours, chosen to stay apart for every eye that can tell
// colours at all; sets that must also work without colour give each its own shape.
struct Hue {
    QColor base;
    QColor light;
    QColor dark;
    QColor ink; // marks drawn on the stone (pips, digits): light on dark stones, dark on light
};
Hue HueOf(int colour);

QColor Mix(const QColor& a, const QColor& b, qreal t);

// A shape of its own for every colour 1..8, filling the unit square (0..1).
QPainterPath ColourShape(int colour);
// A unit-square path placed into `r`.
QPainterPath FitPath(const QPainterPath& unit, const QRectF& r);

} // namespace tumbla
