// Feeds arbitrary bytes to the saved-game reader and the replay that loading
// makes of it, then loads what the rules agree with (the whole game, or the
// positions before the first that differs) and plays on from there: nothing a
// file holds may reach outside the field, the colour table or the history,
// and a game as the replay made it replays to itself.

#include "engine/Groups.h"
#include "record/Game.h"
#include "record/SavedGame.h"
#include "record/SavedGameReplay.h"

#include <cstdlib>

#include <cstddef>
#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tumbla;
    const auto saved = UnpackSavedGame(std::span<const std::uint8_t>(data, size));
    if (!saved) return 0;
    // A number of 0 would draw one from the clock; keep runs repeatable.
    SavedGame stored = *saved;
    if (stored.settings.BeginNumber == 0) stored.settings.BeginNumber = 1;

    const ReplayedGame replayed = ReplaySavedGame(stored);
    const std::size_t p = stored.positions.size();
    if (replayed.agrees()) {
        if (replayed.positions.size() != p || !replayed.difference.empty()) std::abort();
        SavedGame again{stored.settings, replayed.positions};
        if (!ReplaySavedGame(again).agrees()) std::abort();
    } else {
        const auto k = static_cast<std::size_t>(replayed.mismatchAt);
        if (k < 1 || k > p || replayed.positions.size() != k - 1 || replayed.difference.empty())
            std::abort();
        if (replayed.positions.empty()) return 0;
    }

    static SilentGameView view;
    static SilentMessages messages;
    static Game game(view, messages);
    game.InstallSavedGame(stored.settings, replayed.positions);

    game.NextHint();
    game.ShowNextMove();
    game.StepBack();
    game.ShowNextMove();
    game.ShowNextMove();
    for (int d = 0; d <= 3; ++d) game.Click(Move{0, static_cast<std::uint8_t>(d)});
    CandidateList groups;
    ListGroups(game.Current(), game.CurrentRules(), groups);
    if (groups.count > 0) game.MakeMove(groups.items[0] / 100, groups.items[0] % 100);
    game.GoToStart();
    game.GoToLast();
    return 0;
}
