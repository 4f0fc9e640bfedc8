// The end-of-game window's ranking, switches and name entry.

#include "results/EndGameSession.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace tumbla;
using test::FakeMessages;
using test::TempDir;

namespace {

GameSettings Played() {
    GameSettings s;
    s.Count = 5;
    s.Rows = 8;
    s.Cols = 12;
    s.BeginNumber = 777;
    s.Directions = 1;
    return s;
}

void Store(const HallOfFame& hall, const GameSettings& s, const char* name, std::int32_t points) {
    ASSERT_TRUE(hall.append(MakeFameRecord(s, name, points, 45000.5)));
}

} // namespace

TEST(EndGameSession, FirstGameOpensTheEntryAndEnterStoresTheName) {
    TempDir dir;
    HallOfFame hall(dir.path());
    FakeMessages messages;
    EndGameSession session;
    session.begin(EndGameMode::End, Played(), 1234, hall);
    ASSERT_EQ(session.ranking().size(), 1u);
    EXPECT_TRUE(session.entryOpen());
    EXPECT_EQ(session.currentRow(), 0u);
    EXPECT_EQ(session.rows()[0]->name, "");
    EXPECT_EQ(session.rows()[0]->points, "      1234");
    EXPECT_FALSE(session.rows()[1]);

    session.type("Pe");
    session.type("ť");
    session.type("x");
    session.erase();
    EXPECT_EQ(session.nameLabel(), "Peť_");
    // A Czech letter goes as a whole, both of its bytes.
    session.type("Ž");
    session.erase();
    EXPECT_EQ(session.nameLabel(), "Peť_");
    EXPECT_TRUE(session.confirmWithEnter(hall, messages));
    EXPECT_FALSE(session.entryOpen());
    EXPECT_EQ(session.nameLabel(), "Peť");
    EXPECT_EQ(session.rows()[0]->name, "Peť");
    const auto stored = hall.readAll();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(FameName(stored[0]), "Peť");
    EXPECT_EQ(stored[0].points, 1234);
    EXPECT_EQ(stored[0].settings, Played());
    // Stored at most once per showing.
    EXPECT_FALSE(session.confirmWithEnter(hall, messages));
    EXPECT_EQ(hall.readAll().size(), 1u);
    EXPECT_TRUE(messages.errors.empty());
}

TEST(EndGameSession, ThePreviousNameIsProposedAndEqualPointsRankTheCurrentFirst) {
    TempDir dir;
    HallOfFame hall(dir.path());
    FakeMessages messages;
    Store(hall, Played(), "Eva", 500);
    EndGameSession session;
    session.begin(EndGameMode::End, Played(), 900, hall);
    session.type("Jan");
    session.confirmWithEnter(hall, messages);

    session.begin(EndGameMode::End, Played(), 500, hall);
    ASSERT_EQ(session.ranking().size(), 3u);
    EXPECT_EQ(session.currentRow(), 1u); // after Jan's 900, before Eva's 500
    EXPECT_EQ(session.nameLabel(), "Jan_");
    EXPECT_EQ(session.rows()[1]->name, "");
    EXPECT_EQ(session.rows()[2]->name, "Eva");
}

TEST(EndGameSession, EnterOnAnEmptyEntryStoresNothingAndOkNeedsMoreThanBlanks) {
    TempDir dir;
    HallOfFame hall(dir.path());
    FakeMessages messages;
    EndGameSession session;
    session.begin(EndGameMode::End, Played(), 10, hall);
    session.type("   ");
    EXPECT_FALSE(session.confirmWithOk(hall, messages));
    EXPECT_TRUE(session.entryOpen());
    session.erase();
    session.erase();
    session.erase();
    EXPECT_TRUE(session.confirmWithEnter(hall, messages));
    EXPECT_FALSE(session.entryOpen());
    EXPECT_TRUE(hall.readAll().empty());

    session.begin(EndGameMode::End, Played(), 10, hall);
    session.type("Ola");
    EXPECT_TRUE(session.confirmWithOk(hall, messages));
    EXPECT_EQ(hall.readAll().size(), 1u);
}

TEST(EndGameSession, RankingModeShowsStoredResultsOnlyAndTakesNoName) {
    TempDir dir;
    HallOfFame hall(dir.path());
    FakeMessages messages;
    Store(hall, Played(), "Eva", 500);
    GameSettings other = Played();
    other.BeginNumber = 778;
    Store(hall, other, "Iva", 800);
    EndGameSession session;
    session.begin(EndGameMode::Ranking, Played(), 9999, hall);
    ASSERT_EQ(session.ranking().size(), 1u);
    EXPECT_FALSE(session.ranking()[0].isCurrent());
    EXPECT_FALSE(session.entryOpen());
    session.type("x");
    EXPECT_FALSE(session.confirmWithEnter(hall, messages));
    EXPECT_EQ(hall.readAll().size(), 2u);

    // Without the situation number the other situation's result joins in.
    session.setSwitches({true, true, false}, hall);
    ASSERT_EQ(session.ranking().size(), 2u);
    EXPECT_EQ(session.rows()[0]->name, "Iva");
}

TEST(EndGameSession, ASwitchBeforeConfirmingLeavesTheCurrentResultOut) {
    TempDir dir;
    HallOfFame hall(dir.path());
    FakeMessages messages;
    Store(hall, Played(), "Eva", 500);
    EndGameSession session;

    // An empty entry stays open; Enter later still stores the result.
    session.begin(EndGameMode::End, Played(), 700, hall);
    session.setSwitches({false, true, true}, hall);
    ASSERT_EQ(session.ranking().size(), 1u);
    EXPECT_FALSE(session.ranking()[0].isCurrent());
    EXPECT_TRUE(session.entryOpen());
    session.type("Max");
    EXPECT_TRUE(session.confirmWithEnter(hall, messages));
    EXPECT_EQ(hall.readAll().size(), 2u);
    EXPECT_EQ(session.rows()[0]->name, "Eva"); // the stored row keeps its name

    // An entry holding a name closes: that result can no longer be stored.
    session.begin(EndGameMode::End, Played(), 700, hall);
    EXPECT_TRUE(session.entryOpen());
    session.setSwitches({true, true, true}, hall);
    EXPECT_FALSE(session.entryOpen());
    EXPECT_FALSE(session.confirmWithEnter(hall, messages));
    EXPECT_EQ(hall.readAll().size(), 2u);
}

TEST(EndGameSession, AResultPushedOutOfTheFifteenOpensNoEntry) {
    TempDir dir;
    HallOfFame hall(dir.path());
    for (int i = 0; i < 20; ++i) Store(hall, Played(), "Top", 1000 + i);
    EndGameSession session;
    session.begin(EndGameMode::End, Played(), 5, hall);
    EXPECT_EQ(session.ranking().size(), RankingSize);
    EXPECT_FALSE(session.entryOpen());
    EXPECT_FALSE(session.currentRow());
}

TEST(EndGameSession, AFailedAppendIsReportedAndTheRowKeepsTheName) {
    TempDir dir;
    HallOfFame hall(dir.path() / "missing" / "deeper");
    FakeMessages messages;
    EndGameSession session;
    session.begin(EndGameMode::End, Played(), 42, hall);
    session.type("Ann");
    session.confirmWithEnter(hall, messages);
    ASSERT_EQ(messages.errors.size(), 1u);
    EXPECT_EQ(messages.errors[0], "Soubor nejlepších výsledků nelze aktualizovat.");
    EXPECT_EQ(session.rows()[0]->name, "Ann");
}
