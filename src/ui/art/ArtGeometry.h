#pragma once
// Measures the painters of the stones and the special pictures share: all in
// fractions of the square they draw into, so that every size looks alike.

#include <QPointF>
#include <QRectF>

#include <algorithm>

namespace tumbla {

// The width of a fine line at this size, never under one pixel.
inline qreal Hair(const QRectF& r) {
    return std::max(1.0, r.width() / 24.0);
}

inline QRectF Inset(const QRectF& r, qreal fraction) {
    const qreal m = r.width() * fraction;
    return r.adjusted(m, m, -m, -m);
}

// The point at (x, y) of the unit square placed onto r.
inline QPointF At(const QRectF& r, qreal x, qreal y) {
    return {r.left() + x * r.width(), r.top() + y * r.height()};
}

} // namespace tumbla
