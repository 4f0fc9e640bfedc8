#include "advisor/AdvisorStart.h"

#include "record/Game.h"

namespace tumbla {

AdvisorStart StartOf(const SavedGame& game) {
    AdvisorStart start;
    start.rules = RulesFromSettings(game.settings);
    const int p = static_cast<int>(game.positions.size());
    start.position = game.positions.back();
    // Each stored position holds the move made from it, so the one before P
    // says whether P follows a gravity change.
    start.afterGravityChange =
        p >= 2 && game.positions[static_cast<std::size_t>(p - 2)].MoveRow == 0;
    start.state.MoveLock = p >= 2 && start.position.Removed == 0;
    start.movesLeft = Game::HistorySize - p;
    return start;
}

} // namespace tumbla
