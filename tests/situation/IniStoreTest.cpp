#include "situation/IniKeys.h"
#include "situation/MemoryIniStore.h"

#include <gtest/gtest.h>

namespace tumbla {
namespace {

TEST(ParseIniInteger, AcceptsOnlyWholeDecimal32BitNumbers) {
    EXPECT_EQ(ParseIniInteger(" 12 "), 12);
    EXPECT_EQ(ParseIniInteger("+5"), 5);
    EXPECT_EQ(ParseIniInteger("-2147483648"), -2147483648LL);
    EXPECT_EQ(ParseIniInteger("2147483648"), std::nullopt);
    EXPECT_EQ(ParseIniInteger("12x"), std::nullopt);
    EXPECT_EQ(ParseIniInteger("1 2"), std::nullopt);
    EXPECT_EQ(ParseIniInteger("+-1"), std::nullopt);
    EXPECT_EQ(ParseIniInteger(""), std::nullopt);
    EXPECT_EQ(ParseIniInteger("  "), std::nullopt);
}

TEST(MemoryIniStore, ReadsIniTextAsThePlatformDoes) {
    const MemoryIniStore ini = MemoryIniStore::FromIniText("orphan=1\r\n"
                                                           "; comment\r\n"
                                                           "[colors]\r\n"
                                                           "  COUNT = 5 \r\n"
                                                           "count=7\n"
                                                           "Head=abc\n"
                                                           "noequals\n"
                                                           "[KORU]\n"
                                                           "Name=Žluť\n");
    EXPECT_EQ(ini.readInteger("Colors", "Count", 8), 5);  // case-insensitive, first wins
    EXPECT_EQ(ini.readInteger("Colors", "Head", 99), 99); // no number: default
    EXPECT_EQ(ini.readInteger("Colors", "Missing", 3), 3);
    EXPECT_EQ(ini.readValue("", "orphan"), std::nullopt);
    EXPECT_EQ(ini.readText("KORU", "Name", ""), "Žluť");
}

TEST(MemoryIniStore, YesNoIsAnyNonZeroNumber) {
    const MemoryIniStore ini = MemoryIniStore::FromIniText("[O]\na=2\nb=0\nc=ano\n");
    EXPECT_TRUE(ini.readBool("O", "a", false));
    EXPECT_FALSE(ini.readBool("O", "b", true));
    EXPECT_TRUE(ini.readBool("O", "c", true));
    EXPECT_FALSE(ini.readBool("O", "c", false));
}

TEST(MemoryIniStore, WritesCountOnlyAfterCommit) {
    MemoryIniStore ini = MemoryIniStore::FromIniText("[S]\nk=1\n");
    ASSERT_TRUE(ini.writeInteger("S", "k", 2));
    ASSERT_TRUE(ini.writeText("S", "new", "x"));
    EXPECT_EQ(ini.readInteger("S", "k", 0), 1);
    ini.discard();
    ASSERT_TRUE(ini.commit());
    EXPECT_EQ(ini.readInteger("S", "k", 0), 1);
    EXPECT_EQ(ini.readValue("S", "new"), std::nullopt);

    ASSERT_TRUE(ini.writeInteger("s", "K", 3));
    ASSERT_TRUE(ini.commit());
    EXPECT_EQ(ini.readInteger("S", "k", 0), 3);
    EXPECT_EQ(MemoryIniStore::FromIniText(ini.toIniText()).readInteger("S", "K", 0), 3);
}

TEST(IniKeys, RangesEitherClampOrFallBackToTheDefault) {
    const MemoryIniStore ini = MemoryIniStore::FromIniText(
        "[Colors]\nCount=12\nJoly=9\n[Dimensions]\nRows=20\nCols=-3\n[Others]\n"
        "ImageSet=-1\nStudna=x\nZvuk=7\n");
    EXPECT_EQ(ReadIniKey(ini, ini::Count), 8);
    EXPECT_EQ(ReadIniKey(ini, ini::Joly), 0);
    EXPECT_EQ(ReadIniKey(ini, ini::Rows), 10);
    EXPECT_EQ(ReadIniKey(ini, ini::Cols), 20);
    EXPECT_EQ(ReadIniKey(ini, ini::ImageSet), 0);
    EXPECT_EQ(ReadIniKey(ini, ini::Studna), 0);
    EXPECT_EQ(ReadIniKey(ini, ini::Zvuk), 1);
    EXPECT_EQ(ReadIniKey(ini, ini::Head), 0xFFFFFF);
    EXPECT_EQ(ReadIniText(ini, ini::BeginNumber), "0");
}

} // namespace
} // namespace tumbla
