#include "situation/Windows1250.h"

#include <gtest/gtest.h>

namespace tumbla {
namespace {

TEST(Windows1250, EveryByteSurvivesTheWayToUnicodeAndBack) {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    EXPECT_EQ(Utf8ToWindows1250(Windows1250ToUtf8(all)), all);
}

TEST(Windows1250, CzechLettersHaveTheirCodePagePlaces) {
    EXPECT_EQ(Utf8ToWindows1250("ěščřžýáíéúůťďň"),
              "\xEC\x9A\xE8\xF8\x9E\xFD\xE1\xED\xE9\xFA\xF9\x9D\xEF\xF2");
    EXPECT_EQ(Utf8ToWindows1250("ĚŠČŘŽÝÁÍÉÚŮŤĎŇ"),
              "\xCC\x8A\xC8\xD8\x8E\xDD\xC1\xCD\xC9\xDA\xD9\x8D\xCF\xD2");
    EXPECT_EQ(Windows1250ToUnicode(0x80), U'€');
    EXPECT_EQ(Windows1250ToUnicode(0xFF), U'˙');
}

TEST(Windows1250, MalformedUtf8BecomesQuestionMarks) {
    EXPECT_EQ(Utf8ToWindows1250("a\xC3"), "a?");           // cut sequence
    EXPECT_EQ(Utf8ToWindows1250("\xC0\xAF"), "??");        // overlong
    EXPECT_EQ(Utf8ToWindows1250("\xED\xA0\x80x"), "???x"); // surrogate
    EXPECT_EQ(Utf8ToWindows1250("\x80z"), "?z");           // stray continuation
    EXPECT_EQ(Utf8Length("žluť\xC3"), 5u);
}

} // namespace
} // namespace tumbla
