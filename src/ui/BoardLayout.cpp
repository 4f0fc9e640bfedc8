#include "ui/BoardLayout.h"

#include "engine/MoveRecord.h"

#include <algorithm>

namespace tumbla {

BoardLayout::BoardLayout(CellGeometry geometry, int rows, int cols)
    : geometry_(geometry), rows_(std::clamp(rows, 1, MaxRows)),
      cols_(std::clamp(cols, 1, MaxCols)) {}

QRect BoardLayout::cellRect(int row, int col) const {
    const auto& g = geometry_;
    return {col * g.colPitch() + g.leftOffset, row * g.rowPitch() + g.topOffset, g.cellWidth,
            g.cellHeight};
}

QRect BoardLayout::fieldRect() const {
    return cellRect(1, 1).united(cellRect(rows_, cols_));
}

QRect BoardLayout::horizontalLine(int i) const {
    if (i < 1 || i > rows_ + 1) return {};
    const QRect first = cellRect(1, 1);
    const auto& g = geometry_;
    return {first.left() - g.gap, first.top() - g.gap + (i - 1) * g.rowPitch(),
            g.colPitch() * cols_ + 1, 1};
}

QRect BoardLayout::verticalLine(int i) const {
    if (i < 1 || i > cols_ + 1) return {};
    const QRect first = cellRect(1, 1);
    const auto& g = geometry_;
    return {first.left() - g.gap + (i - 1) * g.colPitch(), first.top() - g.gap, 1,
            g.rowPitch() * rows_ + 1};
}

QRect BoardLayout::gravityButton(int direction) const {
    const QRect field = fieldRect();
    const int size = geometry_.buttonSize;
    switch (direction) {
    case GravityDown:
        return {field.center().x() - size / 2 + 1, field.bottom() + 1 + 5, size, size};
    case GravityUp:
        return {field.center().x() - size / 2 + 1, 12, size, size};
    case GravityLeft:
        return {11, field.center().y() - size / 2 + 1, size, size};
    case GravityRight:
        return {field.right() + 1 + 5, field.center().y() - size / 2 + 1, size, size};
    default:
        return {};
    }
}

QRect BoardLayout::gravityFrame(int direction) const {
    return gravityButton(direction).adjusted(-FrameWidth, -FrameWidth, FrameWidth, FrameWidth);
}

QRect BoardLayout::arrowCorner() const {
    const QRect first = cellRect(1, 1);
    const int side = std::min(first.left(), first.top()) - geometry_.gap - 1;
    return {1, 1, side - 1, side - 1};
}

QSize BoardLayout::areaSize() const {
    const QRect right = gravityFrame(GravityRight);
    const QRect down = gravityFrame(GravityDown);
    return {right.right() + 1 + Margin, down.bottom() + 1 + Margin};
}

int BoardLayout::cellAt(QPoint p) const {
    const auto& g = geometry_;
    const int x = p.x() - g.leftOffset;
    const int y = p.y() - g.topOffset;
    if (x < 0 || y < 0) return 0;
    const int col = x / g.colPitch();
    const int row = y / g.rowPitch();
    if (x % g.colPitch() >= g.cellWidth || y % g.rowPitch() >= g.cellHeight) return 0;
    if (row < 1 || row > rows_ || col < 1 || col > cols_) return 0;
    return row * 100 + col;
}

int BoardLayout::gravityButtonAt(QPoint p) const {
    for (int d = GravityDown; d <= GravityRight; ++d) {
        if (gravityButton(d).contains(p)) return d;
    }
    return -1;
}

} // namespace tumbla
