#include "Cli.h"
#include "CliSession.h"

#include "situation/SettingsCode.h"

#include <ostream>

namespace tumbla::cli {
namespace {

void PrintPosition(const Game& game, std::ostream& out) {
    const MoveRecord& rec = game.Current();
    out << "position " << game.CurrentPosition() << " gravity " << int{rec.Gravity} << " total "
        << rec.TotalScore << " removed " << rec.Removed << " glass " << rec.GlassBroken
        << " points " << rec.Points << " lock " << (game.MoveLock() ? 1 : 0) << " over "
        << (game.GameOver() ? 1 : 0) << "\n";
    const Rules& rules = game.CurrentRules();
    for (int r = 1; r <= rules.rows; ++r) {
        for (int c = 1; c <= rules.cols; ++c) out << (c > 1 ? " " : "") << int{rec.board.at(r, c)};
        out << "\n";
    }
}

} // namespace

int Play(const Arguments& args, std::ostream& out, std::ostream& err) {
    const auto session = OpenSession(args, err);
    if (!session) return 2;
    Game& game = session->game;
    out << "situation " << SettingsCodeFromSettings(game.Settings()) << " "
        << game.Settings().BeginNumber << "\n";
    PrintPosition(game, out);
    for (const TypedMove& move : session->moves) {
        if (PlayTyped(game, move))
            PrintPosition(game, out);
        else
            out << "refused " << move.text << "\n";
    }
    out << "end " << game.CurrentPosition() << " " << game.LastPosition() << "\n";
    return 0;
}

int Hints(const Arguments& args, std::ostream& out, std::ostream& err) {
    const auto session = OpenSession(args, err);
    if (!session) return 2;
    Game& game = session->game;
    for (const TypedMove& move : session->moves) PlayTyped(game, move);
    game.ComputeHintList();
    out << "hints";
    for (int i = 0; i < game.HintCount(); ++i)
        out << " " << game.HintList().items[static_cast<std::size_t>(i)];
    out << "\n";
    return 0;
}

} // namespace tumbla::cli
