#include "AdvisorGames.h"

#include "advisor/Advisor.h"
#include "advisor/GameAnalysis.h"
#include "advisor/LineCheck.h"
#include "record/Search.h"

#include <thread>

namespace tumbla::test {
namespace {

AdvisorResult Advise(const SavedGame& game, std::uint64_t playouts, int threads,
                     std::uint64_t seed = 1) {
    AdvisorLimits limits;
    limits.playouts = playouts;
    limits.threads = threads;
    limits.seed = seed;
    return Advisor(game, limits).Run();
}

// Every rule set, from position 1 and from a position in the middle of a game:
// the game agrees with every score, and a budget of playouts, a seed and a
// thread count always give the same line.
TEST(Advisor, ItsScoreIsTheGamesAndASeedGivesOneLine) {
    for (const GameSettings& settings : AllRuleSets()) {
        SCOPED_TRACE(SettingsCodeFromSettings(settings));
        AdvisorGame g;
        g.start(settings, 7);
        const AdvisorResult first = Advise(g.saved(), 60, 1);
        ASSERT_TRUE(first.honest) << first.error;
        ASSERT_FALSE(first.line.empty());
        EXPECT_EQ(first.playouts, 60u);
        // The line's total is what a player clicking it reaches.
        EXPECT_TRUE(CheckLine(g.saved(), first.line, first.score).honest);
        EXPECT_FALSE(CheckLine(g.saved(), first.line, first.score + 1).honest);
        // A budget that lasts past the beam's first line into the nested search.
        const AdvisorResult longer = Advise(g.saved(), 3000, 1);
        ASSERT_TRUE(longer.honest) << longer.error;
        EXPECT_EQ(longer.playouts, 3000u);

        const auto half = first.line.begin() + static_cast<long>(first.line.size() / 2);
        g.play(std::vector<int>(first.line.begin(), half));
        for (int threads : {1, 2}) {
            const AdvisorResult a = Advise(g.saved(), 80, threads, 5);
            const AdvisorResult b = Advise(g.saved(), 80, threads, 5);
            ASSERT_TRUE(a.honest) << a.error;
            EXPECT_EQ(a.line, b.line);
            EXPECT_EQ(a.score, b.score);
        }
    }
}

TEST(Advisor, AFinishedGameHasTheEmptyLineAndItsTotal) {
    AdvisorGame g;
    g.start(FromCode("GL500BA0B"), 3);
    g.play(Advise(g.saved(), 50, 1).line);
    ASSERT_TRUE(g.game.GameOver());
    const AdvisorResult done = Advise(g.saved(), 50, 1);
    EXPECT_TRUE(done.honest) << done.error;
    EXPECT_TRUE(done.line.empty());
    EXPECT_EQ(done.score, g.game.Current().TotalScore);
}

TEST(Advisor, TheLinesOfAFullHistoryStopAtItsEnd) {
    AdvisorGame g;
    // Gravity changes and back without end fill the history: no move is left.
    g.start(Special(1, false, 0, 0, 0, false, 15), 2);
    const SavedGame start = g.saved();
    SavedGame full = start;
    full.positions.resize(Game::HistorySize, start.positions.back());
    const AdvisorResult none = Advise(full, 20, 1);
    EXPECT_TRUE(none.honest) << none.error;
    EXPECT_TRUE(none.line.empty());
}

// A few moves from the end the exhaustive search finishes; the advisor must
// reach the optimum it proves.
TEST(Advisor, FindsTheExhaustiveSearchsOptimumNearTheEnd) {
    int compared = 0;
    for (const GameSettings& settings : AllRuleSets()) {
        SCOPED_TRACE(SettingsCodeFromSettings(settings));
        AdvisorGame g;
        g.start(settings, 11);
        const std::vector<int> line = Advise(g.saved(), 40, 1).line;
        // Back from the end to a position after a group removal (the lock
        // clear, as the search starts) with a small tree below it.
        for (std::size_t back = 4; back <= line.size() && back <= 8; ++back) {
            AdvisorGame cut;
            cut.start(settings, 11);
            cut.play(std::vector<int>(line.begin(), line.end() - static_cast<long>(back)));
            if (cut.game.CurrentPosition() > 1 && cut.game.MoveLock()) continue;
            SearchMemory memory;
            Search search(cut.game.CurrentRules(), memory);
            search.SetLeafLimit(3000);
            search.StartSearch(cut.game.Current());
            if (!search.Complete()) break;
            const AdvisorResult advice = Advise(cut.saved(), 6000, 1);
            ASSERT_TRUE(advice.honest) << advice.error;
            EXPECT_EQ(advice.score, search.HighestScore()) << back << " moves from the end";
            ++compared;
        }
    }
    EXPECT_GE(compared, 8);
}

TEST(Advisor, AStopEndsTheRunPromptlyWithAnHonestLine) {
    AdvisorGame g;
    g.start(FromCode("OY817GA2B"), 4);
    AdvisorLimits limits;
    limits.time = std::chrono::seconds(60);
    limits.threads = 2;
    Advisor advisor(g.saved(), limits);
    std::vector<AdvisorProgress> reports;
    advisor.SetProgressHandler([&](const AdvisorProgress& p) { reports.push_back(p); },
                               std::chrono::milliseconds(5));
    const auto started = std::chrono::steady_clock::now();
    std::thread stopper([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        advisor.RequestStop();
    });
    const AdvisorResult result = advisor.Run();
    stopper.join();
    // Far below the minute asked for; the margin is for a loaded machine.
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
    ASSERT_TRUE(result.honest) << result.error;
    EXPECT_FALSE(result.line.empty());
    ASSERT_FALSE(reports.empty());
    const AdvisorProgress& last = reports.back();
    EXPECT_TRUE(last.anyLine);
    EXPECT_EQ(last.bestScore, result.score);
    EXPECT_EQ(last.bestLine, result.line);
    EXPECT_GT(last.fraction, 0.0);
    EXPECT_LT(last.fraction, 0.1);
    for (std::size_t i = 1; i < reports.size(); ++i)
        EXPECT_GE(reports[i].bestScore, reports[i - 1].bestScore);
}

TEST(Advisor, AnOfferedLineIsAFloorAndAForeignOneIsRefused) {
    AdvisorGame g;
    g.start(FromCode("HO611BA0B"), 9);
    const AdvisorResult strong = Advise(g.saved(), 2000, 1);
    Advisor weak(g.saved(), AdvisorLimits{std::chrono::milliseconds(0), 1, 1, 3});
    EXPECT_TRUE(weak.Offer(strong.line));
    EXPECT_FALSE(weak.Offer({1, 1}));
    const AdvisorResult floor = weak.Run();
    EXPECT_TRUE(floor.honest) << floor.error;
    EXPECT_GE(floor.score, strong.score);
}

TEST(GameAnalysis, EachMoveGetsTheBestBeforeAndAfterIt) {
    AdvisorGame g;
    g.start(FromCode("HO611BA0B"), 5);
    // A careless game: always the first group.
    for (int i = 0; i < 8; ++i) {
        g.game.ComputeHintList();
        ASSERT_GT(g.game.HintCount(), 0);
        g.play({g.game.HintList().items[0]});
    }
    AdvisorLimits limits;
    limits.playouts = 150;
    GameAnalysis analysis(g.saved(), limits);
    std::vector<int> order;
    const std::vector<AnalysisRow> rows =
        analysis.Run([&](const AnalysisRow& row) { order.push_back(row.position); });
    ASSERT_EQ(rows.size(), 8u);
    EXPECT_EQ(order.front(), 8);
    EXPECT_EQ(order.back(), 1);
    EXPECT_EQ(analysis.Fraction(), 1.0);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const AnalysisRow& row = rows[i];
        const MoveRecord& from = g.game.Position(static_cast<int>(i) + 1);
        EXPECT_EQ(row.position, static_cast<int>(i) + 1);
        EXPECT_EQ(row.move, (Move{from.MoveRow, from.MoveCol}.code()));
        EXPECT_TRUE(row.honest);
        EXPECT_GE(row.Loss(), 0);
        // What is best after a move is best before the next one at least.
        if (i + 1 < rows.size()) {
            EXPECT_LE(row.bestAfter, rows[i + 1].bestBefore);
        }
        SavedGame upTo = g.saved();
        upTo.positions.resize(i + 1);
        EXPECT_TRUE(CheckLine(upTo, row.bestLine, row.bestBefore).honest);
    }
}

} // namespace
} // namespace tumbla::test
