#include "results/FameList.h"
#include "results/FameCommands.h"
#include "results/FameDate.h"
#include "results/FameListState.h"
#include "situation/SettingsCode.h"

#include "results/TestSupport.h"

#include <gtest/gtest.h>

namespace tumbla {
namespace {

// The tests fix the collation: the plain case-blind one.
const KeyCollation Collation = CompareCaseBlind;

FameRecord Result(const std::string& name, std::int32_t points, double date = 40000.0,
                  std::int32_t situation = 1, std::uint8_t rocks = 0) {
    GameSettings s;
    s.BeginNumber = situation;
    s.Skala = rocks;
    return MakeFameRecord(s, name, points, date);
}

std::vector<PackedFameRecord> Packed(const std::vector<FameRecord>& records) {
    std::vector<PackedFameRecord> out;
    for (const FameRecord& r : records) out.push_back(PackFameRecord(r));
    return out;
}

TEST(FameList, EqualPointsGoByNameThenDateSituationSettingsAndRecordNumber) {
    const std::vector<FameRecord> records = {
        Result("petr", 100),                // 0
        Result("adam", 100, 40001.0),       // 1: later than 2
        Result("adam", 100),                // 2
        Result("adam", 100, 40001.0, 1, 3), // 3: same as 1 but more rocks
        Result("adam", 100, 40001.0, 0),    // 4: lower situation number than 1
        Result("zdeněk", 500),              // 5: most points
        Result("adam", 100, 40001.0),       // 6: same as 1 in every segment
    };
    const auto list = SortFameList(records, DefaultFameKeyOrder, AllFameFilters, Collation);
    EXPECT_EQ(list, (std::vector<std::size_t>{5, 2, 4, 1, 6, 3, 0}));
}

TEST(FameList, LowerCaseAndCapitalsSortTogetherButShowAsTyped) {
    const std::vector<FameRecord> records = {Result("Bára", 1), Result("ADAM", 1),
                                             Result("bára", 1), Result("adam", 1)};
    const FameKeyOrder nameFirst{'J', 'B', 'D', 'C', 'N'};
    EXPECT_EQ(SortFameList(records, nameFirst, AllFameFilters, Collation),
              (std::vector<std::size_t>{1, 3, 0, 2}));
    const FameListing list(Packed(records), nameFirst, AllFameFilters, Collation);
    EXPECT_EQ(list.row(0).texts[1], "ADAM");
    EXPECT_EQ(list.row(1).texts[1], "adam");
    EXPECT_EQ(list.row(3).number, 2u);
}

TEST(FameList, WithNoBoxTickedTheSettingsDoNotDecideTheOrder) {
    const std::vector<FameRecord> records = {Result("a", 1, 40000.0, 1, 9),
                                             Result("a", 1, 40000.0, 1, 2)};
    const FameKeyOrder settingsFirst{'N', 'B', 'J', 'D', 'C'};
    EXPECT_EQ(SortFameList(records, settingsFirst, AllFameFilters, Collation),
              (std::vector<std::size_t>{1, 0}));
    EXPECT_EQ(SortFameList(records, settingsFirst, FameFilters{}, Collation),
              (std::vector<std::size_t>{0, 1}));
}

TEST(FameList, TheCallersCollationDecides) {
    const std::vector<FameRecord> records = {Result("a", 3), Result("b", 2), Result("c", 1)};
    const KeyCollation backwards = [](std::string_view a, std::string_view b) {
        return -CompareCaseBlind(a, b);
    };
    EXPECT_EQ(SortFameList(records, DefaultFameKeyOrder, AllFameFilters, backwards),
              (std::vector<std::size_t>{2, 1, 0}));
}

TEST(FameList, RowHoldsTheTextsOfAllEightColumns) {
    FameDateTime t;
    t.year = 2005, t.month = 3, t.day = 9, t.hour = 7, t.minute = 5, t.second = 3;
    GameSettings s; // the defaults: 10 x 20, 8 colours, join left
    s.BeginNumber = 98765;
    const FameRecord r = MakeFameRecord(s, "Šárka", 4321, FameDateFromDateTime(t));
    const FameRow row = MakeFameRow(12, r, 345);
    EXPECT_EQ(row.number, 345u);
    EXPECT_EQ(row.texts[0], " 12");
    EXPECT_EQ(row.texts[1], "Šárka");
    EXPECT_EQ(row.texts[2], "     4321");
    EXPECT_EQ(row.texts[3], "09.03.2005");
    EXPECT_EQ(row.texts[4], "07:05:03");
    EXPECT_EQ(row.texts[5], "     98765");
    EXPECT_EQ(row.texts[6], SettingsCodeFromSettings(s));
    EXPECT_EQ(row.texts[7], "  345");

    const FameRow wide = MakeFameRow(1000, MakeFameRecord(s, "x", -1234567890, 0), 123456);
    EXPECT_EQ(wide.texts[0], "1000");
    EXPECT_EQ(wide.texts[2], "-1234567890");
    EXPECT_EQ(wide.texts[7], "123456");
}

TEST(FameList, ADamagedRecordsCodeShowsNoControlCharacters) {
    GameSettings s;
    s.Cols = 200; // 'A' + 199 wraps round to a control character
    const FameRow row = MakeFameRow(1, MakeFameRecord(s, "x", 0, 0), 0);
    for (char c : row.texts[6]) EXPECT_TRUE(c >= 0x20 && c <= 0x7E) << int(c);
}

// Beyond 10 000 records the last four characters of the "záznam" text no
// longer name the record; the row carries its number, so nothing goes astray.
TEST(FameList, TenThousandRecordsAndMoreStillDeleteAndTakeOverTheRightOne) {
    test::TempDir dir;
    const HallOfFame hall(dir.path());
    std::string file;
    const std::size_t count = 10'005;
    for (std::size_t n = 0; n < count; ++n) {
        GameSettings s;
        s.BeginNumber = static_cast<std::int32_t>(n);
        const PackedFameRecord bytes = PackFameRecord(
            MakeFameRecord(s, n == 10'003 ? "vítěz" : "hráč", n == 10'003 ? 900 : 100, 0));
        file.append(bytes.begin(), bytes.end());
    }
    test::WriteBytes(hall.filePath(), file);

    const FameListing list = ListHallOfFame(hall, DefaultFameKeyOrder, AllFameFilters, Collation);
    ASSERT_EQ(list.size(), count);
    EXPECT_EQ(list.row(0).texts[1], "vítěz");
    EXPECT_EQ(list.row(0).texts[7], "10003");
    ASSERT_EQ(list.row(0).number, 10'003u);

    test::FakeMessages messages;
    const auto taken = TakeOverSettings(hall, messages, list.selection(0));
    ASSERT_TRUE(taken);
    EXPECT_EQ(taken->BeginNumber, 10'003);

    ASSERT_TRUE(DeleteSelectedResult(hall, messages, true, list.selection(0)));
    const std::vector<FameRecord> after = hall.readAll();
    ASSERT_EQ(after.size(), count - 1);
    for (const FameRecord& r : after) EXPECT_NE(FameName(r), "vítěz");
    EXPECT_EQ(after[3].settings.BeginNumber, 3) << "record 3 must survive";
    EXPECT_TRUE(messages.errors.empty());
}

TEST(FameList, EqualKeysBeyondTenThousandKeepRecordNumberOrder) {
    std::vector<FameRecord> records(10'001, Result("same", 1));
    const auto list = SortFameList(records, DefaultFameKeyOrder, AllFameFilters, Collation);
    EXPECT_EQ(list[9'999], 9'999u);
    EXPECT_EQ(list[10'000], 10'000u);
}

TEST(FameListState, KeyLabelsSwapOnADropOntoADifferentCaption) {
    FameListState state;
    EXPECT_EQ(state.keyOrder(), DefaultFameKeyOrder);
    EXPECT_TRUE(state.dropKey(4, 0)); // "nastavení" onto "body"
    EXPECT_EQ(state.captions[0], "nastavení");
    EXPECT_EQ(state.captions[4], "body");
    EXPECT_EQ(state.keyOrder(), (FameKeyOrder{'N', 'J', 'D', 'C', 'B'}));
    EXPECT_FALSE(state.dropKey(2, 2));
    EXPECT_FALSE(state.dropKey(0, 5));
    EXPECT_EQ(FameKeyLetter("cokoli"), 'N');
}

TEST(FameListState, PlusMinusUnticksAllWhenAnyIsTickedElseTicksAll) {
    FameListState state;
    state.filters = FameFilters{};
    state.filters[6] = true;
    state.toggleAllFilters();
    EXPECT_EQ(state.filters, FameFilters{});
    state.toggleAllFilters();
    EXPECT_EQ(state.filters, AllFameFilters);
}

} // namespace
} // namespace tumbla
