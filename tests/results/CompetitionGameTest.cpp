#include "results/CompetitionGame.h"

#include "results/TestSupport.h"

#include <gtest/gtest.h>

namespace tumbla {
namespace {

// Remembers what the main window would show of the situation.
struct ShownSituation : SilentGameView {
    std::int32_t number = 0;
    std::string code;
    void showSituation(std::int32_t n, std::string_view c) override {
        number = n;
        code = std::string(c);
    }
};

struct OneComputer : SystemIdentity {
    std::uint32_t buildNumber() const override { return 7; }
    std::string userName() const override { return "eva"; }
    std::string computerName() const override { return "pc"; }
    std::string processorType() const override { return "arm"; }
    std::string organisation() const override { return ""; }
    std::string owner() const override { return "Eva"; }
};

TEST(CompetitionGame, TheNameIsMadeOfWhatTheMainWindowShows) {
    ShownSituation view;
    test::FakeMessages messages;
    Game game(view, messages);
    GameSettings s;
    s.BeginNumber = 0; // the number is drawn, and the drawn one counts
    game.PutSettingsInForce(s);
    game.NewSituation();
    ASSERT_NE(view.number, 0);

    CompetitionInputs expected;
    expected.settingsCode = view.code;
    expected.situationNumber = std::to_string(view.number);
    expected.abbreviation = "EVA";
    expected.totalScore = 0;
    expected.systemText = "7evapcarmEva";
    EXPECT_EQ(ComposeCompetitionName(game, "EVA", OneComputer{}), ComposeCompetitionName(expected));
    EXPECT_EQ(ComposeCompetitionName(game, "EVA", OneComputer{}).substr(4, 4), "XEVA");
}

} // namespace
} // namespace tumbla
