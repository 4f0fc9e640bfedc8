#include "engine/Groups.h"

#include "engine/BoardText.h"
#include "engine/PlainRules.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

using namespace tumbla;
using namespace tumbla::test;

namespace {
Rules SmallRules(int joker = 0) {
    return Rules{.rows = 5, .cols = 10, .count = 5, .joker = static_cast<std::uint8_t>(joker)};
}
} // namespace

TEST(Groups, TwoTouchingStonesFormAGroupButCornersDoNot) {
    const MoveRecord rec =
        FromRows({"11........", "..2.......", "...2......", "3.........", "4........."});
    const Rules rules = SmallRules();
    const EngineState state;
    EXPECT_TRUE(IsMoveValid(rec, rules, state, {1, 1}));
    EXPECT_TRUE(IsMoveValid(rec, rules, state, {1, 2}));
    EXPECT_FALSE(IsMoveValid(rec, rules, state, {2, 3})); // diagonal only
    EXPECT_FALSE(IsMoveValid(rec, rules, state, {4, 1})); // alone
    EXPECT_FALSE(IsMoveValid(rec, rules, state, {1, 5})); // empty
}

TEST(Groups, AJokerJoinsAnyColourButMatchesOnlyJokersWhenClicked) {
    const Rules rules = SmallRules(3);
    MoveRecord rec = FromRows({"131.......", "132......."});
    const EngineState idle;
    EXPECT_TRUE(IsMoveValid(rec, rules, idle, {1, 2})); // the two jokers touch

    MoveRecord lone = FromRows({"131.......", "5.4......."});
    EXPECT_FALSE(IsMoveValid(lone, rules, idle, {1, 2}));
    EXPECT_TRUE(IsMoveValid(lone, rules, idle, {1, 1}));

    EngineState state;
    EXPECT_EQ(RemoveGroup(lone, rules, state, 1, 1), 3);
    EXPECT_EQ(ToRows(lone, 2, 10)[0], "..........");
    EXPECT_EQ(state.ClickedColour, 1);
    EXPECT_EQ(state.ColourCounters[1], 3); // jokers count as the clicked colour
    EXPECT_EQ(lone.Removed, 3);

    MoveRecord mixed = FromRows({"132......."});
    EXPECT_EQ(RemoveGroup(mixed, rules, state, 1, 1), 2);
    EXPECT_EQ(ToRows(mixed, 1, 10)[0], "..2.......");
}

TEST(Groups, RemoveGroupFollowsJokersToMoreOfTheClickedColour) {
    const Rules rules = SmallRules(3);
    MoveRecord rec = FromRows({"1.........", "3.........", "3331......", "...1......"});
    EngineState state;
    EXPECT_EQ(RemoveGroup(rec, rules, state, 1, 1), 7);
    EXPECT_EQ(ToRows(rec, 4, 10),
              (std::vector<std::string>{"..........", "..........", "..........", ".........."}));

    // Which listed groups take jokers along: the 1s joined through the jokers,
    // not the 2s that no joker touches, nor the jokers listed alone.
    const MoveRecord before = FromRows({"1.........", "3.........", "3331......", "...1.22..."});
    CandidateList list;
    JokerTakers takers;
    ListGroups(before, rules, list, &takers);
    EXPECT_EQ(std::vector<int>(list.items.begin(), list.items.begin() + list.count),
              (std::vector<int>{101, 406, 201}));
    EXPECT_EQ(takers.count(), 1U);
    EXPECT_TRUE(takers[0]);
    ListGroups(before, SmallRules(), list, &takers);
    EXPECT_TRUE(takers.none());
}

TEST(Groups, TheTransformerNeedsAColourNeighbourAndAnOpenLock) {
    const Rules rules = SmallRules();
    MoveRecord rec = FromRows({"R.........", ".T........", "..2......."});
    EngineState state;
    EXPECT_TRUE(IsMoveValid(rec, rules, state, {2, 2}));
    state.MoveLock = true;
    EXPECT_FALSE(IsMoveValid(rec, rules, state, {2, 2}));
    state.MoveLock = false;
    rec.board.at(3, 3) = StoneWell;
    EXPECT_FALSE(IsMoveValid(rec, rules, state, {2, 2})); // rocks and wells do not count
    EXPECT_FALSE(IsMoveValid(rec, rules, state, {1, 1})); // a rock is never clicked
}

TEST(Groups, AGravityChangeIsValidOnlyToAnotherDirection) {
    const Rules rules = SmallRules();
    MoveRecord rec;
    const EngineState state;
    EXPECT_FALSE(IsMoveValid(rec, rules, state, {0, GravityDown}));
    EXPECT_TRUE(IsMoveValid(rec, rules, state, {0, GravityUp}));
    EXPECT_FALSE(IsMoveValid(rec, rules, state, {0, 4}));
}

TEST(Groups, ARecordedMoveIsRepeatedByAnyStoneOfItsGroup) {
    const Rules rules = SmallRules(3);
    const MoveRecord rec = FromRows({"1131......", "22..1....."});
    EXPECT_TRUE(IsSameRecordedMove(rec, rules, {1, 2}, {1, 1}));
    EXPECT_TRUE(IsSameRecordedMove(rec, rules, {1, 4}, {1, 1}));  // through the joker
    EXPECT_FALSE(IsSameRecordedMove(rec, rules, {2, 5}, {1, 1})); // same colour, other group
    EXPECT_FALSE(IsSameRecordedMove(rec, rules, {2, 1}, {1, 1})); // other colour
    EXPECT_FALSE(IsSameRecordedMove(rec, rules, {2, 3}, {2, 4})); // empty cell
    EXPECT_TRUE(IsSameRecordedMove(rec, rules, {0, 2}, {0, 2}));
    EXPECT_FALSE(IsSameRecordedMove(rec, rules, {0, 1}, {0, 2}));
    EXPECT_FALSE(IsSameRecordedMove(rec, rules, {1, 1}, {0, 2}));
    EXPECT_FALSE(
        IsSameRecordedMove(rec, rules, {2, 3}, {0, 2})); // an empty cell against a gravity change
}

TEST(Groups, ListGroupsGivesEachColourGroupThenJokerGroups) {
    // Joker 3 between colour 1 and colour 2 belongs to both; two jokers make a third.
    const Rules rules = SmallRules(3);
    MoveRecord rec = FromRows({"132.......", ".33.......", "44........"});
    CandidateList list;
    ListGroups(rec, rules, list);
    ASSERT_EQ(list.count, 4);
    EXPECT_EQ(list.items[0], 101);
    EXPECT_EQ(list.items[1], 103);
    EXPECT_EQ(list.items[2], 301);
    EXPECT_EQ(list.items[3], 102); // jokers alone, second pass

    CandidateList none;
    ListGroups(FromRows({"1234512345"}), SmallRules(), none);
    EXPECT_EQ(none.count, 0);
}

TEST(Groups, CodesNoValidBoardHoldsAreNeverClicked) {
    const Rules rules = SmallRules();
    MoveRecord rec;
    rec.board.at(1, 1) = 50;
    rec.board.at(1, 2) = 50;
    EngineState state;
    EXPECT_FALSE(IsMoveValid(rec, rules, state, {1, 1}));
    EXPECT_EQ(RemoveGroup(rec, rules, state, 1, 1), 0);
    EXPECT_EQ(rec.board.at(1, 1), 50);
    EXPECT_FALSE(IsMoveValid(rec, rules, state, {200, 200}));
}

TEST(Groups, ListGroupsAgreesWithAPlainFloodFillOnRandomBoards) {
    std::mt19937 rng(5);
    for (int round = 0; round < 2000; ++round) {
        const Rules rules{.rows = 5 + static_cast<int>(rng() % 11),
                          .cols = 10 + static_cast<int>(rng() % 16),
                          .count = 4 + static_cast<int>(rng() % 5)};
        MoveRecord rec;
        const unsigned emptyShare = rng() % 70;
        for (int r = 1; r <= rules.rows; ++r)
            for (int c = 1; c <= rules.cols; ++c)
                rec.board.at(r, c) =
                    rng() % 100 < emptyShare ? 0 : static_cast<StoneCode>(1 + rng() % rules.count);
        // Special stones never belong to a group.
        for (StoneCode special : {StoneRock, StoneWell, TransformerPlus, TransformerMinus})
            if (rng() % 2)
                rec.board.at(1 + static_cast<int>(rng() % static_cast<unsigned>(rules.rows)),
                             1 + static_cast<int>(rng() % static_cast<unsigned>(rules.cols))) =
                    special;
        // What lies beyond the field in force never joins a group.
        if (rng() % 4 == 0)
            FillBeyondField(rec, rules.rows, rules.cols,
                            [&rng] { return static_cast<StoneCode>(1 + rng() % 3); });

        std::vector<int> expected;
        std::array<bool, CellCount> seen{};
        for (int r = 1; r <= rules.rows; ++r)
            for (int c = 1; c <= rules.cols; ++c) {
                const StoneCode code = rec.board.at(r, c);
                if (seen[static_cast<std::size_t>(Board::Index(r, c))] || code < 1 || code > 8)
                    continue;
                std::vector<std::pair<int, int>> stack{{r, c}};
                seen[static_cast<std::size_t>(Board::Index(r, c))] = true;
                int size = 0;
                while (!stack.empty()) {
                    auto [y, x] = stack.back();
                    stack.pop_back();
                    ++size;
                    for (auto [ny, nx] :
                         {std::pair{y + 1, x}, {y - 1, x}, {y, x + 1}, {y, x - 1}}) {
                        if (ny < 1 || ny > rules.rows || nx < 1 || nx > rules.cols) continue;
                        const auto n = static_cast<std::size_t>(Board::Index(ny, nx));
                        if (seen[n] || rec.board.cells[n] != code) continue;
                        seen[n] = true;
                        stack.push_back({ny, nx});
                    }
                }
                if (size >= 2) expected.push_back(r * 100 + c);
            }

        CandidateList list;
        ListGroups(rec, rules, list);
        const std::vector<int> actual(list.items.begin(), list.items.begin() + list.count);
        ASSERT_EQ(actual, expected) << "round " << round;
    }
}

TEST(Groups, ListGroupsWithJokersAgreesWithThePlainRulesOnRandomBoards) {
    std::mt19937 rng(11);
    for (int round = 0; round < 2000; ++round) {
        Rules rules{.rows = 5 + static_cast<int>(rng() % 11),
                    .cols = 10 + static_cast<int>(rng() % 16),
                    .count = 4 + static_cast<int>(rng() % 5)};
        rules.joker = static_cast<std::uint8_t>(1 + rng() % static_cast<unsigned>(rules.count));
        MoveRecord rec;
        const unsigned emptyShare = rng() % 70;
        // Many jokers in some rounds, so that they join long chains of groups.
        const unsigned jokerShare = rng() % 40;
        for (int r = 1; r <= rules.rows; ++r)
            for (int c = 1; c <= rules.cols; ++c) {
                const unsigned roll = rng() % 100;
                rec.board.at(r, c) =
                    roll < emptyShare          ? StoneEmpty
                    : rng() % 100 < jokerShare ? rules.joker
                    : roll < emptyShare + 2
                        ? StoneRock
                        : static_cast<StoneCode>(1 + rng() % static_cast<unsigned>(rules.count));
            }
        if (rng() % 4 == 0)
            FillBeyondField(rec, rules.rows, rules.cols,
                            [&rng] { return static_cast<StoneCode>(1 + rng() % 3); });

        // The colours' groups by their first stone that is no joker, then the
        // groups of jokers alone.
        const PlainRules plain{rules};
        std::vector<int> expected;
        JokerTakers expectedTakers;
        for (const bool jokersAlone : {false, true}) {
            std::array<bool, CellCount> seen{};
            for (int r = 1; r <= rules.rows; ++r)
                for (int c = 1; c <= rules.cols; ++c) {
                    const StoneCode code = rec.board.at(r, c);
                    if (seen[static_cast<std::size_t>(Board::Index(r, c))] || code < 1 ||
                        code > 8 || (code == rules.joker) != jokersAlone)
                        continue;
                    const auto group = plain.Group(rec, r, c);
                    bool holdsJoker = false;
                    for (const auto& [y, x] : group) {
                        if (rec.board.at(y, x) == code)
                            seen[static_cast<std::size_t>(Board::Index(y, x))] = true;
                        else
                            holdsJoker = true;
                    }
                    if (group.size() < 2) continue;
                    expectedTakers.set(expected.size(), holdsJoker);
                    expected.push_back(r * 100 + c);
                }
        }

        CandidateList list;
        JokerTakers takers;
        ListGroups(rec, rules, list, &takers);
        const std::vector<int> actual(list.items.begin(), list.items.begin() + list.count);
        ASSERT_EQ(actual, expected) << "round " << round;
        ASSERT_EQ(takers, expectedTakers) << "round " << round;
    }
}
