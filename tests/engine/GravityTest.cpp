#include "engine/Gravity.h"

#include "engine/BoardText.h"
#include "engine/PlainRules.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

using namespace tumbla;
using namespace tumbla::test;

namespace {

Rules ColumnRules(int rows, int glassColour = 0, bool rocks = false, bool wells = false) {
    return Rules{.rows = rows,
                 .cols = 10,
                 .count = 8,
                 .glass = static_cast<std::uint8_t>(glassColour),
                 .closeUp = 0,
                 .barriers = rocks || wells,
                 .wells = wells};
}

} // namespace

TEST(Gravity, StonesFallDownAndKeepTheirOrder) {
    MoveRecord rec = ColumnFromBottom("1.2", 10);
    EXPECT_TRUE(ApplyGravity(rec, ColumnRules(10), GravityDown, true));
    EXPECT_EQ(ColumnBottomUp(rec, 10), "12........");
    EXPECT_FALSE(ApplyGravity(rec, ColumnRules(10), GravityDown, true));
}

TEST(Gravity, StonesRestOnARock) {
    MoveRecord rec = ColumnFromBottom("....R..3..", 10); // rock at row 6, stone at row 3
    ApplyGravity(rec, ColumnRules(10, 0, true), GravityDown, true);
    EXPECT_EQ(ColumnBottomUp(rec, 10), "....R3....");
}

TEST(Gravity, AWellSwallowsUpToTheNextBarrier) {
    // Well at row 8, rock at row 4.
    const Rules rules = ColumnRules(10, 0, true, true);
    MoveRecord down = ColumnFromBottom("12W345R678", 10);
    ApplyGravity(down, rules, GravityDown, true);
    EXPECT_EQ(ColumnBottomUp(down, 10), "12W...R678");

    MoveRecord up = ColumnFromBottom("12W345R678", 10);
    ApplyGravity(up, rules, GravityUp, true);
    EXPECT_EQ(ColumnBottomUp(up, 10), "..W345R678");
}

TEST(Gravity, GlassBreaksWhenItFallsOrIsFallenOn) {
    const Rules rules = ColumnRules(10, 2);
    MoveRecord fallenOn = ColumnFromBottom("2.1", 10);
    ApplyGravity(fallenOn, rules, GravityDown, true);
    EXPECT_EQ(ColumnBottomUp(fallenOn, 10), "1.........");
    EXPECT_EQ(fallenOn.GlassBroken, 1);

    MoveRecord falling = ColumnFromBottom("1.223", 10);
    ApplyGravity(falling, rules, GravityDown, true);
    EXPECT_EQ(ColumnBottomUp(falling, 10), "13........");
    EXPECT_EQ(falling.GlassBroken, 2);

    MoveRecord resting = ColumnFromBottom("2", 10);
    EXPECT_FALSE(ApplyGravity(resting, rules, GravityDown, true));
    MoveRecord full = ColumnFromBottom("2111111111", 10);
    EXPECT_FALSE(ApplyGravity(full, rules, GravityDown, true));
    EXPECT_EQ(full.board.at(10, 1), 2);
}

TEST(Gravity, TheFallLineRunsOnAcrossARock) {
    // Rock at row 5, row 6 empty, glass at row 4.
    MoveRecord rec = ColumnFromBottom("1111.R2111", 10);
    ApplyGravity(rec, ColumnRules(10, 2, true), GravityDown, true);
    EXPECT_EQ(rec.board.at(4, 1), 1); // the glass broke and the stones above fell onto the rock
    EXPECT_EQ(ColumnBottomUp(rec, 10), "1111.R111.");
    EXPECT_EQ(rec.GlassBroken, 1);
}

TEST(Gravity, WithoutCommitTheBrokenGlassIsNotRecorded) {
    MoveRecord rec = ColumnFromBottom("2.1", 10);
    ApplyGravity(rec, ColumnRules(10, 2), GravityDown, false);
    EXPECT_EQ(rec.GlassBroken, 0);
    EXPECT_EQ(ColumnBottomUp(rec, 10), "1.........");
}

TEST(Gravity, AgreesWithTheStepByStepRulesOnRandomBoards) {
    std::mt19937 rng(2024);
    const auto anyByte = [&rng] { return static_cast<StoneCode>(rng() % 256); };
    for (int round = 0; round < 3000; ++round) {
        Rules rules;
        rules.rows = 5 + static_cast<int>(rng() % 11);
        rules.cols = 10 + static_cast<int>(rng() % 16);
        rules.count = 4 + static_cast<int>(rng() % 5);
        rules.glass = static_cast<std::uint8_t>(rng() % 2 ? 1 + rng() % rules.count : 0);
        rules.wells = rng() % 3 == 0;
        rules.barriers = rules.wells || rng() % 2;
        const int emptyShare = static_cast<int>(rng() % 60);
        MoveRecord rec;
        for (int r = 1; r <= rules.rows; ++r)
            for (int c = 1; c <= rules.cols; ++c) {
                const int roll = static_cast<int>(rng() % 100);
                StoneCode code = static_cast<StoneCode>(1 + rng() % rules.count);
                if (roll < emptyShare)
                    code = 0;
                else if (roll < emptyShare + 3)
                    code = StoneRock;
                else if (roll < emptyShare + 5)
                    code = StoneWell;
                else if (roll < emptyShare + 6)
                    code = TransformerPlus;
                else if (roll < emptyShare + 7)
                    code = static_cast<StoneCode>(202 + rng() % 54); // a damaged file's byte
                rec.board.at(r, c) = code;
            }
        // Cells beyond the field in force are never touched, whatever they hold.
        if (rng() % 4 == 0) FillBeyondField(rec, rules.rows, rules.cols, anyByte);
        const int d = static_cast<int>(rng() % 4);
        MoveRecord expected = rec;
        const PlainRules::Fall fall = PlainRules{rules}.Gravity(expected, d);
        if (fall.changed) expected.GlassBroken = static_cast<std::uint16_t>(fall.broken);
        MoveRecord actual = rec;
        EXPECT_EQ(ApplyGravity(actual, rules, d, true), fall.changed);
        ASSERT_EQ(actual, expected) << "round " << round << " direction " << d;
    }
}

TEST(Gravity, ClosingUpPacksTowardTheJoinSide) {
    Rules rules{.rows = 5, .cols = 10, .count = 8, .closeUp = 1};
    MoveRecord rec =
        FromRows({"..........", "..........", "..........", "..........", ".11.1....."});
    EXPECT_TRUE(CloseUpLines(rec, rules));
    EXPECT_EQ(ToRows(rec, 5, 10)[4], ".111......"); // column 1 stays empty

    // Joining left with gravity up packs toward the last column.
    MoveRecord up = FromRows({"1.1...1..."});
    up.Gravity = GravityUp;
    CloseUpLines(up, rules);
    EXPECT_EQ(ToRows(up, 1, 10)[0], "....111...");

    rules.closeUp = 2;
    MoveRecord right = FromRows({"1.1...1..."});
    CloseUpLines(right, rules);
    EXPECT_EQ(ToRows(right, 1, 10)[0], "....111...");

    MoveRecord left = FromRows({"1.........", "..........", "1........."});
    left.Gravity = GravityLeft; // rows close up toward the bottom when joining right
    CloseUpLines(left, rules);
    EXPECT_EQ(ToRows(left, 3, 10),
              (std::vector<std::string>{"..........", "1.........", "1........."}));

    rules.closeUp = 0;
    MoveRecord kept = FromRows({"1.1......."});
    EXPECT_FALSE(CloseUpLines(kept, rules));
}

TEST(Gravity, ClosingUpAgreesWithALineByLineCopyOnRandomBoards) {
    std::mt19937 rng(77);
    const auto anyByte = [&rng] { return static_cast<StoneCode>(rng() % 256); };
    for (int round = 0; round < 2000; ++round) {
        Rules rules;
        rules.rows = 5 + static_cast<int>(rng() % 11);
        rules.cols = 10 + static_cast<int>(rng() % 16);
        rules.closeUp = static_cast<std::uint8_t>(1 + rng() % 3);
        MoveRecord rec;
        rec.Gravity = static_cast<std::uint8_t>(rng() % 4);
        const bool columns = rec.Gravity <= GravityUp;
        const int count = columns ? rules.cols : rules.rows;
        const int length = columns ? rules.rows : rules.cols;
        auto cell = [columns](MoveRecord& m, int line, int k) -> StoneCode& {
            return columns ? m.board.at(k, line) : m.board.at(line, k);
        };
        for (int i = 1; i <= count; ++i)
            if (rng() % 3 != 0)
                for (int k = 1; k <= length; ++k) cell(rec, i, k) = rng() % 4 == 0 ? anyByte() : 0;
        if (rng() % 4 == 0) FillBeyondField(rec, rules.rows, rules.cols, anyByte);

        MoveRecord expected = rec;
        PlainRules{rules}.CloseUp(expected);
        MoveRecord actual = rec;
        EXPECT_EQ(CloseUpLines(actual, rules), expected != rec) << "round " << round;
        ASSERT_EQ(actual, expected) << "round " << round << " gravity " << int{rec.Gravity};
    }
}

// The fall and closing up in one go, as a group removal makes them, on boards
// settled but for a few columns, as after a removal, or not at all, as a
// damaged file may hold them; now and then with wells, glass or rocks.
TEST(Gravity, FallAndCloseUpAgreesWithTheStepByStepRulesOnRandomBoards) {
    std::mt19937 rng(31);
    const auto anyByte = [&rng] { return static_cast<StoneCode>(rng() % 256); };
    int plainRounds = 0;
    for (int round = 0; round < 3000; ++round) {
        Rules rules;
        rules.rows = 5 + static_cast<int>(rng() % 11);
        rules.cols = 10 + static_cast<int>(rng() % 16);
        rules.count = 4 + static_cast<int>(rng() % 5);
        rules.closeUp = static_cast<std::uint8_t>(rng() % 4);
        const bool special = rng() % 4 == 0;
        if (special) {
            rules.glass = static_cast<std::uint8_t>(rng() % 2 ? 1 + rng() % rules.count : 0);
            rules.wells = rng() % 2 == 0;
            rules.barriers = rules.wells || rng() % 2;
        }
        MoveRecord rec;
        rec.Gravity = static_cast<std::uint8_t>(rng() % 5 == 0 ? rng() % 4 : 0u);
        const bool settled = rng() % 3 != 0;
        for (int c = 1; c <= rules.cols; ++c) {
            const int height = rng() % 5 == 0 ? 0 : static_cast<int>(rng() % (rules.rows + 1));
            for (int k = 0; k < height; ++k) {
                const int roll = static_cast<int>(rng() % 100);
                StoneCode code = static_cast<StoneCode>(1 + rng() % rules.count);
                if (roll < 2)
                    code = StoneRock;
                else if (roll < 3)
                    code = TransformerPlus;
                else if (roll < 4 && rng() % 4 == 0)
                    code = rng() % 2 ? StoneWell : static_cast<StoneCode>(202 + rng() % 54);
                rec.board.at(rules.rows - k, c) = code;
            }
            // A removal leaves gaps in a few columns; a damaged file anywhere.
            if (!settled || rng() % 4 == 0)
                for (int r = 1; r <= rules.rows; ++r)
                    if (rng() % 3 == 0) rec.board.at(r, c) = StoneEmpty;
        }
        if (rng() % 4 == 0) FillBeyondField(rec, rules.rows, rules.cols, anyByte);
        rec.GlassBroken = 7;

        MoveRecord expected = rec;
        const PlainRules plain{rules};
        const PlainRules::Fall fall = plain.Gravity(expected, expected.Gravity);
        if (fall.changed) expected.GlassBroken = static_cast<std::uint16_t>(fall.broken);
        plain.CloseUp(expected);
        MoveRecord actual = rec;
        FallAndCloseUp(actual, rules);
        ASSERT_EQ(actual, expected) << "round " << round;
        plainRounds += !special && rec.Gravity == GravityDown;
    }
    EXPECT_GT(plainRounds, 1500);
}

TEST(Gravity, OddDirectionsAndGravityValuesChangeNothing) {
    MoveRecord rec = ColumnFromBottom("1.2", 10);
    const MoveRecord before = rec;
    EXPECT_FALSE(ApplyGravity(rec, ColumnRules(10), 7, true));
    rec.Gravity = 9;
    Rules rules = ColumnRules(10);
    rules.closeUp = 1;
    EXPECT_FALSE(CloseUpLines(rec, rules));
    rec.Gravity = before.Gravity;
    EXPECT_EQ(rec, before);
}
