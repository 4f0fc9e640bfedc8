#include "record/SearchFormat.h"

#include <gtest/gtest.h>

#include <limits>

using namespace tumbla;

TEST(SearchFormat, ProgressLinesAndPathRows) {
    EXPECT_EQ(SearchProgressLine(2, 3, 5, 140), "2 - 3/5 - 140");
    EXPECT_EQ(SearchProgressLine(1, 1, 12, -1), "1 - 1/12 - -1");
    EXPECT_EQ(SearchMoveText(0), "D");
    EXPECT_EQ(SearchMoveText(1), "N");
    EXPECT_EQ(SearchMoveText(2), "L");
    EXPECT_EQ(SearchMoveText(3), "P");
    EXPECT_EQ(SearchMoveText(1203), "12/3");
    EXPECT_EQ(SearchMoveText(125), "1/25");
    EXPECT_EQ(SearchPathRow(507, false, 88), "5/7");
    EXPECT_EQ(SearchPathRow(2, true, 140), "L  [=140]");
    EXPECT_EQ(SearchPathRow(1503, true, -7), "15/3  [=-7]");
}

TEST(SearchFormat, GroupedNumbersUseTheCallersSeparators) {
    EXPECT_EQ(FormatGrouped(0, 0, ",", "."), "0");
    EXPECT_EQ(FormatGrouped(999, 0, ",", "."), "999");
    EXPECT_EQ(FormatGrouped(1000, 0, ",", "."), "1,000");
    EXPECT_EQ(FormatGrouped(1234567, 0, "\xC2\xA0", ","), "1\xC2\xA0"
                                                          "234\xC2\xA0"
                                                          "567");
    EXPECT_EQ(FormatGrouped(1234.5, 2, ".", ","), "1.234,50");
    EXPECT_EQ(FormatGrouped(0.004, 2, ",", "."), "0.00");
    EXPECT_EQ(FormatGrouped(-1234567.891, 2, ",", "."), "-1,234,567.89");
    EXPECT_EQ(FormatGrouped(1e20, 0, ",", "."), "100,000,000,000,000,000,000");
    EXPECT_EQ(FormatGrouped(std::numeric_limits<double>::infinity(), 0, ",", "."), "∞");
}

TEST(SearchFormat, ShareDoneIsTwoRightAlignedFields) {
    EXPECT_EQ(FormatShareDone(12000, 1e7, "."), "     12000 (= 0.1200000%)");
    EXPECT_EQ(FormatShareDone(1000, 1000, ","), "      1000 (=100,0000000%)");
    // Wider than ten places: nothing is cut.
    EXPECT_EQ(FormatShareDone(12345678901.0, 12345678901.0, "."), "12345678901 (=100.0000000%)");
    // A separator of two bytes is still one place.
    EXPECT_EQ(FormatShareDone(3000, 6000, "\xC2\xB7"), "      3000 (=50\xC2\xB7"
                                                       "0000000%)");
}

TEST(SearchFormat, YearsAreEstimateOverReachedTimesSeconds) {
    EXPECT_DOUBLE_EQ(EstimatedYears(1e9, 1000, 31536000), 1e6);
    EXPECT_DOUBLE_EQ(EstimatedYears(2e6, 1000, 3153600), 200.0);
    EXPECT_EQ(EstimatedYears(1e9, 1000, 0), 0.0); // the first second shows nothing yet
    EXPECT_EQ(EstimatedYears(1e9, 0, 10), 0.0);
}
