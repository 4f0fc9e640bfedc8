#include "record/SavedGameReplay.h"

#include "record/Game.h"

#include <optional>

namespace tumbla {
namespace {

std::optional<std::string> Difference(const MoveRecord& stored, const MoveRecord& replayed,
                                      const Rules& rules) {
    auto field = [](std::string_view name, long long s, long long r) {
        return std::string(name) + " " + std::to_string(s) + " replayed " + std::to_string(r);
    };
    for (int r = 1; r <= rules.rows; ++r)
        for (int c = 1; c <= rules.cols; ++c)
            if (stored.board.at(r, c) != replayed.board.at(r, c))
                return field("cell " + std::to_string(r) + "/" + std::to_string(c),
                             stored.board.at(r, c), replayed.board.at(r, c));
    if (stored.Gravity != replayed.Gravity)
        return field("gravity", stored.Gravity, replayed.Gravity);
    if (stored.TotalScore != replayed.TotalScore)
        return field("total", stored.TotalScore, replayed.TotalScore);
    if (stored.Removed != replayed.Removed)
        return field("removed", stored.Removed, replayed.Removed);
    if (stored.GlassBroken != replayed.GlassBroken)
        return field("glass", stored.GlassBroken, replayed.GlassBroken);
    if (stored.Points != replayed.Points) return field("points", stored.Points, replayed.Points);
    return std::nullopt;
}

std::string MoveText(Move move) {
    if (move.isGravityChange()) return move.col <= 3 ? std::string(1, "DNLP"[move.col]) : "?";
    return std::to_string(move.row) + "/" + std::to_string(move.col);
}

} // namespace

ReplayedGame ReplaySavedGame(const SavedGame& saved) {
    ReplayedGame out;
    SilentGameView view;
    SilentMessages messages;
    Game game(view, messages);
    game.PutSettingsInForce(saved.settings);
    game.NewSituation();
    const int p = static_cast<int>(saved.positions.size());
    auto stop = [&](int k, std::string what) {
        out.mismatchAt = k;
        out.difference = std::move(what);
        for (int j = 1; j < k; ++j) out.positions.push_back(game.Position(j));
        return out;
    };
    for (int k = 1; k <= p; ++k) {
        const MoveRecord& stored = saved.positions[static_cast<std::size_t>(k - 1)];
        if (k > 1) {
            const MoveRecord& before = saved.positions[static_cast<std::size_t>(k - 2)];
            const Move move{before.MoveRow, before.MoveCol};
            // Only what a click of the player reaches counts as a move.
            if (game.Click(move) != MoveOutcome::Performed)
                return stop(k, "move " + MoveText(move) + " refused");
        }
        if (auto what = Difference(stored, game.Current(), game.CurrentRules()))
            return stop(k, std::move(*what));
    }
    out.positions.reserve(saved.positions.size());
    for (int k = 1; k <= p; ++k) out.positions.push_back(game.Position(k));
    if (p >= 1) {
        out.positions.back().MoveRow = saved.positions.back().MoveRow;
        out.positions.back().MoveCol = saved.positions.back().MoveCol;
    }
    return out;
}

} // namespace tumbla
