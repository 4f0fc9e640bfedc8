#include "record/PositionEntry.h"

#include <gtest/gtest.h>

namespace tumbla {
namespace {

TEST(PositionEntry, TextThatIsNoWholeNumberCountsAsOne) {
    EXPECT_EQ(ReadPositionText("300"), 300);
    EXPECT_EQ(ReadPositionText(" 12 "), 12);
    EXPECT_EQ(ReadPositionText("0"), 0);
    EXPECT_EQ(ReadPositionText("-3"), -3);
    EXPECT_EQ(ReadPositionText(""), 1);
    EXPECT_EQ(ReadPositionText("4x"), 1);
    EXPECT_EQ(ReadPositionText("99999999999"), 1);
    // The 32-bit range holds to its last number on either side, and no further.
    EXPECT_EQ(ReadPositionText("2147483647"), 2147483647);
    EXPECT_EQ(ReadPositionText("2147483648"), 1);
    EXPECT_EQ(ReadPositionText("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(ReadPositionText("-2147483649"), 1);
}

TEST(PositionEntry, AcceptsOneToLast) {
    EXPECT_EQ(CheckPosition(9, 9), 9);
    EXPECT_EQ(CheckPosition(1, 2), 1);
    EXPECT_EQ(CheckPosition(300, 400), 300);
    EXPECT_FALSE(CheckPosition(10, 9));
    EXPECT_FALSE(CheckPosition(0, 9));
    EXPECT_FALSE(CheckPosition(-1, 9));
}

} // namespace
} // namespace tumbla
