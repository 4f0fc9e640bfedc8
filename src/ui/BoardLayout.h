#pragma once
// Where everything of the playing area lies, in pixels of the board widget:
// the cells, the grid lines, the four gravity buttons with their frames, the
// corner of the arrow animation and the size the whole area needs.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace tumbla {

struct CellGeometry {
    int cellWidth = 22;
    int cellHeight = 22;
    int gap = 2;
    int leftOffset = 15;
    int topOffset = 15;
    int buttonSize = 22; // the gravity buttons; they must fit the margin above the field

    static constexpr CellGeometry Normal() { return {22, 22, 2, 15, 15, 22}; }
    // Started with "/B".
    static constexpr CellGeometry Large() { return {32, 32, 1, 10, 10, 26}; }

    constexpr int colPitch() const { return cellWidth + gap; }
    constexpr int rowPitch() const { return cellHeight + gap; }
    bool operator==(const CellGeometry&) const = default;
};

class BoardLayout {
  public:
    static constexpr int FrameWidth = 3; // the marker frame around a gravity button
    static constexpr int Margin = 8;     // beyond the right and bottom frames

    BoardLayout(CellGeometry geometry, int rows, int cols);

    const CellGeometry& geometry() const { return geometry_; }
    int rows() const { return rows_; }
    int cols() const { return cols_; }

    // Rows and columns count from 1, as on the Board.
    QRect cellRect(int row, int col) const;
    // The field in force, from the left edge of (1, 1) to the right edge of (rows, cols).
    QRect fieldRect() const;
    // i counts from 1; 0 x 0 when the line lies beyond the field in force.
    QRect horizontalLine(int i) const;
    QRect verticalLine(int i) const;

    QRect gravityButton(int direction) const;
    QRect gravityFrame(int direction) const;
    // The free corner above the left button, where a shown gravity move is animated.
    QRect arrowCorner() const;

    // The area the widget needs for this size of field, buttons and frames included.
    QSize areaSize() const;

    // row * 100 + col of the cell in force under p, or 0 (the gaps belong to no cell).
    int cellAt(QPoint p) const;
    // The gravity direction whose button lies under p, or -1.
    int gravityButtonAt(QPoint p) const;

  private:
    CellGeometry geometry_;
    int rows_;
    int cols_;
};

} // namespace tumbla
