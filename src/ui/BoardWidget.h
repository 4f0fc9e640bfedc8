#pragma once
// The playing area: the cells of the Board, the grid, the four gravity buttons
// with their markers, the arrow of a shown gravity move, the demo's pointer and
// the busy panel, in one widget. It behaves as a grid of flat buttons would:
// a cell under the mouse is highlighted until the hover reset, a shown move is
// raised, and a click is reported with the cell's row and column (row 0 and
// the direction for a gravity button). It only shows a position; the game's
// rules are never decided here.

#include "engine/GameSettings.h"
#include "engine/MoveRecord.h"
#include "ui/BoardLayout.h"
#include "ui/StonePictures.h"

#include <QColor>
#include <QWidget>

#include <optional>

class QTimer;

namespace tumbla {

class BoardWidget : public QWidget {
    Q_OBJECT
  public:
    explicit BoardWidget(QWidget* parent = nullptr);

    // The area a field of rows x cols needs, gravity buttons and frames included.
    static QSize PreferredSize(CellGeometry geometry, int rows, int cols);

    void setCellGeometry(CellGeometry geometry);
    const CellGeometry& cellGeometry() const { return layout_.geometry(); }
    const BoardLayout& layout() const { return layout_; }

    // Pictures, grid, background, the size in force and the allowed directions.
    // Redraws everything and resets the hover highlight.
    void setSettings(const GameSettings& settings);
    const GameSettings& settings() const { return settings_; }

    // Shows a position: only the cells that changed are repainted, all in one go.
    void setBoard(const Board& board);
    // One cell changed; a run of such calls is still painted in one go.
    void setCell(int row, int col, StoneCode code);
    const Board& board() const { return board_; }
    // Repaints every cell and resets the hover highlight (after a change of pictures).
    void redrawAll();

    // The marker of this direction turns red, the others black.
    void setGravity(int direction);
    int gravity() const { return gravity_; }
    // Locked: no gravity button takes a click and the transformer shows its locked picture.
    void setLocked(bool locked);
    bool isLocked() const { return locked_; }

    // A move about to be made: a cell drawn raised, or the arrow of a gravity change.
    void showMove(Move move);
    void hideShownMove();
    std::optional<Move> shownMove() const { return shownMove_; }

    // "pracuji..." over the field; clicks and keys are ignored meanwhile.
    void setBusy(bool busy);
    bool isBusy() const { return busy_; }

    // The demo's pointer, its top-left corner in widget pixels.
    void setPointerVisible(bool visible);
    void setPointerPosition(QPoint topLeft);
    QPoint pointerPosition() const { return pointer_; }
    // Where a cell (row > 0) or a gravity button (row 0) lies.
    QRect moveRect(Move move) const;

    // Every cell forgets that the mouse was over it.
    void resetHover();

    // What the widget shows, for the window around it and for tests.
    PictureRef pictureAt(int row, int col) const;
    int highlightedCell() const { return hoverTag_; } // row * 100 + col, or 0
    bool isGravityButtonVisible(int direction) const;
    bool isGravityButtonEnabled(int direction) const;
    QColor markerColour(int direction) const;
    QColor backgroundColour() const;
    QColor gridColour() const; // invalid when there is no grid
    // The keyboard cursor: a cell (row > 0) or a gravity button (row 0).
    Move cursor() const { return cursor_; }
    bool isCursorVisible() const { return cursorVisible_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The hint of the four gravity buttons.
    static const char* const GravityHint;

  signals:
    // A click on a cell in force (row 1.., col 1..) or on a gravity button (row 0, col =
    // direction).
    void cellClicked(int row, int col);
    // The cell under the mouse changed; (0, 0) when the mouse is over no cell.
    void cellHovered(int row, int col);

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void relayout();
    void updateCell(int tag);
    void updateMoveRect(std::optional<Move> move);
    void updateAnimation();
    void moveCursor(int key);
    int lockedTransformerTag() const;
    bool inForce(int row, int col) const;
    int gravityButtonAt(QPoint p) const;

    void paintCells(QPainter& p, const QRect& clip);
    void paintCell(QPainter& p, int row, int col, qreal dpr);
    void paintGravityButtons(QPainter& p, const QRect& clip);
    void paintCursor(QPainter& p);

    BoardLayout layout_;
    GameSettings settings_;
    Board board_;
    int gravity_ = GravityDown;
    bool locked_ = false;
    int lockedTag_ = 0; // the transformer that shows the locked picture
    std::optional<Move> shownMove_;
    bool busy_ = false;

    int mouseTag_ = 0;       // the cell under the mouse
    int hoverTag_ = 0;       // the cell that shows the highlight
    int hoverButton_ = -1;   // the gravity button under the mouse
    int pressedTag_ = 0;     // a cell held down by the mouse
    int pressedButton_ = -1; // a gravity button held down

    Move cursor_{1, 1};
    Move cursorCell_{1, 1}; // the cell to come back to from a gravity button
    bool cursorVisible_ = false;

    bool pointerVisible_ = false;
    QPoint pointer_{0, 0};

    QTimer* hoverTimer_ = nullptr;
    QTimer* animationTimer_ = nullptr;
    int animationPhase_ = 0;
};

} // namespace tumbla
