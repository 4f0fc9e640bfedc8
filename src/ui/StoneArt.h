#pragma once
// The drawing of every picture of the game, at any size. Painters draw into
// the given square in device pixels; StonePictures caches what they draw.

#include <QColor>
#include <QPainterPath>
#include <QRectF>

class QPainter;

namespace tumbla {

constexpr int StoneSetCount = 15;
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

// set 0..14, colour 1..8.
void PaintStone(QPainter& p, const QRectF& r, int set, int colour);
// The special pictures by their index (1, 2, 22, 24, 26..31); others draw nothing.
void PaintSpecial(QPainter& p, const QRectF& r, int index);
// The demo's pointer.
void PaintPointer(QPainter& p, const QRectF& r);

} // namespace tumbla
