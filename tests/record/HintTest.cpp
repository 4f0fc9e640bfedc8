#include "GameFixture.h"

namespace tumbla::test {
namespace {

constexpr std::string_view NoMore = "Nejsou žádné další tahy.";

// Puts `position` in force as position 2 of a loaded game, reached by a stone move.
void LoadAsSecondPosition(GameFixture& f, std::string_view code, const Board& board) {
    std::vector<MoveRecord> records(2);
    records[0].MoveRow = 1;
    records[0].MoveCol = 1;
    records[1].board = board;
    records[1].MoveRow = 1;
    records[1].MoveCol = 1;
    records[1].Removed = 2;
    f.game.InstallSavedGame(SettingsOf(code, 1), records);
    ASSERT_EQ(f.game.CurrentPosition(), 2);
    ASSERT_EQ(f.game.Current().board, board);
}

TEST(Hint, CyclesThroughOneCandidateAndTheMessage) {
    GameFixture f;
    Board board;
    for (int r = 1; r <= 5; ++r)
        for (int c = 1; c <= 10; ++c) board.at(r, c) = (r + c) % 2 ? 1 : 2;
    board.at(1, 2) = 2; // the one group: (1,1), (1,2), (2,2)
    LoadAsSecondPosition(f, "EJ400AA0B", board);

    f.game.NextHint();
    EXPECT_EQ(f.view.hintCounter, "1/1");
    EXPECT_EQ(f.view.mark, (Move{1, 1}));
    EXPECT_TRUE(f.view.markShown);
    f.game.NextHint();
    EXPECT_EQ(f.messages.said, std::vector<std::string>{std::string(NoMore)});
    EXPECT_EQ(f.view.hintCounter, "");
    EXPECT_FALSE(f.view.markShown);
    EXPECT_EQ(f.game.HintIndex(), 0);
    f.game.NextHint();
    EXPECT_EQ(f.view.hintCounter, "1/1");
    EXPECT_EQ(f.messages.said.size(), 1u);
}

TEST(Hint, EmptyListGivesTheMessageEveryTime) {
    GameFixture f;
    Board board;
    for (int r = 1; r <= 5; ++r)
        for (int c = 1; c <= 10; ++c) board.at(r, c) = (r + c) % 2 ? 1 : 2;
    LoadAsSecondPosition(f, "EJ400AA0B", board);
    f.game.NextHint();
    f.game.NextHint();
    EXPECT_EQ(f.messages.said, (std::vector<std::string>(2, std::string(NoMore))));
    EXPECT_FALSE(f.view.markShown);
}

// Jokers on a lattice that gives every other cell exactly one joker beside
// it, the colour telling on which side: over 255 overlapping groups.
TEST(Hint, CounterDoesNotOverflowOnALongList) {
    GameFixture f;
    Board board;
    for (int r = 1; r <= 15; ++r)
        for (int c = 1; c <= 25; ++c) {
            const int sides[5][2] = {{0, 0}, {-1, 0}, {1, 0}, {0, -1}, {0, 1}};
            for (int s = 0; s < 5; ++s)
                if (((r + sides[s][0]) + 2 * (c + sides[s][1])) % 5 == 0)
                    board.at(r, c) = static_cast<StoneCode>(s == 0 ? 8 : s);
        }
    LoadAsSecondPosition(f, "OY880AA0B", board);
    f.game.ComputeHintList();
    const int n = f.game.HintCount();
    ASSERT_GT(n, 255);
    for (int i = 1; i <= n; ++i) {
        f.game.NextHint();
        ASSERT_EQ(f.view.hintCounter, std::to_string(i) + "/" + std::to_string(n));
    }
    f.game.NextHint();
    EXPECT_EQ(f.messages.said.size(), 1u);
    f.game.NextHint();
    EXPECT_EQ(f.view.hintCounter, "1/" + std::to_string(n));
}

TEST(Hint, ListIsDiscardedByMovesAndNavigation) {
    GameFixture f;
    f.start("HO610BA0B", 4);
    f.game.NextHint();
    EXPECT_GT(f.game.HintCount(), 0);
    const Move shown = f.view.mark;
    ASSERT_EQ(f.play(shown), MoveOutcome::Performed);
    EXPECT_EQ(f.game.HintCount(), 0);
    EXPECT_FALSE(f.view.markShown);
    f.game.StepBack();
    // A move marked by the hint makes "show next move" step forward.
    f.game.NextHint();
    f.game.ShowNextMove();
    EXPECT_EQ(f.game.CurrentPosition(), 2);
    EXPECT_EQ(f.game.HintCount(), 0);
}

// After stepping back, position P holds the move made from it; the hint must
// judge by the move that produced P, as MakeMove does.
TEST(Hint, GravityCandidatesFollowTheMoveThatProducedThePosition) {
    GameFixture f;
    f.start("HO617BA0B", 8);
    ASSERT_EQ(f.play(f.groups().front()), MoveOutcome::Performed);
    f.game.ComputeHintList();
    const CandidateList fresh = f.game.HintList();
    int gravity = -1;
    for (int i = 0; i < fresh.count; ++i)
        if (fresh.items[static_cast<std::size_t>(i)] < 100)
            gravity = fresh.items[static_cast<std::size_t>(i)];
    ASSERT_GE(gravity, 0) << "a gravity change helps after the first group";

    ASSERT_EQ(f.game.Click(Move{0, static_cast<std::uint8_t>(gravity)}), MoveOutcome::Performed);
    f.game.ComputeHintList();
    for (int i = 0; i < f.game.HintCount(); ++i)
        EXPECT_GE(f.game.HintList().items[static_cast<std::size_t>(i)], 100)
            << "no gravity right after one";
    ASSERT_EQ(f.play(f.groups().front()), MoveOutcome::Performed);

    f.game.StepBack();
    f.game.StepBack();
    ASSERT_EQ(f.game.CurrentPosition(), 2);
    ASSERT_EQ(f.game.Current().MoveRow, 0) << "the gravity change recorded from here";
    f.game.ComputeHintList();
    ASSERT_EQ(f.game.HintCount(), fresh.count);
    for (int i = 0; i < fresh.count; ++i)
        EXPECT_EQ(f.game.HintList().items[static_cast<std::size_t>(i)],
                  fresh.items[static_cast<std::size_t>(i)]);
    // And every gravity change it offers is one the game accepts.
    for (int i = 0; i < fresh.count; ++i) {
        const int v = fresh.items[static_cast<std::size_t>(i)];
        if (v >= 100 || v == gravity) continue;
        EXPECT_EQ(f.game.Click(Move{0, static_cast<std::uint8_t>(v)}), MoveOutcome::Performed);
        f.game.StepBack();
    }
}

} // namespace
} // namespace tumbla::test
