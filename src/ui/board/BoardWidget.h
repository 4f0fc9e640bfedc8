#pragma once
// The playing area: the cells of the Board, the grid, the four gravity buttons
// with their markers, the arrow of a shown gravity move, the demo's pointer and
// the busy panel, in one widget. It behaves as a grid of flat buttons would:
// a cell under the mouse is highlighted until the hover reset, a shown move is
// raised, and a click is reported with the cell's row and column (row 0 and
// the direction for a gravity button). The cells grow with the widget, square
// and centred. Over the cells it may show what a click would take, and a move
// in motion. It only shows a position; the game's rules are never decided here.

#include "engine/GameSettings.h"
#include "engine/MovePreview.h"
#include "engine/MoveRecord.h"
#include "record/FallPlan.h"
#include "ui/art/StonePictures.h"
#include "ui/board/BoardLayout.h"

#include <QColor>
#include <QElapsedTimer>
#include <QWidget>

#include <memory>
#include <optional>

class QTimer;

namespace tumbla {

class FallAnimation;

class BoardWidget : public QWidget {
    Q_OBJECT
  public:
    explicit BoardWidget(QWidget* parent = nullptr);
    ~BoardWidget() override;

    // The area a field of rows x cols needs, gravity buttons and frames included.
    static QSize PreferredSize(CellGeometry geometry, int rows, int cols);

    // The geometry the cells grow from: the smallest they get.
    void setCellGeometry(CellGeometry geometry);
    const CellGeometry& baseGeometry() const { return base_; }
    // The geometry in force at the widget's size.
    const CellGeometry& cellGeometry() const { return layout_.geometry(); }
    // Fitted to the widget's size, also while it is hidden and gets no resize event.
    const BoardLayout& layout() const;
    // The cell size the widget asks its window for (never below the base).
    void setPreferredCell(int cell);
    int preferredCell() const { return preferredCell_; }

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

    // A move about to be made: a cell drawn raised, or an arrow at its gravity
    // button; `group`, what the move would take, is outlined as the preview is.
    void showMove(Move move, const MovePreview& group = {});
    void hideShownMove();
    std::optional<Move> shownMove() const { return shownMove_; }
    const MovePreview& shownGroup() const { return shownGroup_; }

    // What a click on `at` would take, outlined over the field, with its points
    // beside it. Anything that changes the board takes it away.
    void setPreview(Move at, const MovePreview& preview);
    void clearPreview();
    std::optional<Move> previewCell() const { return previewAt_; }
    const MovePreview& preview() const { return preview_; }

    // The board already shows where the move led; the picture follows the
    // plan there in about 300 ms. A click, a key or a new board ends it at once.
    void animate(const FallPlan& plan);
    void finishAnimation();
    bool isAnimating() const { return fall_ != nullptr; }
    // Holds the animation at one moment, for pictures of single frames.
    void freezeAnimationAt(int milliseconds);

    // "pracuji..." over the field; clicks and keys are ignored meanwhile.
    void setBusy(bool busy);
    bool isBusy() const { return busy_; }

    // The demo's pointer, its top-left corner in widget pixels. It keeps its
    // place on the field when the cells grow or shrink.
    void setPointerVisible(bool visible);
    void setPointerPosition(QPoint topLeft);
    QPoint pointerPosition() const;
    // Where a cell (row > 0) or a gravity button (row 0) lies.
    QRect moveRect(Move move) const;

    // Every cell forgets that the mouse was over it.
    void resetHover();

    // What the widget shows, for the window around it and for tests.
    PictureRef pictureAt(int row, int col) const;
    int highlightedCell() const { return hoverTag_; } // the CellTag of the cell, or 0
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
    void cellClicked(Move move);
    // The cell under the mouse changed; (0, 0) when the mouse is over no cell.
    void cellHovered(Move cell);
    // The keyboard cursor moved or showed; (0, direction) on a gravity button.
    void cursorMoved(Move cursor);
    void animationFinished();

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void relayout();
    void fitLayout() const;
    void updateCell(int tag);
    void updateMoveRect(std::optional<Move> move);
    void updateCursor();
    void updateAnimation();
    void advanceFall();
    void moveCursor(int key);
    int lockedTransformerTag() const;
    bool inForce(int row, int col) const;
    int gravityButtonAt(QPoint p) const;
    int pointerSize() const;
    QRect pointerRect() const;
    QRect cursorRect(Move move) const;
    QRect previewRect() const;
    QRect groupRect(const MovePreview& group) const;

    void paintCells(QPainter& p, const QRect& clip);
    void paintCell(QPainter& p, int row, int col, qreal dpr);
    void paintGravityButtons(QPainter& p, const QRect& clip);
    void paintCursor(QPainter& p);
    void paintPreview(QPainter& p);
    void paintGroup(QPainter& p, const MovePreview& group);
    int fallTime() const;

    CellGeometry base_ = CellGeometry::Normal();
    int preferredCell_ = CellGeometry::Normal().cellWidth;
    mutable BoardLayout layout_;
    mutable QSize layoutSize_{-1, -1}; // the size layout_ was fitted to
    GameSettings settings_;
    Board board_;
    int gravity_ = GravityDown;
    bool locked_ = false;
    int lockedTag_ = 0; // the transformer that shows the locked picture
    std::optional<Move> shownMove_;
    MovePreview shownGroup_;
    bool busy_ = false;

    std::optional<Move> previewAt_;
    MovePreview preview_;

    std::unique_ptr<FallAnimation> fall_;
    QElapsedTimer fallClock_;
    int fallFrozenAt_ = -1; // the moment shown instead of the clock's
    QTimer* fallTimer_ = nullptr;

    int mouseTag_ = 0;       // the cell under the mouse
    int hoverTag_ = 0;       // the cell that shows the highlight
    int hoverButton_ = -1;   // the gravity button under the mouse
    int pressedTag_ = 0;     // a cell held down by the mouse
    int pressedButton_ = -1; // a gravity button held down

    Move cursor_{1, 1};
    Move cursorCell_{1, 1}; // the cell to come back to from a gravity button
    bool cursorVisible_ = false;

    bool pointerVisible_ = false;
    QPointF pointer_{0, 0}; // in pixels of the area at the base geometry

    QTimer* hoverTimer_ = nullptr;
    QTimer* animationTimer_ = nullptr;
    int animationPhase_ = 0;
};

} // namespace tumbla
