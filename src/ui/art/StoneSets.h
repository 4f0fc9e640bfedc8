#pragma once
// The fifteen stone sets, drawn at any size into the given square in device
// pixels; StonePictures caches what they draw.

#include <QRectF>

class QPainter;

namespace tumbla {

constexpr int StoneSetCount = 15;

// set 0..14, colour 1..8.
void PaintStone(QPainter& p, const QRectF& r, int set, int colour);

} // namespace tumbla
