#include "ui/mainwindow/ClickPreview.h"

#include "record/Game.h"
#include "ui/board/BoardWidget.h"
#include "ui/mainwindow/GamePanels.h"

#include <QTimer>

namespace tumbla {

ClickPreview::ClickPreview(Game& game, BoardWidget& board, GamePanels& panels, QObject* parent)
    : QObject(parent), game_(game), board_(board), panels_(panels) {
    connect(&board_, &BoardWidget::cellHovered, this, &ClickPreview::hovered);
    connect(&board_, &BoardWidget::cursorMoved, this, [this](Move cursor) {
        cursorCell_ = cursor;
        cursorNewer_ = true;
        refresh();
        showPositionOf(cursor);
    });
    connect(&board_, &BoardWidget::animationFinished, this, &ClickPreview::refresh);
}

void ClickPreview::hovered(Move cell) {
    if (!ready_) return;
    hoveredCell_ = cell;
    cursorNewer_ = false;
    refresh();
    showPositionOf(cell);
}

void ClickPreview::showPositionOf(Move cell) {
    const bool on = cell.row > 0 && cell.col > 0;
    panels_.showPosition(cell, game_.Settings().Rating,
                         on ? game_.Current().board.at(cell.row, cell.col) : StoneCode{0});
}

void ClickPreview::refresh() {
    const Move at = cursorNewer_ || hoveredCell_.row == 0 ? cursorCell_ : hoveredCell_;
    const bool cursorShown = board_.isCursorVisible() && board_.hasFocus();
    if (!on_ || !ready_ || board_.isAnimating() || board_.isBusy() || at.row == 0 ||
        (at == cursorCell_ && at != hoveredCell_ && !cursorShown)) {
        board_.clearPreview();
        return;
    }
    board_.setPreview(at, game_.PreviewClick(at));
}

void ClickPreview::refreshSoon() {
    if (refreshPending_) return;
    refreshPending_ = true;
    QTimer::singleShot(0, this, [this] {
        refreshPending_ = false;
        refresh();
    });
}

} // namespace tumbla
