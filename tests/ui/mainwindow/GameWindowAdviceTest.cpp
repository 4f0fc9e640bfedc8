// The advisor in the game window: "Rada" shows a move the player can make
// and "Ukaž/proveď tah" makes it; Esc and a move end the thinking; the
// analysis window lists the moves and takes the game to a row's position,
// from the menu and from the end-of-game window, and stops when closed.

#include "support/EventLoop.h"
#include "support/FakePorts.h"
#include "support/MainWindowFixture.h"

#include "record/SavedGame.h"
#include "ui/mainwindow/AdviceFlow.h"
#include "ui/mainwindow/SecondaryWindows.h"
#include "ui/windows/AnalysisWindow.h"
#include "ui/windows/EndGameWindow.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>

using namespace tumbla;
using namespace tumbla::test;

namespace {

// Enough to think for minutes: only a stop ends it.
constexpr std::uint64_t Endless = 1'000'000'000'000ULL;

std::vector<MoveRecord> History(const Game& game) {
    std::vector<MoveRecord> positions;
    for (int k = 1; k <= game.LastPosition(); ++k) positions.push_back(game.Position(k));
    return positions;
}

// Plays `moves` groups of the game in force through the board.
void PlayMoves(GameWindow& w, int moves) {
    for (int i = 0; i < moves; ++i) {
        const auto pair = FindPair(w.game().Current().board, 15, 25);
        QVERIFY(pair);
        ClickOn(w.board(), *pair);
    }
}

} // namespace

class GameWindowAdviceTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { MessageBoxes::takeShownTexts(); }

    void adviceShowsAMoveThePlayerCanMakeAndShowMovePlaysIt() {
        QTemporaryDir dir;
        auto w = OpenWindow(dir);
        w->runCommand(Command::Level3);
        PlayMoves(*w, 2);
        // Back one move: the advice is for the position on the board, not the last.
        w->runCommand(Command::Back);
        const std::vector<MoveRecord> before = History(w->game());
        AdviceFlow* advice = w->adviceFlow();
        advice->setPlayoutBudget(400);
        w->runCommand(Command::Advice);
        QVERIFY(advice->running());
        QVERIFY(advice->progressBar()->isVisible());
        QTRY_VERIFY(!advice->running());
        QVERIFY(!advice->progressBar()->isVisible());

        const std::optional<Move> move = advice->shownAdvice();
        QVERIFY(move);
        QCOMPARE(w->board()->shownMove(), move);
        QVERIFY(w->game().NextMoveShown());
        // One of the moves a click could make here, and the game is as it was.
        const MovePreview preview = w->game().PreviewClick(*move);
        QVERIFY(preview.stones > 0 || move->isGravityChange());
        QCOMPARE(History(w->game()), before);
        QCOMPARE(w->game().CurrentPosition(), 2);
        const QString said = advice->statusText();
        QVERIFY2(said.startsWith(QStringLiteral("nejlepší nalezené pokračování: ")) &&
                     said.endsWith(QStringLiteral("\u00a0bodů")),
                 qPrintable(said));
        // Where the panel has less room the label says the end of it.
        const QString shown = advice->statusLabel()->text();
        QVERIFY2(!shown.isEmpty() && said.endsWith(shown), qPrintable(shown));

        QAction* showMove = w->action(Command::ShowMove);
        QVERIFY(showMove->isEnabled());
        showMove->trigger();
        QCOMPARE(w->game().CurrentPosition(), 3);
        const MoveRecord& from = w->game().Position(2);
        QCOMPARE((Move{from.MoveRow, from.MoveCol}), *move);
        QVERIFY(!advice->shownAdvice());
        QCOMPARE(advice->statusText(), QString());
        QCOMPARE(advice->statusLabel()->text(), QString());
    }

    void theAdvisorThinksForTheTimeOfTheSettings() {
        QTemporaryDir dir;
        auto w = OpenWindow(dir);
        w->runCommand(Command::Level3);
        w->settingsDialogState().adviceTenths = 5;
        QElapsedTimer clock;
        clock.start();
        w->runCommand(Command::Advice);
        QTRY_VERIFY_WITH_TIMEOUT(!w->adviceFlow()->running(), 10000);
        // Half a second, well short of the 2 s it thinks without the setting.
        QVERIFY2(clock.elapsed() >= 450 && clock.elapsed() < 1800,
                 qPrintable(QString::number(clock.elapsed())));
        QVERIFY(w->adviceFlow()->shownAdvice());
    }

    void escapeOrAMoveEndsTheThinking() {
        QTemporaryDir dir;
        auto w = OpenWindow(dir);
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        AdviceFlow* advice = w->adviceFlow();
        advice->setPlayoutBudget(Endless);

        // On the smallest level the bar shows whole, without widening the window.
        w->runCommand(Command::Level1);
        const QSize least = w->minimumSizeHint();
        w->runCommand(Command::Advice);
        QVERIFY(advice->progressBar()->isVisible());
        QCOMPARE(w->minimumSizeHint(), least);
        QTRY_COMPARE(advice->progressBar()->width(), AdviceFlow::ProgressWidth);
        QTest::keyClick(w.get(), Qt::Key_Escape);
        w->runCommand(Command::Level3);

        w->runCommand(Command::Advice);
        QVERIFY(advice->running());
        QTest::keyClick(w.get(), Qt::Key_Escape);
        QVERIFY(!advice->running());
        QVERIFY(!advice->progressBar()->isVisible());
        QVERIFY(!w->board()->shownMove());
        QCOMPARE(w->game().CurrentPosition(), 1);

        w->runCommand(Command::Advice);
        QVERIFY(advice->running());
        PlayMoves(*w, 1);
        QVERIFY(!advice->running());
        QTest::qWait(100);
        QVERIFY(!advice->shownAdvice());
        QVERIFY(!w->board()->shownMove());
        QCOMPARE(w->game().CurrentPosition(), 2);

        // A step back ends it too; the window closing mid-thought as well.
        w->runCommand(Command::Advice);
        w->runCommand(Command::Back);
        QVERIFY(!advice->running());
        w->runCommand(Command::Advice);
        QVERIFY(advice->running());
        w->close();
        QVERIFY(!advice->running());
    }

    void analysisListsEveryMoveAndARowGoesToItsPosition() {
        QTemporaryDir dir;
        auto w = OpenWindow(dir);
        w->runCommand(Command::Level3);
        PlayMoves(*w, 4);
        w->runCommand(Command::First); // the moves ahead of the board are analysed too
        w->adviceFlow()->setPlayoutBudget(300);
        const std::vector<MoveRecord> before = History(w->game());

        w->runCommand(Command::Analysis);
        AnalysisWindow* analysis = w->windows().made<AnalysisWindow>();
        QVERIFY(analysis && analysis->isVisible());
        QTableWidget* table = analysis->table();
        QCOMPARE(table->rowCount(), 4);
        QTRY_VERIFY(!analysis->running());
        QVERIFY(!analysis->progressBar()->isVisible());
        int marked = 0;
        for (int row = 0; row < 4; ++row) {
            const MoveRecord& from = w->game().Position(row + 1);
            QCOMPARE(table->item(row, AnalysisWindow::MoveNumber)->text(),
                     QString::number(row + 1));
            QCOMPARE(table->item(row, AnalysisWindow::MovePlayed)->text(),
                     QStringLiteral("%1/%2").arg(from.MoveRow).arg(from.MoveCol));
            // The best after the move played never beats the best before it,
            // and the last move's "after" is the game's own end.
            const auto number = [&](int column) {
                return table->item(row, column)->text().remove(QChar(0x00a0)).toInt();
            };
            QVERIFY(number(AnalysisWindow::BestBefore) >= number(AnalysisWindow::BestAfter));
            QCOMPARE(number(AnalysisWindow::Loss),
                     number(AnalysisWindow::BestBefore) - number(AnalysisWindow::BestAfter));
            QVERIFY(number(AnalysisWindow::BestAfter) >= w->game().Position(row + 2).TotalScore);
            marked += analysis->isMarked(row);
            if (analysis->isMarked(row)) QVERIFY(number(AnalysisWindow::Loss) > 0);
        }
        QVERIFY(marked <= AnalysisWindow::MarkedLosses);
        QCOMPARE(History(w->game()), before);

        // A click on the third move goes to the position it was made from.
        const QRect cell = table->visualItemRect(table->item(2, AnalysisWindow::BestBefore));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(w->game().CurrentPosition(), 3);
        QCOMPARE(w->game().LastPosition(), 5);

        // Closing mid-run stops the work at once; quitting mid-run as well.
        w->adviceFlow()->setPlayoutBudget(Endless);
        w->runCommand(Command::Analysis);
        QVERIFY(analysis->running());
        analysis->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(analysis));
        QTest::keyClick(analysis, Qt::Key_Escape); // as a close
        QVERIFY(!analysis->isVisible() && !analysis->running());
        w->runCommand(Command::Analysis);
        QVERIFY(analysis->running());
        // Another game on the board closes the analysis of this one.
        w->runCommand(Command::Level1);
        QVERIFY(!analysis->isVisible() && !analysis->running());
        PlayMoves(*w, 2);
        w->runCommand(Command::Analysis);
        QVERIFY(analysis->running());
        w.reset();
    }

    void theEndOfGameWindowOffersTheAnalysis() {
        QTemporaryDir dir;
        auto w = OpenWindow(dir);
        GameSettings s = SmallGame(4242);
        s.Zvuk = 0;
        w->game().PutSettingsInForce(s);
        w->game().NewSituation();
        w->adviceFlow()->setPlayoutBudget(100);
        EndGameWindow* endWindow = w->windows().get<EndGameWindow>();
        bool offered = false;
        WhenShown(endWindow, [&] {
            offered = endWindow->analysisButton()->isVisible();
            endWindow->analysisButton()->click();
        });
        PlayToTheEnd(w->game());
        QVERIFY(offered);
        QVERIFY(!endWindow->isVisible());
        QTRY_VERIFY(w->windows().made<AnalysisWindow>() &&
                    w->windows().made<AnalysisWindow>()->isVisible());
        QCOMPARE(w->windows().made<AnalysisWindow>()->table()->rowCount(),
                 w->game().LastPosition() - 1);
        // The ranking of the game in force has no such button.
        endWindow->prepare(EndGameMode::Ranking);
        QVERIFY(endWindow->analysisButton()->isHidden());
    }

    void pointsAreSaidWithTheirCzechUnit() {
        const std::pair<std::int32_t, const char*> cases[] = {
            {1, "1 bod"},  {-1, "-1 bod"}, {2, "2 body"},        {4, "4 body"},
            {0, "0 bodů"}, {5, "5 bodů"},  {1410, "1 410 bodů"}, {21, "21 bodů"}};
        // The spaces are no-break ones: a wrapped summary keeps "1 410 bodů" whole.
        for (const auto& [points, said] : cases)
            QCOMPARE(AnalysisWindow::PointsWithUnit(points),
                     QString::fromUtf8(said).replace(QLatin1Char(' '), QChar(0x00a0)));
    }
};

QTEST_MAIN(GameWindowAdviceTest)
#include "GameWindowAdviceTest.moc"
