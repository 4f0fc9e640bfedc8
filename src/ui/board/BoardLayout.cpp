#include "ui/board/BoardLayout.h"

#include "engine/MoveRecord.h"

#include <algorithm>
#include <cmath>

namespace tumbla {

namespace {
// The normal look, in pixels of the geometry the cells grew from.
constexpr int FrameWidth = 3; // the marker frame around a gravity button
constexpr int Margin = 8;     // beyond the right and bottom frames
constexpr int UpButtonTop = 12;
constexpr int LeftButtonLeft = 11;
constexpr int ButtonGap = 5; // between the field and the right and bottom buttons
} // namespace

CellGeometry CellGeometry::grownTo(int cell) const {
    if (cell <= cellWidth) return *this;
    CellGeometry g = *this;
    const double k = static_cast<double>(cell) / cellWidth;
    const auto grow = [k](int pixels) { return static_cast<int>(std::lround(pixels * k)); };
    g.cellWidth = cell;
    g.cellHeight = grow(cellHeight);
    g.gap = std::max(gap, grow(gap));
    g.leftOffset = grow(leftOffset);
    g.topOffset = grow(topOffset);
    g.buttonSize = grow(buttonSize);
    g.scale = scale * k;
    return g;
}

int CellGeometry::scaled(int pixels) const {
    return std::max(1, static_cast<int>(std::lround(pixels * scale)));
}

BoardLayout::BoardLayout(CellGeometry geometry, int rows, int cols, QPoint origin)
    : geometry_(geometry), rows_(std::clamp(rows, 1, MaxRows)), cols_(std::clamp(cols, 1, MaxCols)),
      origin_(origin) {}

BoardLayout BoardLayout::Fitting(CellGeometry base, int rows, int cols, QSize space) {
    const auto fits = [&](int cell) {
        const QSize area = BoardLayout(base.grownTo(cell), rows, cols).areaSize();
        return area.width() <= space.width() && area.height() <= space.height();
    };
    int low = base.cellWidth;
    if (!fits(low)) return BoardLayout(base, rows, cols);
    int high = std::max(low, CellGeometry::MaxCell);
    while (low < high) {
        const int mid = (low + high + 1) / 2;
        if (fits(mid))
            low = mid;
        else
            high = mid - 1;
    }
    const BoardLayout grown(base.grownTo(low), rows, cols);
    const QSize area = grown.areaSize();
    const QPoint origin((space.width() - area.width()) / 2, (space.height() - area.height()) / 2);
    return BoardLayout(grown.geometry(), rows, cols, origin);
}

QRect BoardLayout::cellRect(int row, int col) const {
    const auto& g = geometry_;
    return {origin_.x() + col * g.colPitch() + g.leftOffset,
            origin_.y() + row * g.rowPitch() + g.topOffset, g.cellWidth, g.cellHeight};
}

QPointF BoardLayout::cellCorner(double row, double col) const {
    const auto& g = geometry_;
    return {origin_.x() + col * g.colPitch() + g.leftOffset,
            origin_.y() + row * g.rowPitch() + g.topOffset};
}

QRect BoardLayout::fieldRect() const {
    return cellRect(1, 1).united(cellRect(rows_, cols_));
}

int BoardLayout::lineWidth() const {
    return std::clamp(static_cast<int>(std::lround(geometry_.scale)), 1, geometry_.gap);
}

QRect BoardLayout::horizontalLine(int i) const {
    if (i < 1 || i > rows_ + 1) return {};
    const QRect first = cellRect(1, 1);
    const auto& g = geometry_;
    return {first.left() - g.gap, first.top() - g.gap + (i - 1) * g.rowPitch(),
            g.colPitch() * cols_ + lineWidth(), lineWidth()};
}

QRect BoardLayout::verticalLine(int i) const {
    if (i < 1 || i > cols_ + 1) return {};
    const QRect first = cellRect(1, 1);
    const auto& g = geometry_;
    return {first.left() - g.gap + (i - 1) * g.colPitch(), first.top() - g.gap, lineWidth(),
            g.rowPitch() * rows_ + lineWidth()};
}

int BoardLayout::frameWidth() const {
    return geometry_.scaled(FrameWidth);
}

QRect BoardLayout::gravityButton(int direction) const {
    const QRect field = fieldRect();
    const auto& g = geometry_;
    const int size = g.buttonSize;
    const int x = origin_.x();
    const int y = origin_.y();
    switch (direction) {
    case GravityDown:
        return {field.center().x() - size / 2 + 1, field.bottom() + 1 + g.scaled(ButtonGap), size,
                size};
    case GravityUp:
        return {field.center().x() - size / 2 + 1, y + g.scaled(UpButtonTop), size, size};
    case GravityLeft:
        return {x + g.scaled(LeftButtonLeft), field.center().y() - size / 2 + 1, size, size};
    case GravityRight:
        return {field.right() + 1 + g.scaled(ButtonGap), field.center().y() - size / 2 + 1, size,
                size};
    default:
        return {};
    }
}

QRect BoardLayout::gravityFrame(int direction) const {
    const int f = frameWidth();
    return gravityButton(direction).adjusted(-f, -f, f, f);
}

QRect BoardLayout::arrowBox(int direction) const {
    const QRect frame = gravityFrame(direction);
    const QRect area(origin_, areaSize());
    const int edge = geometry_.scaled(1);
    switch (direction) {
    case GravityDown:
        return frame.adjusted(0, 0, 0, area.bottom() - edge - frame.bottom());
    case GravityUp:
        return frame.adjusted(0, area.top() + edge - frame.top(), 0, 0);
    case GravityLeft:
        return frame.adjusted(area.left() + edge - frame.left(), 0, 0, 0);
    case GravityRight:
        return frame.adjusted(0, 0, area.right() - edge - frame.right(), 0);
    default:
        return {};
    }
}

QSize BoardLayout::areaSize() const {
    const QRect right = gravityFrame(GravityRight);
    const QRect down = gravityFrame(GravityDown);
    const int margin = geometry_.scaled(Margin);
    return {right.right() + 1 + margin - origin_.x(), down.bottom() + 1 + margin - origin_.y()};
}

int BoardLayout::cellAt(QPoint p) const {
    const auto& g = geometry_;
    const int x = p.x() - origin_.x() - g.leftOffset;
    const int y = p.y() - origin_.y() - g.topOffset;
    if (x < 0 || y < 0) return 0;
    const int col = x / g.colPitch();
    const int row = y / g.rowPitch();
    if (x % g.colPitch() >= g.cellWidth || y % g.rowPitch() >= g.cellHeight) return 0;
    if (row < 1 || row > rows_ || col < 1 || col > cols_) return 0;
    return CellTag(row, col);
}

int BoardLayout::gravityButtonAt(QPoint p) const {
    for (int d = GravityDown; d <= GravityRight; ++d) {
        if (gravityButton(d).contains(p)) return d;
    }
    return -1;
}

} // namespace tumbla
