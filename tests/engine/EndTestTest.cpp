#include "engine/EndTest.h"

#include "engine/BoardText.h"
#include "engine/PlayMove.h"

#include <gtest/gtest.h>

using namespace tumbla;
using namespace tumbla::testing;

namespace {
Rules FieldRules(int directions = 0, int joly = 0, bool transformer = false) {
    return Rules{.rows = 5,
                 .cols = 10,
                 .count = 8,
                 .joly = static_cast<std::uint8_t>(joly),
                 .doraz = 1,
                 .directions = static_cast<std::uint8_t>(directions),
                 .transformer = transformer};
}
const std::vector<std::string> Singles = {"..........", "..........", "..........", "1.........",
                                          "23........"};
} // namespace

TEST(EndTest, SingleStonesOfDifferentColoursEndTheGame) {
    MoveRecord rec = FromRows(Singles);
    rec.MoveRow = 1;
    EXPECT_FALSE(StoneMoveExists(rec, FieldRules()));
    EXPECT_TRUE(IsGameOver(rec, FieldRules(), EngineState{}, nullptr));
}

// 1 over 2 and a 1 two cells right of the 2: falling right puts the 1s on top of each other.
const std::vector<std::string> RightHelps = {"..........", "..........", "..........", "1.........",
                                             "2.1......."};

TEST(EndTest, AGravityChangeThatBringsAPairTogetherKeepsItAlive) {
    MoveRecord rec = FromRows(RightHelps);
    rec.MoveRow = 1;
    EXPECT_FALSE(StoneMoveExists(rec, FieldRules(15)));
    EXPECT_TRUE(GravityChangeHelps(rec, FieldRules(15), GravityRight));
    EXPECT_FALSE(GravityChangeHelps(rec, FieldRules(15), GravityLeft));
    EXPECT_FALSE(IsGameOver(rec, FieldRules(15), EngineState{}, nullptr));
    // Not in a direction the settings do not allow, nor right after a gravity change.
    EXPECT_TRUE(IsGameOver(rec, FieldRules(1 | 2 | 4), EngineState{}, nullptr));
    rec.MoveRow = 0;
    EXPECT_TRUE(IsGameOver(rec, FieldRules(15), EngineState{}, nullptr));
}

TEST(EndTest, ClosingUpAfterAGravityChangeDoesNotCount) {
    // Falling up keeps the 1s apart; only closing up the column between would join them.
    MoveRecord rec =
        FromRows({"..........", "..........", "..........", "..........", "1.1......."});
    rec.MoveRow = 1;
    EXPECT_TRUE(IsGameOver(rec, FieldRules(1 | 2), EngineState{}, nullptr));
}

TEST(EndTest, AJokerBesideAnyColourIsAMove) {
    MoveRecord rec =
        FromRows({"..........", "..........", "..........", "..........", "13........"});
    EXPECT_TRUE(StoneMoveExists(rec, FieldRules(0, 3)));
    EXPECT_FALSE(StoneMoveExists(rec, FieldRules(0, 0)));
}

TEST(EndTest, TheLockEndsTheGameUnlessAGroupIsLeft) {
    MoveRecord rec = FromRows(RightHelps);
    rec.MoveRow = 1;
    EngineState locked;
    locked.MoveLock = true;
    EXPECT_TRUE(IsGameOver(rec, FieldRules(15), locked, nullptr));
    rec.board.at(4, 2) = 1;
    EXPECT_FALSE(IsGameOver(rec, FieldRules(15), locked, nullptr));
}

// The transformer below the 1 raises it to 2, beside the 2 above it.
const std::vector<std::string> TransformerMakesPair = {"..3.3.....", "..........", "2.........",
                                                       "1.........", "T........."};

TEST(EndTest, TheTransformerKeepsTheGameAliveOnlyWhenItMakesAGroup) {
    MoveRecord helps = FromRows(TransformerMakesPair);
    helps.MoveRow = 1;
    EXPECT_FALSE(IsGameOver(helps, FieldRules(0, 0, true), EngineState{}, nullptr));
    EXPECT_TRUE(IsGameOver(helps, FieldRules(0, 0, false), EngineState{}, nullptr));
    MoveRecord useless =
        FromRows({"..........", "..........", "..........", "..........", "1T3......."});
    useless.MoveRow = 1;
    EXPECT_TRUE(IsGameOver(useless, FieldRules(0, 0, true), EngineState{}, nullptr));
}

TEST(EndTest, CollectingListsHelpfulDirectionsInOrderThenTheTransformer) {
    MoveRecord rec = FromRows(TransformerMakesPair);
    rec.MoveRow = 1;
    CandidateList list;
    IsGameOver(rec, FieldRules(15, 0, true), EngineState{}, &list);
    ASSERT_EQ(list.count, 3);
    EXPECT_EQ(list.items[0], GravityLeft);
    EXPECT_EQ(list.items[1], GravityRight);
    EXPECT_EQ(list.items[2], 501);

    CandidateList afterChange;
    ListCandidates(rec, FieldRules(15, 0, true), EngineState{}, true, afterChange);
    ASSERT_EQ(afterChange.count, 1);
    EXPECT_EQ(afterChange.items[0], 501);

    EngineState locked;
    locked.MoveLock = true;
    rec.board.at(2, 1) = 2; // a group, so the list is not empty
    CandidateList lockedList;
    ListCandidates(rec, FieldRules(15, 0, true), locked, false, lockedList);
    ASSERT_EQ(lockedList.count, 1);
    EXPECT_EQ(lockedList.items[0], 201);
}

TEST(EndTest, AnUnclickableTransformerIsNoCandidate) {
    // The transformer has no colour stone beside it; the pair of 1s elsewhere is what "helps".
    MoveRecord rec =
        FromRows({"..........", "..........", "T.........", "RR........", "11........"});
    rec.MoveRow = 1;
    CandidateList list;
    ListCandidates(rec, FieldRules(0, 0, true), EngineState{}, false, list);
    ASSERT_EQ(list.count, 1);
    EXPECT_EQ(list.items[0], 501);
}
