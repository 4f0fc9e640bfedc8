#include "advisor/LineCheck.h"

#include "advisor/AdvisorStart.h"
#include "engine/PlayMove.h"
#include "record/Game.h"

namespace tumbla {

LineCheck CheckLine(const SavedGame& game, const std::vector<int>& line, std::int32_t claimed) {
    LineCheck check;
    SilentGameView view;
    SilentMessages messages;
    Game replay(view, messages);
    replay.InstallSavedGame(game.settings, game.positions);
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (replay.Click(Move::FromCode(line[i])) != MoveOutcome::Performed) {
            check.error = "move " + std::to_string(i + 1) + " (" + std::to_string(line[i]) +
                          ") is refused by the game";
            return check;
        }
    }
    check.replayed = replay.Current().TotalScore;
    // A loaded game is not flagged over, so the end is judged as the advisor judges it.
    const AdvisorStart end = StartOf(SavedGameOf(replay));
    CandidateList left;
    ListCandidates(end.position, end.rules, end.state, end.afterGravityChange, left);
    if (left.count != 0 && end.movesLeft > 0) {
        check.error = "the line stops before the game ends";
        return check;
    }
    if (check.replayed != claimed) {
        check.error = "claimed " + std::to_string(claimed) + ", the game gives " +
                      std::to_string(check.replayed);
        return check;
    }
    check.honest = true;
    return check;
}

} // namespace tumbla
