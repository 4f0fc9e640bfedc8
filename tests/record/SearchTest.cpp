// What the search shows and how it is steered: progress lines, best path
// rows, the estimate and share done, the best kept between searches, the
// leaf and depth limits, the stop and the chosen row.

#include "SearchOracle.h"
#include "SearchTestSupport.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <thread>

using namespace tumbla;
using namespace tumbla::test;

namespace {

// Three pairs apart: six orders, every one scoring 6.
MoveRecord ThreePairs() {
    return FromRows({"..........", "..........", "..........", "..........", "11.22.33.."});
}

// With joker 3: candidates 5/1 (the 2 and the joker) and 5/3 (the joker and
// the 1s). The first leaves the pair of 1s, a leaf at depth 3 worth 4; the
// second ends at once, a leaf at depth 2 worth 3.
MoveRecord DeepThenShallow() {
    return FromRows({"..........", "..........", "..........", "..........", "2311......"});
}

GameSettings WithJoker() {
    GameSettings s = KeepLines();
    s.Joly = 3;
    return s;
}

MoveRecord PlainBoard() {
    return FromRows({"..........", "43121244..", "1231442131", "2213314223", "3124231342"});
}

} // namespace

TEST(Search, ProgressLinesReadDepthCandidateCountAndBestSoFar) {
    RecordingReporter reporter;
    SearchMemory memory;
    Search search(RulesFromSettings(KeepLines()), memory, &reporter);
    search.SetProgressInterval(std::chrono::milliseconds(0));
    search.StartSearch(ThreePairs());

    ASSERT_FALSE(reporter.progress.empty());
    // Before the first child has returned the best reads -1.
    EXPECT_EQ(reporter.progress.front(), std::vector<std::string>{"1 - 1/3 - -1"});
    // The last candidate of every level, after the others returned 6.
    EXPECT_EQ(reporter.progress.back(),
              (std::vector<std::string>{"1 - 3/3 - 6", "2 - 2/2 - 6", "3 - 1/1 - -1"}));
    for (const auto& rows : reporter.progress)
        for (std::size_t r = 0; r < rows.size(); ++r)
            if (!rows[r].empty()) {
                EXPECT_EQ(rows[r].rfind(std::to_string(r + 1) + " - ", 0), 0u);
            }
    EXPECT_EQ(search.LeafCount(), 6u);
    EXPECT_EQ(search.MaxEstimate(), 6.0);
    EXPECT_EQ(reporter.estimates, std::vector<double>{6.0});
    // All six orders tie: the best path is the first in search order.
    EXPECT_EQ(search.HighestPath(), (std::vector<int>{501, 504, 507}));
}

TEST(Search, AShallowerEndPositionClearsTheRowsOfTheDeeperPath) {
    RecordingReporter reporter;
    SearchMemory memory;
    Search search(RulesFromSettings(WithJoker()), memory, &reporter);
    search.SetProgressInterval(std::chrono::milliseconds(0));
    search.StartSearch(DeepThenShallow());

    EXPECT_EQ(search.LeafCount(), 2u);
    EXPECT_EQ(search.HighestScore(), 4);
    EXPECT_EQ(search.HighestPath(), (std::vector<int>{501, 503}));
    ASSERT_FALSE(reporter.progress.empty());
    EXPECT_EQ(reporter.progress.back(), (std::vector<std::string>{"1 - 2/2 - 4", "", ""}));
    // Only the first end position beat the best of the run.
    ASSERT_EQ(reporter.paths.size(), 1u);
    EXPECT_EQ(reporter.paths[0].rows, (std::vector<std::string>{"5/1", "5/3  [=4]"}));
    EXPECT_EQ(reporter.paths[0].clearTo, 0);
    EXPECT_EQ(memory.BestScore, 4);
    EXPECT_EQ(memory.BestPathShown, 2);
}

TEST(Search, TheBestIsKeptBetweenSearchesAndOnlyABetterPathIsShown) {
    RecordingReporter reporter;
    SearchMemory memory;
    {
        Search search(RulesFromSettings(WithJoker()), memory, &reporter);
        search.StartSearch(DeepThenShallow());
    }
    ASSERT_EQ(reporter.paths.size(), 1u);

    // The same best again: nothing is written, though the run has its own highest.
    Search again(RulesFromSettings(WithJoker()), memory, &reporter);
    again.StartSearch(DeepThenShallow());
    EXPECT_EQ(reporter.paths.size(), 1u);
    EXPECT_EQ(again.HighestScore(), 4);

    // A better one replaces the path and clears the rows of the longer old one.
    Search better(RulesFromSettings(KeepLines()), memory, &reporter);
    better.StartSearch(ThreePairs());
    ASSERT_EQ(reporter.paths.size(), 2u);
    EXPECT_EQ(reporter.paths[1].rows, (std::vector<std::string>{"5/1", "5/4", "5/7  [=6]"}));
    EXPECT_EQ(reporter.paths[1].clearTo, 2);
    EXPECT_EQ(memory.BestScore, 6);
    EXPECT_EQ(memory.BestPathShown, 3);
}

TEST(Search, APositionWithoutCandidatesIsOneEndPositionAndWritesNoRows) {
    const MoveRecord lone =
        FromRows({"..........", "..........", "..........", "..........", "1234......"});
    RecordingReporter reporter;
    SearchMemory memory;
    memory.BestPathShown = 5;
    Search search(RulesFromSettings(KeepLines()), memory, &reporter);

    // Score 0 beats nothing: no path at all.
    search.StartSearch(lone);
    EXPECT_EQ(search.LeafCount(), 1u);
    EXPECT_EQ(search.NodeCount(), 1u);
    EXPECT_TRUE(reporter.paths.empty());

    MoveRecord scored = lone;
    scored.TotalScore = 50;
    search.StartSearch(scored);
    EXPECT_EQ(search.HighestScore(), 50);
    EXPECT_TRUE(search.HighestPath().empty());
    ASSERT_EQ(reporter.paths.size(), 1u);
    EXPECT_TRUE(reporter.paths[0].rows.empty());
    EXPECT_EQ(reporter.paths[0].clearTo, 5);
    EXPECT_EQ(memory.BestPathShown, 0);
}

TEST(Search, ARerunGivesTheSameCountsAndPath) {
    const Rules rules = RulesFromSettings(SmallSettings());
    SearchMemory memory;
    Search search(rules, memory);
    search.StartSearch(PlainBoard());
    const auto leaves = search.LeafCount();
    const auto nodes = search.NodeCount();
    const auto path = search.HighestPath();
    const double estimate = search.MaxEstimate();

    search.StartSearch(PlainBoard());
    EXPECT_EQ(search.LeafCount(), leaves);
    EXPECT_EQ(search.NodeCount(), nodes);
    EXPECT_EQ(search.HighestPath(), path);
    EXPECT_EQ(search.MaxEstimate(), estimate);

    SearchMemory other;
    Search fresh(rules, other);
    fresh.StartSearch(PlainBoard());
    EXPECT_EQ(fresh.LeafCount(), leaves);
    EXPECT_EQ(fresh.NodeCount(), nodes);
}

TEST(Search, EveryThousandthEndPositionReportsTheShareDone) {
    RecordingReporter reporter;
    SearchMemory memory;
    Search search(RulesFromSettings(SmallSettings()), memory, &reporter);
    const auto started = std::chrono::steady_clock::now();
    search.StartSearch(PlainBoard());
    const auto took = std::chrono::steady_clock::now() - started;

    ASSERT_EQ(reporter.shares.size(), search.LeafCount() / 1000);
    double previousEstimate = 0;
    std::int64_t previousSeconds = 0;
    for (std::size_t i = 0; i < reporter.shares.size(); ++i) {
        const SearchShareDone& share = reporter.shares[i];
        EXPECT_EQ(share.leafCount, 1000.0 * static_cast<double>(i + 1));
        EXPECT_GE(share.maxEstimate, previousEstimate);
        // Whole seconds of this search, never more than it took.
        EXPECT_GE(share.elapsedSeconds, previousSeconds);
        EXPECT_LE(std::chrono::seconds(share.elapsedSeconds), took);
        // The first second gives no estimate of years yet; later ones do.
        EXPECT_EQ(share.years > 0, share.elapsedSeconds > 0);
        previousEstimate = share.maxEstimate;
        previousSeconds = share.elapsedSeconds;
    }
    // The estimate is sent at every increase and ends at the largest.
    ASSERT_FALSE(reporter.estimates.empty());
    for (std::size_t i = 1; i < reporter.estimates.size(); ++i)
        EXPECT_GT(reporter.estimates[i], reporter.estimates[i - 1]);
    EXPECT_EQ(reporter.estimates.back(), search.MaxEstimate());
}

TEST(Search, TheLeafLimitStopsAfterExactlyThatManyEndPositions) {
    SearchMemory memory;
    Search search(RulesFromSettings(SmallSettings()), memory);
    search.SetLeafLimit(100);
    search.StartSearch(PlainBoard());
    EXPECT_EQ(search.LeafCount(), 100u);
    EXPECT_FALSE(search.Complete());

    // A limit the whole tree fits in leaves the search complete.
    Search pairs(RulesFromSettings(KeepLines()), memory);
    pairs.SetLeafLimit(6);
    pairs.StartSearch(ThreePairs());
    EXPECT_EQ(pairs.LeafCount(), 6u);
    EXPECT_TRUE(pairs.Complete());
}

TEST(Search, AStopEndsTheSearchAtTheNextCandidate) {
    RecordingReporter reporter;
    SearchMemory memory;
    Search search(RulesFromSettings(SmallSettings()), memory, &reporter);
    std::uint64_t nodesAtStop = 0;
    reporter.onEstimate = [&] {
        search.RequestStop();
        nodesAtStop = search.NodeCount();
    };
    search.StartSearch(PlainBoard());
    EXPECT_EQ(search.NodeCount(), nodesAtStop); // no node after the stop
    EXPECT_EQ(search.LeafCount(), 1u);
    EXPECT_FALSE(search.Complete());
    EXPECT_TRUE(search.Finished());
}

TEST(Search, AStopAskedBeforeTheWorkerBeginsIsNotLost) {
    SearchMemory memory;
    Search search(RulesFromSettings(SmallSettings()), memory);
    search.RequestStop();
    search.StartSearch(PlainBoard());
    EXPECT_EQ(search.NodeCount(), 1u);
    EXPECT_EQ(search.LeafCount(), 0u);
    EXPECT_FALSE(search.Complete());

    // It was that run's; the next one runs through.
    search.StartSearch(PlainBoard());
    EXPECT_TRUE(search.Complete());
    EXPECT_EQ(search.LeafCount(),
              SearchOracle(RulesFromSettings(SmallSettings())).Run(PlainBoard()).leaves);
}

TEST(Search, AStopFromTheWindowThreadEndsTheSearch) {
    // A full 15 x 25 field with eight colours would run for ages.
    GameSettings big;
    big.Rows = 15;
    big.Cols = 25;
    MoveRecord start;
    for (int r = 1; r <= 15; ++r)
        for (int c = 1; c <= 25; ++c)
            start.board.at(r, c) = static_cast<StoneCode>((r * 7 + c * 3 + r * c) % 8 + 1);

    struct Waiter : RecordingReporter {
        std::mutex mutex;
        std::condition_variable shown;
        bool any = false;
        void ShowProgress(const std::vector<std::string>&) override {
            std::lock_guard lock(mutex);
            any = true;
            shown.notify_all();
        }
    } reporter;
    SearchMemory memory;
    Search search(RulesFromSettings(big), memory, &reporter);
    search.SetProgressInterval(std::chrono::milliseconds(1));
    std::thread worker([&] { search.StartSearch(start); });
    {
        std::unique_lock lock(reporter.mutex);
        reporter.shown.wait(lock, [&] { return reporter.any; });
    }
    search.RequestStop();
    worker.join();
    EXPECT_TRUE(search.Finished());
    EXPECT_FALSE(search.Complete());
}

TEST(Search, AChosenRowSendsTheSearchOnWithTheNextCandidateOfThatDepth) {
    const Rules rules = RulesFromSettings(SmallSettings());
    const OracleResult all = SearchOracle(rules).Run(PlainBoard());
    CandidateList first;
    ListSearchCandidates(PlainBoard(), rules, EngineState{}, 1, first);
    ASSERT_GE(first.count, 2);
    ASSERT_EQ(all.leavesPerFirstMove.size(), static_cast<std::size_t>(first.count));
    const std::uint64_t firstBranch = all.leavesPerFirstMove.at(first.items[0]);
    ASSERT_GT(firstBranch, 1u);

    // Row 1 chosen at the first end position: the rest of the first branch is skipped.
    RecordingReporter reporter;
    SearchMemory memory;
    Search search(rules, memory, &reporter);
    reporter.onEstimate = [&] {
        if (search.LeafCount() == 1) search.SetTargetDepth(1);
    };
    search.StartSearch(PlainBoard());
    EXPECT_EQ(search.LeafCount(), all.leaves - firstBranch + 1);
    EXPECT_FALSE(search.Complete());

    // Row 0 ends the whole search.
    reporter.onEstimate = [&] { search.SetTargetDepth(0); };
    search.StartSearch(PlainBoard());
    EXPECT_EQ(search.LeafCount(), 1u);
    EXPECT_FALSE(search.Complete());
}
