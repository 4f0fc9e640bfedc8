#include "record/Game.h"

#include "engine/PlayMove.h"

#include <string>

namespace tumbla {

void Game::ComputeHintList() {
    hints_.clear();
    // Position P holds the move made from it once the player has stepped
    // back; whether P was reached by a gravity change is told by the move
    // recorded in the position before it. Position 1 counts as after a stone.
    const bool afterGravityChange = current_ > 1 && Position(current_ - 1).MoveRow == 0;
    ListCandidates(Current(), rules_, engine_, afterGravityChange, hints_);
    hintIndex_ = 0;
}

void Game::NextHint() {
    if (hints_.count == 0) ComputeHintList();
    ++hintIndex_;
    const std::string text = std::to_string(hintIndex_) + "/" + std::to_string(hints_.count);
    HideShownMove();
    if (hintIndex_ > hints_.count) {
        messages_.showInformation("Nejsou žádné další tahy.");
        hintIndex_ = 0;
        return;
    }
    view_.showHintCounter(text);
    ShowMove(Move::FromCode(hints_.items[static_cast<std::size_t>(hintIndex_ - 1)]));
}

} // namespace tumbla
