#include "results/FameCommands.h"
#include "results/FameDate.h"
#include "results/FameList.h"
#include "results/FameRanking.h"

#include "results/TestSupport.h"

#include <gtest/gtest.h>

namespace tumbla {
namespace {

using test::FakeMessages;
using test::FileBytes;
using test::Selected;
using test::TempDir;

class FameCommands : public ::testing::Test {
  protected:
    void store(const std::string& name, std::int32_t points, GameSettings s = GameSettings{}) {
        ASSERT_TRUE(AppendResult(hall, messages, s, name, points, 40000.0));
    }
    TempDir dir;
    HallOfFame hall{dir.path()};
    FakeMessages messages;
};

TEST_F(FameCommands, AppendingStoresTheResultWithThePresentMoment) {
    GameSettings s;
    s.BeginNumber = 42;
    const double before = FameDateNow();
    ASSERT_TRUE(AppendResult(hall, messages, s, "Jiří", 77));
    const double after = FameDateNow();
    const auto r = hall.read(0);
    ASSERT_TRUE(r);
    EXPECT_EQ(FameName(*r), "Jiří");
    EXPECT_EQ(r->points, 77);
    EXPECT_EQ(r->settings, s);
    EXPECT_GE(r->entered, before);
    EXPECT_LE(r->entered, after);
    EXPECT_TRUE(messages.errors.empty());
}

TEST_F(FameCommands, AFailedAppendIsReportedWithItsMessage) {
    std::filesystem::create_directory(hall.filePath());
    EXPECT_FALSE(AppendResult(hall, messages, GameSettings{}, "x", 1));
    EXPECT_EQ(messages.errors,
              std::vector<std::string>{"Soubor nejlepších výsledků nelze aktualizovat."});
}

TEST_F(FameCommands, DeletingIsRefusedWhereTheDirectoryCannotBeWritten) {
    store("a", 1);
    const std::string before = FileBytes(hall.filePath());
    EXPECT_FALSE(DeleteSelectedResult(hall, messages, false, Selected(hall, 0)));
    EXPECT_EQ(DeleteAllResults(hall, messages, false), DeleteAllOutcome::Refused);
    EXPECT_EQ(messages.errors,
              std::vector<std::string>(2, "Úpravy souboru nelze na tomto zařízení provádět."));
    EXPECT_TRUE(messages.questions.empty());
    EXPECT_EQ(FileBytes(hall.filePath()), before);
}

TEST_F(FameCommands, DeletingOneAsksNothingAndNeedsASelection) {
    for (const char* n : {"r0", "r1", "r2", "r3", "r4"}) store(n, 1);
    EXPECT_FALSE(DeleteSelectedResult(hall, messages, true, std::nullopt));
    EXPECT_EQ(hall.readAll().size(), 5u);

    EXPECT_TRUE(DeleteSelectedResult(hall, messages, true, Selected(hall, 2)));
    const auto after = hall.readAll();
    ASSERT_EQ(after.size(), 4u);
    EXPECT_EQ(FameName(after[2]), "r3");
    EXPECT_EQ(FameName(after[3]), "r4");
    EXPECT_TRUE(messages.questions.empty());
    EXPECT_TRUE(messages.errors.empty());
}

// A delete that fails, or finds the record gone, says so and shows the list
// as the file now is.
TEST_F(FameCommands, AFailedDeleteIsReportedAndTheFileStays) {
    store("a", 1);
    store("b", 2);
    const FameSelection b = Selected(hall, 1);
    std::filesystem::permissions(hall.filePath(), std::filesystem::perms(0444));
    EXPECT_TRUE(DeleteSelectedResult(hall, messages, true, b));
    std::filesystem::permissions(hall.filePath(), std::filesystem::perms(0644));
    ASSERT_EQ(hall.remove(Selected(hall, 0)), HallOfFame::Removal::Removed); // another copy
    EXPECT_TRUE(DeleteSelectedResult(hall, messages, true, b));
    EXPECT_EQ(messages.errors,
              std::vector<std::string>(2, "Soubor nejlepších výsledků nelze aktualizovat."));
    EXPECT_EQ(hall.readAll().size(), 1u);
    EXPECT_FALSE(TakeOverSettings(hall, messages, b)) << "b is record 0 now";
}

TEST_F(FameCommands, DeletingAllAsksTwiceAndStopsAtTheFirstNo) {
    store("a", 1);
    messages.answers = {Answer::No};
    EXPECT_EQ(DeleteAllResults(hall, messages, true), DeleteAllOutcome::Kept);
    EXPECT_EQ(messages.questions,
              std::vector<std::string>{"Chcete skutečně zrušit všechny záznamy o výsledcích?"});

    messages.questions.clear();
    messages.answers = {Answer::Yes, Answer::No};
    EXPECT_EQ(DeleteAllResults(hall, messages, true), DeleteAllOutcome::Kept);
    EXPECT_EQ(messages.questions.size(), 2u);
    EXPECT_EQ(messages.questions[1], "Jste si skutečně jistý?");
    EXPECT_TRUE(std::filesystem::exists(hall.filePath()));

    messages.answers = {Answer::Yes, Answer::Yes};
    EXPECT_EQ(DeleteAllResults(hall, messages, true), DeleteAllOutcome::Deleted);
    EXPECT_FALSE(std::filesystem::exists(hall.filePath()));
    EXPECT_TRUE(messages.errors.empty());

    // Something that cannot be removed stands where the file was.
    std::filesystem::create_directories(hall.filePath() / "inside");
    messages.answers = {Answer::Yes, Answer::Yes};
    EXPECT_EQ(DeleteAllResults(hall, messages, true), DeleteAllOutcome::Failed);
    EXPECT_EQ(messages.errors,
              std::vector<std::string>{"Soubor nejlepších výsledků nelze aktualizovat."});
    EXPECT_TRUE(std::filesystem::exists(hall.filePath() / "inside"));
}

TEST_F(FameCommands, TakingOverGivesTheSelectedRecordsSettings) {
    GameSettings s;
    s.Rows = 14;
    s.Cols = 24;
    s.BeginNumber = 31337;
    store("a", 1);
    store("b", 2, s);
    EXPECT_FALSE(TakeOverSettings(hall, messages, std::nullopt));
    EXPECT_FALSE(TakeOverSettings(hall, messages, FameSelection{5, Selected(hall, 1).bytes}));
    const auto taken = TakeOverSettings(hall, messages, Selected(hall, 1));
    ASSERT_TRUE(taken);
    EXPECT_EQ(*taken, s);
    EXPECT_TRUE(messages.errors.empty());
}

TEST_F(FameCommands, SettingsNoGameAllowsAreNotTakenOver) {
    std::vector<GameSettings> broken(3);
    broken[0].Rows = 40; // more rows than the field has
    broken[1].Joly = broken[1].Sklo = 2;
    broken[2].Directions = DirDown;
    for (const GameSettings& s : broken) store("a", 1, s);
    for (std::size_t n = 0; n < broken.size(); ++n)
        EXPECT_FALSE(TakeOverSettings(hall, messages, Selected(hall, n))) << n;
    EXPECT_EQ(messages.errors,
              std::vector<std::string>(3, "Soubor neobsahuje data k této hře nebo je chybný!"));
}

// The first game on a fresh installation, then the same situation once more.
TEST_F(FameCommands, TheSameSituationPlayedAgainRanksBehindTheStoredResult) {
    GameSettings game;
    game.BeginNumber = 99;
    auto ranking = RankHallOfFame(hall, game, {}, 300).ranking();
    ASSERT_EQ(ranking.size(), 1u);
    EXPECT_TRUE(ranking[0].isCurrent());

    ASSERT_TRUE(AppendResult(hall, messages, game, "Eva", 300));
    EXPECT_EQ(hall.readAll().size(), 1u);
    ranking = RankHallOfFame(hall, game, {}, 250).ranking();
    ASSERT_EQ(ranking.size(), 2u);
    EXPECT_EQ(ranking[0].number, 0u);
    EXPECT_TRUE(ranking[1].isCurrent());
}

TEST_F(FameCommands, ListingTheFileGivesRowsInKeyOrder) {
    EXPECT_TRUE(
        ListHallOfFame(hall, DefaultFameKeyOrder, AllFameFilters, CompareCaseBlind).empty());
    store("malý", 5);
    store("velký", 50);
    const auto list = ListHallOfFame(hall, DefaultFameKeyOrder, AllFameFilters, CompareCaseBlind);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list.row(0).texts[1], "velký");
    EXPECT_EQ(list.row(0).number, 1u);
    EXPECT_EQ(list.selection(0).bytes, *hall.readPacked(1));
    EXPECT_EQ(list.row(1).texts[0], "  2");
}

} // namespace
} // namespace tumbla
