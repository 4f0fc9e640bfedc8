#pragma once
// Where everything of the playing area lies, in pixels of the board widget:
// the cells, the grid lines, the four gravity buttons with their frames, the
// arrow of a shown gravity move and the size the whole area needs. The area
// grows with its cells: at the cell size of the start everything lies where it
// always did, and a larger cell takes the gaps, margins and buttons along in
// proportion.

#include "engine/MoveRecord.h"

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>

namespace tumbla {

// How the board widget numbers a cell: the code of a click on it.
constexpr int CellTag(int row, int col) {
    return Move{static_cast<std::uint8_t>(row), static_cast<std::uint8_t>(col)}.code();
}

struct CellGeometry {
    int cellWidth = 22;
    int cellHeight = 22;
    int gap = 2;
    int leftOffset = 15;
    int topOffset = 15;
    int buttonSize = 22; // the gravity buttons; they must fit the margin above the field
    // Of the buttons' frames and the margins around the field, against the
    // geometry the cells grew from.
    double scale = 1.0;

    static constexpr CellGeometry Normal() { return {22, 22, 2, 15, 15, 22, 1.0}; }
    // Started with "/B".
    static constexpr CellGeometry Large() { return {32, 32, 1, 10, 10, 26, 1.0}; }
    // The largest cell the area grows to.
    static constexpr int MaxCell = 400;

    // This geometry grown to cells of `cell` pixels; a smaller cell keeps it as it is.
    CellGeometry grownTo(int cell) const;
    // `pixels` of the geometry the cells grew from, at the size in force.
    int scaled(int pixels) const;

    constexpr int colPitch() const { return cellWidth + gap; }
    constexpr int rowPitch() const { return cellHeight + gap; }
    bool operator==(const CellGeometry&) const = default;
};

class BoardLayout {
  public:
    BoardLayout(CellGeometry geometry, int rows, int cols, QPoint origin = {});
    // The largest cells from `base` up whose area fits `space`, centred in it.
    // When not even `base` fits, the area keeps `base` and the top left corner.
    static BoardLayout Fitting(CellGeometry base, int rows, int cols, QSize space);

    const CellGeometry& geometry() const { return geometry_; }
    int rows() const { return rows_; }
    int cols() const { return cols_; }
    // Where the area's top left corner lies in the widget.
    QPoint origin() const { return origin_; }

    // Rows and columns count from 1, as on the Board.
    QRect cellRect(int row, int col) const;
    QRect cellRect(Move cell) const { return cellRect(cell.row, cell.col); }
    // The top left corner of a cell at a place between cells, for stones in motion.
    QPointF cellCorner(double row, double col) const;
    // The field in force, from the left edge of (1, 1) to the right edge of (rows, cols).
    QRect fieldRect() const;
    // i counts from 1; 0 x 0 when the line lies beyond the field in force.
    QRect horizontalLine(int i) const;
    QRect verticalLine(int i) const;
    int lineWidth() const;

    QRect gravityButton(int direction) const;
    QRect gravityFrame(int direction) const;
    // Where a shown gravity move points: over its button, reaching out to the
    // edge of the area.
    QRect arrowBox(int direction) const;

    // The area this size of field needs, buttons and frames included.
    QSize areaSize() const;

    // The CellTag of the cell in force under p, or 0 (the gaps belong to no cell).
    int cellAt(QPoint p) const;
    // The gravity direction whose button lies under p, or -1.
    int gravityButtonAt(QPoint p) const;

  private:
    int frameWidth() const;

    CellGeometry geometry_;
    int rows_;
    int cols_;
    QPoint origin_;
};

} // namespace tumbla
