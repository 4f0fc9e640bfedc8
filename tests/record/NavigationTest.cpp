#include "GameFixture.h"

namespace tumbla::test {
namespace {

constexpr std::string_view NoMove = "Ještě jste žádný tah neprovedl!";

// A game with `moves` group removals made; the second group is kept as a
// different move from each position.
struct Played : GameFixture {
    explicit Played(int moves, std::string_view code = "HO610BA0B", std::int32_t number = 11) {
        start(code, number);
        for (int i = 0; i < moves; ++i) EXPECT_EQ(play(groups().front()), MoveOutcome::Performed);
    }
};

TEST(Navigation, NothingToNavigateBeforeTheFirstMove) {
    Played f(0);
    EXPECT_EQ(f.view.navigation, NavigationState{});
    f.game.StepBack();
    f.game.GoToStart();
    bool asked = false;
    f.game.GoToPosition([&] {
        asked = true;
        return std::optional<int>(1);
    });
    EXPECT_FALSE(asked);
    EXPECT_EQ(f.messages.said, (std::vector<std::string>(3, std::string(NoMove))));
    f.game.StepForward();
    f.game.GoToLast();
    f.game.ShowNextMove();
    EXPECT_FALSE(f.view.markShown);
    EXPECT_EQ(f.game.CurrentPosition(), 1);
}

TEST(Navigation, StepsBackAndForthOverRecordedPositions) {
    Played f(3);
    const MoveRecord third = f.game.Position(3);
    f.game.StepBack();
    f.game.StepBack();
    EXPECT_EQ(f.game.CurrentPosition(), 2);
    EXPECT_TRUE(f.screenMatches());
    EXPECT_EQ(f.view.navigation, (NavigationState{true, true, true, true}));
    f.game.StepForward();
    EXPECT_EQ(f.game.CurrentPosition(), 3);
    EXPECT_EQ(f.game.LastPosition(), 4);
    EXPECT_EQ(f.view.moveCounter, 2);
    EXPECT_EQ(f.view.total, std::to_string(third.TotalScore));
    EXPECT_EQ(f.view.points, std::to_string(third.Points));
    EXPECT_TRUE(f.screenMatches());

    f.game.GoToStart();
    EXPECT_EQ(f.view.moveCounter, 0);
    EXPECT_EQ(f.view.navigation, (NavigationState{true, false, true, true}));
    EXPECT_TRUE(f.screenMatches());
    f.game.GoToLast();
    EXPECT_EQ(f.game.CurrentPosition(), 4);
    EXPECT_EQ(f.view.navigation, (NavigationState{false, true, true, false}));
    EXPECT_TRUE(f.screenMatches());
    f.game.StepForward(); // nothing recorded after P
    EXPECT_EQ(f.game.CurrentPosition(), 4);
}

TEST(Navigation, GoToPositionTakesTheChosenNumber) {
    Played f(4);
    f.game.GoToPosition([] { return std::optional<int>(2); });
    EXPECT_EQ(f.game.CurrentPosition(), 2);
    EXPECT_TRUE(f.screenMatches());
    f.view.events.clear();
    f.game.GoToPosition([] { return std::optional<int>(); });
    f.game.GoToPosition([] { return std::optional<int>(2); });
    f.game.GoToPosition([] { return std::optional<int>(6); }); // beyond L
    EXPECT_TRUE(f.view.events.empty());
    EXPECT_EQ(f.game.CurrentPosition(), 2);
}

TEST(Navigation, ClickingTheRecordedMoveRedoesIt) {
    Played f(4);
    f.game.StepBack();
    f.game.StepBack();
    f.game.StepBack();
    ASSERT_EQ(f.game.CurrentPosition(), 2);
    // Another stone of the recorded group counts as the recorded move.
    const Move recorded{f.game.Current().MoveRow, f.game.Current().MoveCol};
    const MoveRecord next = f.game.Position(3);
    Move other = recorded;
    for (int r = 1; r <= 8; ++r)
        for (int c = 1; c <= 15; ++c) {
            const Move m{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(c)};
            if (!(m == recorded) &&
                IsSameRecordedMove(f.game.Current(), f.game.CurrentRules(), m, recorded))
                other = m;
        }
    ASSERT_FALSE(other == recorded) << "the first group has two stones at least";
    EXPECT_EQ(f.play(other), MoveOutcome::Redone);
    EXPECT_EQ(f.game.CurrentPosition(), 3);
    EXPECT_EQ(f.game.LastPosition(), 5);
    EXPECT_EQ(f.game.Current(), next);
    EXPECT_TRUE(f.screenMatches());

    // Any other group records a new line of play.
    const auto groups = f.groups();
    ASSERT_GE(groups.size(), 2u);
    EXPECT_EQ(f.play(groups[1]), MoveOutcome::Performed);
    EXPECT_EQ(f.game.CurrentPosition(), 4);
    EXPECT_EQ(f.game.LastPosition(), 4);
    EXPECT_EQ(f.game.Position(3).MoveRow, groups[1].row);
    EXPECT_TRUE(f.screenMatches());
}

TEST(Navigation, ShowNextMoveMarksThenPerforms) {
    Played f(2);
    f.game.GoToStart();
    f.game.ShowNextMove();
    EXPECT_TRUE(f.view.markShown);
    EXPECT_EQ(f.view.mark, (Move{f.game.Position(1).MoveRow, f.game.Position(1).MoveCol}));
    EXPECT_EQ(f.game.CurrentPosition(), 1);
    f.game.ShowNextMove();
    EXPECT_FALSE(f.view.markShown);
    EXPECT_FALSE(f.game.NextMoveShown());
    EXPECT_EQ(f.game.CurrentPosition(), 2);
    EXPECT_TRUE(f.screenMatches());
}

TEST(Navigation, FinishedGameIsNotFinishedAgainByStepping) {
    Played f(0);
    while (!f.game.GameOver()) ASSERT_EQ(f.play(f.groups().front()), MoveOutcome::Performed);
    const int last = f.game.LastPosition();
    f.game.StepBack();
    EXPECT_FALSE(f.game.GameOver());
    EXPECT_FALSE(f.view.locked) << "the lock follows the position again";
    f.game.GoToLast();
    EXPECT_EQ(f.game.CurrentPosition(), last);
    EXPECT_FALSE(f.game.GameOver());
    f.game.GoToPosition([] { return std::optional<int>(1); });
    f.game.StepForward();
    EXPECT_FALSE(f.game.GameOver());
}

TEST(Marks, AddingKeepsOneMarkPerPositionAndAtMostAHundred) {
    Played f(1);
    f.game.AddMark(2);
    f.game.AddMark(2);
    EXPECT_EQ(f.game.Marks().count(), 1);
    EXPECT_EQ(f.view.marks, (MarksState{1, true, true}));
    for (int k = 3; k <= 101; ++k) f.game.AddMark(k);
    EXPECT_EQ(f.game.Marks().count(), 100);
    EXPECT_FALSE(f.view.marks.addEnabled);
    f.game.AddMark(500);
    EXPECT_FALSE(f.game.Marks().contains(500));
    f.game.WorkWithMarks([](MarksDialog& dialog) {
        dialog.deleteSelected({0});
        return std::optional<int>();
    });
    EXPECT_EQ(f.game.Marks().count(), 99);
    EXPECT_TRUE(f.view.marks.addEnabled);
}

TEST(Marks, DeletionsReachTheCounterWhileTheWindowIsOpen) {
    Played f(6);
    for (int k : {2, 4, 6}) f.game.AddMark(k);
    f.game.WorkWithMarks([&](MarksDialog& dialog) {
        dialog.deleteSelected({1});
        f.game.TakeMarks(dialog);
        EXPECT_EQ(f.view.marks.count, 2);
        EXPECT_FALSE(f.game.Marks().contains(4));
        dialog.deleteAll();
        f.game.TakeMarks(dialog);
        EXPECT_EQ(f.view.marks.count, 0);
        EXPECT_FALSE(f.view.marks.counterVisible);
        return std::optional<int>();
    });
    EXPECT_EQ(f.game.Marks().count(), 0);
}

TEST(Marks, NewLineOfPlayDropsMarksOfReplacedPositions) {
    Played f(5);
    f.game.AddMark(2);
    f.game.AddMark(4);
    f.game.AddMark(5); // the very position the new move replaces
    f.game.AddMark(6);
    f.game.StepBack();
    f.game.StepBack();
    ASSERT_EQ(f.game.CurrentPosition(), 4);
    EXPECT_EQ(f.play(f.groups()[1]), MoveOutcome::Performed);
    ASSERT_EQ(f.game.Marks().count(), 2);
    EXPECT_EQ(f.game.Marks().at(0), 2);
    EXPECT_EQ(f.game.Marks().at(1), 4);
}

TEST(Marks, DroppingKeepsTheOrderOfTheRest) {
    Played f(9);
    f.game.AddMark(9);
    f.game.AddMark(3);
    f.game.GoToPosition([] { return std::optional<int>(3); });
    EXPECT_EQ(f.play(f.groups()[1]), MoveOutcome::Performed);
    ASSERT_EQ(f.game.Marks().count(), 1);
    EXPECT_EQ(f.game.Marks().at(0), 3);
    f.game.NewSituation();
    EXPECT_EQ(f.game.Marks().count(), 0);
    EXPECT_FALSE(f.view.marks.counterVisible);
}

TEST(Marks, DialogSortsAndGoesToTheChosenMark) {
    Played f(6);
    f.game.AddMark(5);
    f.game.AddMark(2);
    f.game.AddMark(7);
    std::vector<std::string> lines;
    f.game.WorkWithMarks([&](MarksDialog& dialog) {
        lines = dialog.lines();
        return dialog.chosenPosition({});
    });
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "  2.tah(" + std::to_string(f.game.Position(2).TotalScore) + ")");
    EXPECT_EQ(f.game.CurrentPosition(), 2) << "no selection: the first line";
    EXPECT_EQ(f.game.Marks().at(0), 2);
    EXPECT_EQ(f.game.Marks().at(1), 5);
    EXPECT_EQ(f.game.Marks().at(2), 7);
    EXPECT_TRUE(f.screenMatches());

    f.view.events.clear();
    f.game.WorkWithMarks([](MarksDialog& dialog) { return dialog.chosenPosition({0}); });
    EXPECT_EQ(std::count(f.view.events.begin(), f.view.events.end(), "cells"), 0)
        << "already there";
    f.game.WorkWithMarks([](MarksDialog& dialog) { return dialog.chosenPosition({0, 2}); });
    EXPECT_EQ(f.game.CurrentPosition(), 7);
}

TEST(MarksDialog, LinesSortByTheirTextAndReadBack) {
    MarkStack marks;
    for (int k : {101, 1000, 5, 100, 999}) marks.add(k);
    MarksDialog dialog(marks, [](int k) { return k == 5 ? 120 : -3; });
    EXPECT_EQ(dialog.lines(),
              (std::vector<std::string>{"  5.tah(120)", "100.tah(-3)", "1000.tah(-3)",
                                        "101.tah(-3)", "999.tah(-3)"}));
    EXPECT_EQ(MarksDialog::LineNumber("  5.tah(120)"), 5);
    EXPECT_EQ(MarksDialog::LineNumber("1000.tah(1)"), 1000);
    EXPECT_EQ(MarksDialog::LineNumber("no dot"), 0);
    EXPECT_EQ(MarksDialog::LineNumber("   .tah"), 0);

    EXPECT_EQ(dialog.chosenPosition({3, 1}), 101) << "the last selected in list order";
    EXPECT_FALSE(dialog.deleteSelected({}));
    EXPECT_FALSE(dialog.deleteSelected({1, 2}));
    dialog.writeBack(marks);
    ASSERT_EQ(marks.count(), 3);
    EXPECT_EQ(marks.at(0), 5);
    EXPECT_EQ(marks.at(1), 101);
    EXPECT_EQ(marks.at(2), 999);
    EXPECT_TRUE(dialog.deleteSelected({0, 1, 2}));
    EXPECT_EQ(dialog.chosenPosition({}), std::nullopt);
    dialog.writeBack(marks);
    EXPECT_EQ(marks.count(), 0);
}

} // namespace
} // namespace tumbla::test
