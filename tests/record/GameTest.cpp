#include "GameFixture.h"

#include "engine/EndTest.h"

namespace tumbla::test {
namespace {

TEST(Game, NewSituationShowsPositionOneAndResetsTheGame) {
    GameFixture f;
    f.start("EJ400AA0B", 1);
    EXPECT_EQ(f.game.CurrentPosition(), 1);
    EXPECT_EQ(f.game.LastPosition(), 1);
    EXPECT_FALSE(f.game.GameOver());
    EXPECT_FALSE(f.game.MoveLock());
    // Situation 1 of 5 x 10 with four colours, worked by hand from the draw
    // rule: the first ten draws of Next(4) from seed 1, each plus one.
    const int firstRow[] = {1, 4, 1, 2, 3, 2, 1, 2, 2, 1};
    for (int c = 1; c <= 10; ++c) EXPECT_EQ(f.view.shown.at(1, c), firstRow[c - 1]);
    EXPECT_TRUE(f.screenMatches());
    EXPECT_EQ(f.view.navigation, NavigationState{});
    EXPECT_EQ(f.view.marks.count, 0);
    EXPECT_FALSE(f.view.marks.counterVisible);
    EXPECT_EQ(f.view.layout.rows, 5);
    EXPECT_EQ(f.view.layout.cols, 10);
    int stones = 0;
    for (int k = 1; k <= 4; ++k) stones += f.view.stoneCounts[static_cast<std::size_t>(k)];
    EXPECT_EQ(stones, 50);
    // The positions not reached yet are new ones.
    for (const int k : {2, 500, Game::HistorySize}) EXPECT_EQ(f.game.Position(k), MoveRecord{}) << k;
}

TEST(Game, RandomNumberIsDrawnShownAndReproduced) {
    GameFixture f;
    f.start("HO611BA0B", 0);
    const std::int32_t drawn = f.game.Settings().BeginNumber;
    const Board first = f.game.Current().board;
    GameFixture g;
    g.start("HO611BA0B", drawn);
    EXPECT_EQ(g.game.Current().board, first);
    EXPECT_EQ(f.view.events[2], "situation HO611BA0B " + std::to_string(drawn));
}

// Generation to the end, always taking the first group: every move is
// recorded, scored on top of the last total and shown as the game holds it.
TEST(Game, WholeGamePlaysToItsEnd) {
    GameFixture f;
    f.start("HO610BA0B", 17); // no gravity changes: every move is a group
    int moves = 0;
    while (!f.game.GameOver()) {
        const auto groups = f.groups();
        ASSERT_FALSE(groups.empty())
            << "a game that is not over has a group here (no gravity moves)";
        const MoveRecord before = f.game.Current();
        f.view.events.clear();
        ASSERT_EQ(f.play(groups.front()), MoveOutcome::Performed);
        ++moves;
        const MoveRecord& now = f.game.Current();
        EXPECT_EQ(f.game.CurrentPosition(), moves + 1);
        EXPECT_EQ(f.game.LastPosition(), moves + 1);
        EXPECT_EQ(now.TotalScore, before.TotalScore + now.Points);
        EXPECT_GT(now.Removed, 0);
        EXPECT_EQ(f.game.Position(moves).MoveRow, groups.front().row);
        EXPECT_EQ(f.game.Position(moves).MoveCol, groups.front().col);
        EXPECT_TRUE(f.screenMatches());
        std::vector<std::string> expected{"counter", "navigation", "cells",
                                          "gravity", "score",      "lock"};
        if (f.game.GameOver()) expected.insert(expected.end(), {"lock", "over"});
        EXPECT_EQ(f.view.events, expected);
    }
    EXPECT_EQ(f.view.gameOvers, 1);
    EXPECT_TRUE(f.view.locked);
    EXPECT_TRUE(f.game.MoveLock());
    EXPECT_TRUE(IsGameOver(f.game.Current(), f.game.CurrentRules(), f.game.Engine(), nullptr));
    // Nothing can be clicked any more.
    const int p = f.game.CurrentPosition();
    for (int r = 0; r <= 15; ++r)
        for (int c = 0; c <= 25; ++c)
            EXPECT_EQ(
                f.game.Click(Move{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(c)}),
                MoveOutcome::Refused);
    EXPECT_EQ(f.game.CurrentPosition(), p);
    EXPECT_EQ(f.view.gameOvers, 1);
}

TEST(Game, GravityChangesFollowTheLock) {
    GameFixture f;
    f.start("HO617BA0B", 5); // every direction allowed
    EXPECT_FALSE(f.game.GravityButtonEnabled(GravityDown)) << "the direction in force";
    EXPECT_TRUE(f.game.GravityButtonEnabled(GravityUp));
    EXPECT_EQ(f.view.lockGravity, GravityDown);
    EXPECT_EQ(f.game.MakeMove(0, GravityDown), MoveOutcome::Refused);

    // A full field does not move; make room first.
    ASSERT_EQ(f.play(f.groups().front()), MoveOutcome::Performed);
    ASSERT_EQ(f.game.Click(Move{0, GravityUp}), MoveOutcome::Performed);
    EXPECT_EQ(f.game.Current().Gravity, GravityUp);
    EXPECT_EQ(f.game.Current().Removed, 0);
    EXPECT_TRUE(f.game.MoveLock());
    EXPECT_TRUE(f.view.locked);
    EXPECT_TRUE(f.screenMatches());
    // Up walks the field from the last row and column back.
    ASSERT_FALSE(f.view.cellOrder.empty());
    for (std::size_t i = 1; i < f.view.cellOrder.size(); ++i)
        EXPECT_GT(f.view.cellOrder[i - 1], f.view.cellOrder[i]);

    for (int d = 0; d <= 3; ++d) EXPECT_FALSE(f.game.GravityButtonEnabled(d));
    EXPECT_EQ(f.game.MakeMove(0, GravityLeft), MoveOutcome::Refused)
        << "two gravity changes in a row";
    EXPECT_EQ(f.game.CurrentPosition(), 3);

    ASSERT_EQ(f.play(f.groups().front()), MoveOutcome::Performed);
    EXPECT_FALSE(f.game.MoveLock());
    EXPECT_EQ(f.view.lockGravity, GravityUp);
    EXPECT_TRUE(f.game.GravityButtonEnabled(GravityLeft));
    EXPECT_FALSE(f.game.GravityButtonEnabled(GravityUp));

    // Back to the start: the field is walked from row 1, column 1 again.
    f.game.GoToStart();
    ASSERT_FALSE(f.view.cellOrder.empty());
    for (std::size_t i = 1; i < f.view.cellOrder.size(); ++i)
        EXPECT_LT(f.view.cellOrder[i - 1], f.view.cellOrder[i]);
    EXPECT_TRUE(f.screenMatches());
}

TEST(Game, GravityButtonsStayOffWithoutDirections) {
    GameFixture f;
    f.start("HO610BA0B", 5);
    for (int d = 0; d <= 3; ++d) EXPECT_FALSE(f.game.GravityButtonEnabled(d));
    EXPECT_EQ(f.game.Click(Move{0, GravityUp}), MoveOutcome::Refused);
    EXPECT_EQ(f.game.Click(Move{9, 1}), MoveOutcome::Refused) << "row 9 is outside 8 rows";
    EXPECT_EQ(f.game.MakeMove(0, 7), MoveOutcome::Refused);
    EXPECT_EQ(f.game.MakeMove(99, 99), MoveOutcome::Refused);
    EXPECT_EQ(f.game.CurrentPosition(), 1);
}

TEST(Game, MoveAtTheLastPositionOfTheHistoryIsRefused) {
    GameFixture f;
    f.start("HO611BA0B", 3);
    std::vector<MoveRecord> records(Game::HistorySize, f.game.Current());
    const Move group = f.groups().front();
    for (MoveRecord& rec : records) {
        rec.MoveRow = group.row;
        rec.MoveCol = group.col;
        rec.Removed = 2;
    }
    f.game.InstallSavedGame(f.game.Settings(), records);
    ASSERT_EQ(f.game.CurrentPosition(), 1000);
    EXPECT_EQ(f.play(group), MoveOutcome::Refused);
    EXPECT_EQ(f.game.CurrentPosition(), 1000);
    EXPECT_EQ(f.game.LastPosition(), 1000);
    // One step back there is room for one more.
    f.game.StepBack();
    const auto groups = f.groups();
    ASSERT_GE(groups.size(), 2u);
    EXPECT_EQ(f.play(groups.back()), MoveOutcome::Performed);
    EXPECT_EQ(f.game.LastPosition(), 1000);
}

TEST(Game, DisplaySuppressedShowsNothing) {
    GameFixture f;
    f.start("HO611BA0B", 3);
    f.view.events.clear();
    f.game.SetDisplaySuppressed(true);
    f.game.ShowPosition(f.game.Position(1), f.game.Position(1));
    f.game.ShowScoreFields(f.game.Current());
    EXPECT_TRUE(f.view.events.empty());
}

TEST(Game, ScoreFieldsShowGlassWhenItIsInPlay) {
    GameFixture f;
    f.start("HO600BA2B", 3); // glass colour 2
    f.game.ShowScoreFields(f.game.Current());
    EXPECT_EQ(f.view.removed, "0/0");
    f.start("HO600BA0B", 3);
    f.game.ShowScoreFields(f.game.Current());
    EXPECT_EQ(f.view.removed, "0");
}

} // namespace
} // namespace tumbla::test
