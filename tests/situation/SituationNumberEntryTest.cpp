#include "situation/SituationNumberEntry.h"

#include <gtest/gtest.h>

namespace tumbla {
namespace {

TEST(SituationNumberEntry, DecimalWithSignAndBlanks) {
    EXPECT_EQ(ParseSituationNumber("12345"), 12345);
    EXPECT_EQ(ParseSituationNumber("-7"), -7);
    EXPECT_EQ(ParseSituationNumber("+7"), 7);
    EXPECT_EQ(ParseSituationNumber("  42 "), 42);
    EXPECT_EQ(ParseSituationNumber("2147483647"), 2147483647);
    EXPECT_EQ(ParseSituationNumber("-2147483648"), INT32_MIN);
}

TEST(SituationNumberEntry, EmptyCountsAsZero) {
    EXPECT_EQ(ParseSituationNumber(""), 0);
    EXPECT_EQ(ParseSituationNumber("   "), 0);
    EXPECT_EQ(ParseSituationNumber("0"), 0);
}

TEST(SituationNumberEntry, HexadecimalAfterDollar) {
    EXPECT_EQ(ParseSituationNumber("$ff"), 255);
    EXPECT_EQ(ParseSituationNumber("$7FFFFFFF"), 2147483647);
    EXPECT_EQ(ParseSituationNumber("$FFFFFFFF"), -1);
    EXPECT_EQ(ParseSituationNumber("-$10"), -16);
    EXPECT_FALSE(ParseSituationNumber("$100000000"));
    EXPECT_FALSE(ParseSituationNumber("$"));
    EXPECT_FALSE(ParseSituationNumber("$1g"));
}

TEST(SituationNumberEntry, RefusesWhatIsNoNumberInRange) {
    EXPECT_FALSE(ParseSituationNumber("2147483648"));
    EXPECT_FALSE(ParseSituationNumber("-2147483649"));
    EXPECT_FALSE(ParseSituationNumber("99999999999999999999999"));
    EXPECT_FALSE(ParseSituationNumber("12a"));
    EXPECT_FALSE(ParseSituationNumber("1 2"));
    EXPECT_FALSE(ParseSituationNumber("-"));
    EXPECT_FALSE(ParseSituationNumber("0x10"));
}

} // namespace
} // namespace tumbla
