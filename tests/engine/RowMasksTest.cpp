#include "engine/RowMasks.h"

#include <gtest/gtest.h>

#include <array>
#include <random>

using namespace tumbla;

// The word-at-a-time masks and the plain loops agree on any bytes at all,
// including codes no valid board holds, in every column.
TEST(RowMasks, AgreeWithThePlainLoopsOnAnyBytes) {
    std::mt19937 rng(11);
    // Two rows back to back, as on the board; the masks never read past them.
    std::array<StoneCode, 2 * MaxCols> rows{};
    const StoneCode* above = rows.data();
    const StoneCode* row = rows.data() + MaxCols;
    for (int round = 0; round < 20000; ++round) {
        // Few distinct values make equal neighbours common; sometimes any byte.
        const unsigned spread = round % 3 == 0 ? 256 : 4;
        for (StoneCode& cell : rows) {
            const auto v = static_cast<StoneCode>(rng() % spread);
            cell = spread == 256 ? v : static_cast<StoneCode>(v == 3 ? 199 + rng() % 4 : v);
        }
        ASSERT_EQ(rowmasks::ColourStones(row), rowmasks::plain::ColourStones(row));
        for (StoneCode code : {StoneEmpty, StoneCode{2}, StoneWell, row[round % MaxCols]})
            ASSERT_EQ(rowmasks::Holding(row, code), rowmasks::plain::Holding(row, code));
        ASSERT_EQ(rowmasks::SameAs(row, above), rowmasks::plain::SameAs(row, above));
        ASSERT_EQ(rowmasks::SameAsLeft(row), rowmasks::plain::SameAsLeft(row));
        for (bool rocksHold : {false, true})
            ASSERT_EQ(rowmasks::Fixed(row, rocksHold), rowmasks::plain::Fixed(row, rocksHold));
    }
}

TEST(RowMasks, EachBitIsItsOwnColumn) {
    std::array<StoneCode, MaxCols> row{};
    row[0] = 1;
    row[1] = 1;
    row[15] = 8;
    row[16] = 9;
    row[24] = StoneWell;
    EXPECT_EQ(rowmasks::ColourStones(row.data()), (1u << 0) | (1u << 1) | (1u << 15));
    EXPECT_EQ(rowmasks::SameAsLeft(row.data()) & 0x3, 1u << 1);
    EXPECT_EQ(rowmasks::Fixed(row.data(), false), 1u << 24);
    EXPECT_EQ(rowmasks::Empty(row.data()) >> 24, 0u);
}
