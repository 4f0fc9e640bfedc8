// Feeds arbitrary bytes to the saved-game reader and, when it accepts them,
// loads them into a game and plays on from there: nothing a file holds may
// reach outside the field, the colour table or the history.

#include "engine/Groups.h"
#include "record/Game.h"
#include "record/SavedGame.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace {

class QuietMessages : public tumbla::Messages {
  public:
    void showPlain(std::string_view) override {}
    void showError(std::string_view) override {}
    void showWarning(std::string_view) override {}
    void showInformation(std::string_view) override {}
    tumbla::Answer askConfirmation(std::string_view, bool) override { return tumbla::Answer::No; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tumbla;
    const auto saved = UnpackSavedGame(std::span<const std::uint8_t>(data, size));
    if (!saved) return 0;
    // A number of 0 would draw one from the clock; keep runs repeatable.
    GameSettings settings = saved->settings;
    if (settings.BeginNumber == 0) settings.BeginNumber = 1;

    static SilentGameView view;
    static QuietMessages messages;
    static Game game(view, messages);
    game.InstallSavedGame(settings, saved->positions);

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
