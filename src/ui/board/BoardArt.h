#pragma once
// What the board area draws besides the stones: the arrow of a shown gravity
// move, the busy panel and the glyphs of the gravity buttons.

#include <QColor>
#include <QRectF>

class QPainter;

namespace tumbla {

// An arrow for gravity direction 0..3 fitted into `box`, with a band of light
// running along it; `phase` counts the frames of the animation.
void PaintGravityArrow(QPainter& p, const QRectF& box, int direction, int phase);
// A plain triangle for a gravity button.
void PaintButtonGlyph(QPainter& p, const QRectF& box, int direction, const QColor& colour);
// The panel "pracuji..." with its spinner, centred on `area`.
void PaintBusyPanel(QPainter& p, const QRectF& area, int phase);

constexpr int ArrowFrames = 12;
constexpr int SpinnerFrames = 8;

} // namespace tumbla
