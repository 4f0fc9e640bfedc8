#include "engine/PlayMove.h"

#include "engine/BoardText.h"
#include "engine/EndTest.h"
#include "engine/Groups.h"

#include <gtest/gtest.h>

#include <random>

using namespace tumbla;
using namespace tumbla::test;

namespace {
const Rules Classic{.rows = 5,
                    .cols = 10,
                    .count = 4,
                    .closeUp = 1,
                    .directions = 15,
                    .rating = 0,
                    .transformer = true};
}

TEST(PlayMove, AGroupRemovalFallsClosesUpScoresAndRecordsTheMove) {
    MoveRecord rec =
        FromRows({"..........", "..........", "3.........", "11........", "22.4......"});
    rec.TotalScore = 10;
    EngineState state;
    state.MoveLock = true;
    const MoveEffects effects = PlayMove(rec, Classic, state, {5, 1});
    EXPECT_TRUE(effects.performed);
    EXPECT_EQ(ToRows(rec, 5, 10),
              (std::vector<std::string>{"..........", "..........", "..........", "3.........",
                                        "114......."}));
    EXPECT_EQ(rec.Removed, 2);
    EXPECT_EQ(rec.Points, 2);
    EXPECT_EQ(rec.TotalScore, 12);
    EXPECT_EQ(rec.MoveRow, 5);
    EXPECT_EQ(rec.MoveCol, 1);
    EXPECT_FALSE(state.MoveLock);
}

TEST(PlayMove, AGravityChangeOrTheTransformerLocksUntilAGroupIsRemoved) {
    MoveRecord rec =
        FromRows({"..........", "..........", "2.........", "1.........", "T2........"});
    EngineState state;
    PlayMove(rec, Classic, state, {0, GravityUp});
    EXPECT_EQ(rec.Gravity, GravityUp);
    EXPECT_EQ(rec.Removed, 0);
    EXPECT_EQ(rec.MoveRow, 0);
    EXPECT_EQ(rec.MoveCol, GravityUp);
    EXPECT_TRUE(state.MoveLock);
    EXPECT_EQ(ToRows(rec, 3, 10),
              (std::vector<std::string>{"22........", "1.........", "T........."}));
    EXPECT_FALSE(IsMoveValid(rec, Classic, state, {3, 1}));

    PlayMove(rec, Classic, state, {1, 1});
    EXPECT_FALSE(state.MoveLock);
    ASSERT_EQ(rec.board.at(2, 1), TransformerPlus); // it fell up with its column
    ASSERT_TRUE(IsMoveValid(rec, Classic, state, {2, 1}));
    PlayMove(rec, Classic, state, {2, 1});
    EXPECT_EQ(rec.board.at(1, 1), 2);
    EXPECT_EQ(rec.Removed, 0);
    EXPECT_EQ(rec.Points, 0);
    EXPECT_TRUE(state.MoveLock);

    // Glass that breaks in a turn of gravity frees nothing either.
    Rules glass = Classic;
    glass.glass = 3;
    MoveRecord fragile =
        FromRows({"..........", "..........", "..........", "3.........", "1........."});
    EngineState turned;
    PlayMove(fragile, glass, turned, {0, GravityUp});
    EXPECT_EQ(fragile.GlassBroken, 1);
    EXPECT_TRUE(turned.MoveLock);
}

TEST(PlayMove, MovesOffTheFieldAreRefusedUntouched) {
    MoveRecord rec = FromRows({"11........"});
    const MoveRecord before = rec;
    EngineState state;
    EXPECT_FALSE(PlayMove(rec, Classic, state, {6, 1}).performed);
    EXPECT_FALSE(PlayMove(rec, Classic, state, {1, 11}).performed);
    EXPECT_FALSE(PlayMove(rec, Classic, state, {0, 4}).performed);
    EXPECT_EQ(rec, before);
}

// Whatever a damaged file holds, a move stays inside the field in force and
// keeps its books; the sanitizer build also turns any stray access into a
// failure here.
TEST(PlayMove, DamagedPositionsAndSettingsNeverLeaveTheField) {
    std::mt19937 rng(99);
    int performed = 0;
    for (int round = 0; round < 400; ++round) {
        std::array<std::uint8_t, GameSettings::PackedSize> bytes;
        for (auto& b : bytes) b = static_cast<std::uint8_t>(rng());
        const Rules rules = RulesFromSettings(UnpackSettings(bytes));
        auto inForce = [&rules](int r, int c) { return r <= rules.rows && c <= rules.cols; };
        // Half the boards hold in the field only what a game can hold there.
        const bool sound = rng() % 2;
        auto soundCode = [&rules](StoneCode s) {
            return s <= rules.count || IsTransformer(s) || s == StoneRock || s == StoneWell;
        };
        MoveRecord rec;
        for (int r = 1; r <= MaxRows; ++r)
            for (int c = 1; c <= MaxCols; ++c) {
                StoneCode code = static_cast<StoneCode>(rng() % 4 == 0 ? rng() : 1 + rng() % 8);
                if (sound && inForce(r, c))
                    while (!soundCode(code)) code = static_cast<StoneCode>(rng() % 202);
                rec.board.at(r, c) = code;
            }
        rec.Gravity = static_cast<std::uint8_t>(rng());
        rec.MoveRow = static_cast<std::uint8_t>(rng());
        rec.TotalScore = static_cast<std::int32_t>(rng());
        EngineState state;
        state.ClickedColour = static_cast<std::uint8_t>(rng());
        for (int step = 0; step < 30; ++step) {
            CandidateList list;
            ListCandidates(rec, rules, state, rng() % 2, list);
            IsGameOver(rec, rules, state, nullptr);
            const Move move = list.count > 0 && rng() % 2
                                  ? Move::FromCode(list.items[static_cast<std::size_t>(
                                        rng() % static_cast<unsigned>(list.count))])
                                  : Move{static_cast<std::uint8_t>(rng() % 20),
                                         static_cast<std::uint8_t>(rng() % 30)};
            IsSameRecordedMove(
                rec, rules, move,
                Move{static_cast<std::uint8_t>(rng()), static_cast<std::uint8_t>(rng())});
            if (rng() % 2 != 0 && !IsMoveValid(rec, rules, state, move)) continue;

            const MoveRecord before = rec;
            const MoveEffects effects = PlayMove(rec, rules, state, move);
            if (!effects.performed) {
                ASSERT_EQ(rec, before) << "round " << round;
                continue;
            }
            ++performed;
            int stonesBefore = 0;
            int stonesAfter = 0;
            for (int r = 1; r <= MaxRows; ++r)
                for (int c = 1; c <= MaxCols; ++c) {
                    if (!inForce(r, c)) {
                        ASSERT_EQ(rec.board.at(r, c), before.board.at(r, c))
                            << "round " << round << " cell " << r << "/" << c;
                        continue;
                    }
                    stonesBefore += before.board.at(r, c) != StoneEmpty;
                    stonesAfter += rec.board.at(r, c) != StoneEmpty;
                    if (sound) {
                        ASSERT_TRUE(soundCode(rec.board.at(r, c))) << "round " << round;
                    }
                }
            // Wells swallow stones without counting them; nothing else does.
            if (!rules.wells) {
                ASSERT_EQ(stonesAfter, stonesBefore - rec.Removed - rec.GlassBroken)
                    << "round " << round;
            }
            ASSERT_EQ(static_cast<std::uint32_t>(rec.TotalScore),
                      static_cast<std::uint32_t>(before.TotalScore) +
                          static_cast<std::uint32_t>(rec.Points))
                << "round " << round;
            ASSERT_EQ(rec.MoveRow, move.row);
            ASSERT_EQ(rec.MoveCol, move.col);
        }
    }
    EXPECT_GT(performed, 2000);
}
