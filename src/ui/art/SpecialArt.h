#pragma once
// The special pictures and the demo's pointer, drawn at any size into the
// given square in device pixels.

#include <QRectF>

class QPainter;

namespace tumbla {

// The special pictures by their index (1, 2, 22, 24, 26..31); others draw nothing.
void PaintSpecial(QPainter& p, const QRectF& r, int index);
// The demo's pointer.
void PaintPointer(QPainter& p, const QRectF& r);

} // namespace tumbla
