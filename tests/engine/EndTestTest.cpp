#include "engine/EndTest.h"

#include "engine/BoardText.h"
#include "engine/PlainRules.h"
#include "engine/PlayMove.h"

#include <gtest/gtest.h>

#include <random>

using namespace tumbla;
using namespace tumbla::test;

namespace {
Rules FieldRules(int directions = 0, int joker = 0, bool transformer = false) {
    return Rules{.rows = 5,
                 .cols = 10,
                 .count = 8,
                 .joker = static_cast<std::uint8_t>(joker),
                 .closeUp = 1,
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

TEST(EndTest, AgreesWithAPlainSearchForAnyProductiveMoveOnRandomBoards) {
    std::mt19937 rng(1705);
    const auto anyByte = [&rng] { return static_cast<StoneCode>(rng() % 256); };
    int over = 0;
    for (int round = 0; round < 3000; ++round) {
        Rules rules;
        rules.rows = 5 + static_cast<int>(rng() % 11);
        rules.cols = 10 + static_cast<int>(rng() % 16);
        rules.count = 4 + static_cast<int>(rng() % 5);
        const auto colour = [&] { return static_cast<std::uint8_t>(1 + rng() % rules.count); };
        rules.joker = rng() % 3 == 0 ? colour() : 0;
        rules.glass = rng() % 3 == 0 ? colour() : 0;
        if (rules.glass == rules.joker) rules.glass = 0;
        rules.directions = static_cast<std::uint8_t>(rng() % 16);
        rules.wells = rng() % 3 == 0;
        rules.barriers = rules.wells || rng() % 2;
        rules.transformer = rng() % 2;
        // Sparse boards, so that the game is often over and often not.
        const int stoneShare = 2 + static_cast<int>(rng() % 30);
        MoveRecord rec;
        for (int r = 1; r <= rules.rows; ++r)
            for (int c = 1; c <= rules.cols; ++c) {
                const int roll = static_cast<int>(rng() % 100);
                rec.board.at(r, c) = roll >= stoneShare ? StoneEmpty
                                     : roll < 2         ? StoneRock
                                     : roll < 3         ? StoneWell
                                     : roll < 4
                                         ? static_cast<StoneCode>(TransformerPlus + rng() % 2)
                                         : colour();
            }
        // What lies beyond the field in force never makes or hides a move.
        if (rng() % 2) FillBeyondField(rec, rules.rows, rules.cols, anyByte);
        rec.Gravity = static_cast<std::uint8_t>(rng() % 4);
        rec.MoveRow = static_cast<std::uint8_t>(rng() % 2);
        EngineState state;
        state.MoveLock = rng() % 4 == 0;

        const PlainRules plain{rules};
        std::vector<int> helpful;
        if (!state.MoveLock && rules.directions != 0 && rec.MoveRow != 0)
            for (int d = 0; d < 4; ++d) {
                if (d == rec.Gravity || (rules.directions & (1 << d)) == 0) continue;
                MoveRecord turned = rec;
                plain.Gravity(turned, d);
                if (plain.AnyGroup(turned)) helpful.push_back(d);
            }
        // Only the first transformer counts.
        const int transformer = [&] {
            for (int r = 1; r <= rules.rows; ++r)
                for (int c = 1; c <= rules.cols; ++c)
                    if (IsTransformer(rec.board.at(r, c))) return r * 100 + c;
            return 0;
        }();
        bool transformerHelps = false;
        if (rules.transformer && !state.MoveLock && transformer != 0) {
            MoveRecord used = rec;
            plain.Transform(used, transformer / 100, transformer % 100);
            transformerHelps = plain.AnyGroup(used);
            if (transformerHelps) helpful.push_back(transformer);
        }
        const bool expectedOver =
            !plain.AnyGroup(rec) && (state.MoveLock || (helpful.empty() && !transformerHelps));
        over += expectedOver;
        ASSERT_EQ(IsGameOver(rec, rules, state, nullptr), expectedOver) << "round " << round;

        CandidateList list;
        EXPECT_EQ(IsGameOver(rec, rules, state, &list), state.MoveLock || !transformerHelps)
            << "round " << round;
        ASSERT_EQ(std::vector<int>(list.items.begin(), list.items.begin() + list.count), helpful)
            << "round " << round;
    }
    // Both answers came up often enough to mean something.
    EXPECT_GT(over, 300);
    EXPECT_LT(over, 2700);
}
