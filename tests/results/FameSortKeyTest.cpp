#include "results/FameSortKey.h"
#include "results/FameDate.h"

#include <gtest/gtest.h>

#include <climits>

namespace tumbla {
namespace {

GameSettings Settings() {
    GameSettings s;
    s.Rows = 9;
    s.Cols = 17;
    s.Count = 6;
    s.Joly = 3;
    s.Sklo = 5;
    s.Skala = 7;
    s.Rating = 6;
    s.Studna = 2;
    s.Transformator = 1;
    s.Doraz = 2;
    s.Directions = DirDown | DirLeft; // up no, left yes, right no
    s.BeginNumber = 4711;
    return s;
}

TEST(FameSortKey, PointsSortMoreFirstAcrossTheirWholeRange) {
    EXPECT_EQ(PointsSegment(0), "099999999");
    EXPECT_EQ(PointsSegment(99'999'999), "000000000");
    EXPECT_EQ(PointsSegment(1234), "099998765");
    EXPECT_LT(PointsSegment(501), PointsSegment(500));
    // A negative total sorts after every total the range holds.
    EXPECT_EQ(PointsSegment(-45), "100000044");
    EXPECT_GT(PointsSegment(-45), PointsSegment(0));
    // Values outside the range still give a text, never an overflow.
    EXPECT_EQ(PointsSegment(INT_MIN), "2247483647");
}

TEST(FameSortKey, NameSegmentCapitalisesAsciiOnlyAndPadsToThirty) {
    FameRecord r = MakeFameRecord(GameSettings{}, "novák", 0, 0);
    EXPECT_EQ(NameSegment(r), "NOVáK" + std::string(25, ' '));
    FameRecord capitals = MakeFameRecord(GameSettings{}, "NOVáK", 0, 0);
    EXPECT_EQ(NameSegment(r), NameSegment(capitals));
    r.name = std::string(30, 'z');
    EXPECT_EQ(NameSegment(r), std::string(30, 'Z'));
}

TEST(FameSortKey, DateAndSituationSegmentsHaveFixedWidths) {
    FameDateTime t;
    t.year = 2003, t.month = 4, t.day = 5, t.hour = 6, t.minute = 7, t.second = 8;
    FameRecord r = MakeFameRecord(GameSettings{}, "a", 0, FameDateFromDateTime(t));
    EXPECT_EQ(DateSegment(r), "200304050607");
    EXPECT_EQ(SituationSegment(4711), "0000004711");
    EXPECT_EQ(SituationSegment(2'147'483'647), "2147483647");
}

TEST(FameSortKey, SettingsSegmentTakesTheTenPartsInOrder) {
    EXPECT_EQ(SettingsSegment(Settings(), AllFameFilters), "0917"
                                                           "6"
                                                           "3"
                                                           "5"
                                                           "07"
                                                           "6"
                                                           "2"
                                                           "T"
                                                           "A"
                                                           "NAN");
    GameSettings plain = Settings();
    plain.Transformator = 0;
    plain.Doraz = 0;
    plain.Directions = DirUp | DirRight;
    EXPECT_EQ(SettingsSegment(plain, AllFameFilters).substr(11), "FNANA");
}

TEST(FameSortKey, EachUntickedBoxBlanksItsPart) {
    const char* const unticked[10] = {"    6350762TANAN", "0917 350762TANAN", "09176 50762TANAN",
                                      "091763 0762TANAN", "0917635  62TANAN", "091763507 2TANAN",
                                      "0917635076 TANAN", "09176350762 ANAN", "09176350762T NAN",
                                      "09176350762TA   "};
    for (std::size_t i = 0; i < 10; ++i) {
        FameFilters f = AllFameFilters;
        f[i] = false;
        EXPECT_EQ(SettingsSegment(Settings(), f), unticked[i]) << "box " << i + 1;
    }
    EXPECT_EQ(SettingsSegment(Settings(), FameFilters{}), std::string(16, ' '));
}

TEST(FameSortKey, DamagedValuesKeepTheirPartsWidth) {
    GameSettings s = Settings();
    s.Count = 255;
    s.Skala = 200;
    EXPECT_EQ(SettingsSegment(s, AllFameFilters).size(), 16u);
}

TEST(FameSortKey, WholeKeyFollowsTheKeyOrderAndEndsWithTheRecordNumber) {
    const FameRecord r = MakeFameRecord(Settings(), "eva", 250, 0.0);
    const std::string b = "099999749", j = "EVA" + std::string(27, ' '), d = "189912300000",
                      c = "0000004711", n = SettingsSegment(Settings(), AllFameFilters);
    EXPECT_EQ(FameSortKey(r, 7, DefaultFameKeyOrder, AllFameFilters), b + j + d + c + n + "0007");
    EXPECT_EQ(FameSortKey(r, 12, {'N', 'C', 'D', 'J', 'B'}, AllFameFilters),
              n + c + d + j + b + "0012");
    EXPECT_EQ(FameKeySegments(r, {'?', 'B', 'B', 'B', 'B'}, AllFameFilters), n + b + b + b + b);
    EXPECT_EQ(RecordNumberSegment(10'000), "10000");
}

TEST(FameSortKey, TheStandInCollationIgnoresCaseOfCzechLetters) {
    EXPECT_EQ(CompareCaseBlind("čáp", "ČÁP"), 0);
    EXPECT_EQ(CompareCaseBlind("žluť", "ŽLUŤ"), 0);
    EXPECT_EQ(CompareCaseBlind("azAZ", "AZaz"), 0); // both ends of the alphabet
    EXPECT_LT(CompareCaseBlind("abc", "ABD"), 0);
    EXPECT_GT(CompareCaseBlind("b", "A"), 0);
    EXPECT_LT(CompareCaseBlind("ab", "abc"), 0);
    EXPECT_LT(CompareCaseBlind("0009", "0010"), 0);
}

} // namespace
} // namespace tumbla
