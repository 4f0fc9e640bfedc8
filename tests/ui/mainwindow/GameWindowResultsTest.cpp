// The end of a game, the ranking, the hall of fame and the demo as the game
// window opens them from its menu.

#include "support/EventLoop.h"
#include "support/FakePorts.h"
#include "support/MainWindowFixture.h"

#include "results/CompetitionGame.h"
#include "results/FameRecord.h"
#include "results/HallOfFame.h"
#include "ui/board/DemoMode.h"
#include "ui/platform/WindowPlacement.h"
#include "ui/windows/CopyWindow.h"
#include "ui/windows/EndGameWindow.h"
#include "ui/windows/HallOfFameWindow.h"
#include "ui/windows/HeadStrip.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>

#include <memory>

using namespace tumbla;
using namespace tumbla::test;

namespace {

// A quiet game of a known situation in force in the window.
void StartSmallGame(GameWindow& w, std::int32_t number) {
    GameSettings s = SmallGame(number);
    s.Zvuk = 0;
    w.game().PutSettingsInForce(s);
    w.game().NewSituation();
}

// Plays the game in force to its end and types `name` into the end window,
// confirms it with Enter and closes the window with Esc.
bool FinishAndStoreName(GameWindow& w, const QString& name) {
    EndGameWindow* endWindow = w.windows().get<EndGameWindow>();
    bool shown = false;
    WhenShown(endWindow, [&] {
        shown = endWindow->session().mode() == EndGameMode::End;
        QTest::keyClicks(endWindow, name);
        QTest::keyClick(endWindow, Qt::Key_Return);
        QTest::keyClick(endWindow, Qt::Key_Escape);
        if (endWindow->isVisible()) endWindow->reject();
    });
    PlayToTheEnd(w.game());
    return shown && w.game().GameOver() && !endWindow->isVisible();
}

bool IniHas(const QTemporaryDir& dir, const QString& key) {
    return QSettings(dir.filePath(QStringLiteral("Tumbla.ini")), QSettings::IniFormat)
        .contains(key);
}

std::vector<FameRecord> Stored(const QTemporaryDir& dir) {
    return HallOfFame(dir.path().toStdString()).readAll();
}

} // namespace

class GameWindowResultsTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { MessageBoxes::takeShownTexts(); }

    void theEndOfAGameOpensTheEndWindowAndStoresTheName() {
        QTemporaryDir dir;
        auto w = OpenWindow(dir);
        for (const Command c : {Command::HallOfFame, Command::Ranking, Command::KoruMail,
                                Command::KoruDisk, Command::SaveForKoru, Command::Demo})
            QVERIFY(w->action(c)->isEnabled());
        StartSmallGame(*w, 4242);
        QVERIFY(FinishAndStoreName(*w, QStringLiteral("Ema")));
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("Tumbla.Fam"))));
        const auto stored = Stored(dir);
        QCOMPARE(stored.size(), std::size_t{1});
        QCOMPARE(FameName(stored[0]), std::string("Ema"));
        QCOMPARE(stored[0].points, w->game().Current().TotalScore);
        QCOMPARE(stored[0].settings.BeginNumber, 4242);
        // The window kept its place for the next run.
        QVERIFY(IniHas(dir, QString(IniSection::EndGameWindow) + QStringLiteral("/Left")));
        // Once the end window is gone the game window says that the game is
        // over, until the player steps back from its end.
        const auto* strip = w->findChild<HeadStrip*>(QStringLiteral("headStrip"));
        QVERIFY(strip);
        QCOMPARE(strip->note(), QStringLiteral("konec hry"));
        w->runCommand(Command::Back);
        QCOMPARE(strip->note(), QString());
    }

    // A game window that leaves the screen no room beside it: the end window
    // opens over the part of the board without stones, the final position in view.
    void theEndWindowLeavesTheFinalPositionInView() {
        QTemporaryDir dir;
        auto w = OpenWindow(dir);
        StartSmallGame(*w, 4242);
        // No room on either side of the window for the end window.
        const QRect screen = w->screen()->availableGeometry();
        w->setGeometry(screen.left() + 90, screen.top(), screen.width() - 180, screen.height() / 2);
        QTRY_VERIFY(w->frameGeometry().right() + 8 + 600 > screen.right());
        EndGameWindow* endWindow = w->windows().get<EndGameWindow>();
        std::vector<QRect> stones;
        QRect placed;
        WhenShown(endWindow, [&] {
            const BoardLayout& layout = w->board()->layout();
            for (int row = 1; row <= layout.rows(); ++row)
                for (int col = 1; col <= layout.cols(); ++col)
                    if (w->game().Current().board.at(row, col) != 0)
                        stones.emplace_back(
                            w->board()->mapToGlobal(layout.cellRect(row, col).topLeft()),
                            layout.cellRect(row, col).size());
            placed = endWindow->frameGeometry();
            endWindow->reject();
        });
        PlayToTheEnd(w->game());
        QVERIFY(w->game().GameOver());
        QVERIFY(!stones.empty());
        QVERIFY(
            placed.intersects(w->board()->rect().translated(w->board()->mapToGlobal(QPoint()))));
        for (const QRect& stone : stones) QVERIFY(!placed.intersects(stone));
    }

    void theRankingOfTheGameInForceOpensFromTheMenu() {
        QTemporaryDir dir;
        auto w = OpenWindow(dir);
        StartSmallGame(*w, 4242);
        QVERIFY(FinishAndStoreName(*w, QStringLiteral("Ivo")));
        StartSmallGame(*w, 4242);
        EndGameWindow* endWindow = w->windows().get<EndGameWindow>();
        QString title, best;
        bool nameEntry = true;
        WhenShown(endWindow, [&] {
            title = endWindow->windowTitle();
            best = endWindow->rowText(0, 1);
            nameEntry = endWindow->okButton()->isVisible();
            endWindow->backButton()->click();
        });
        w->action(Command::Ranking)->trigger();
        QVERIFY(!endWindow->isVisible());
        QCOMPARE(title, QStringLiteral("dosažené body k aktuální hře:"));
        QCOMPARE(best, QStringLiteral("Ivo"));
        QVERIFY(!nameEntry);
        QCOMPARE(endWindow->session().mode(), EndGameMode::Ranking);
    }

    void takingOverSettingsFromTheHallOfFameGeneratesThatSituation() {
        QTemporaryDir dir;
        auto w = OpenWindow(dir);
        StartSmallGame(*w, 777);
        const Board first = w->game().Position(1).board;
        QVERIFY(FinishAndStoreName(*w, QStringLiteral("Ema")));
        w->runCommand(Command::Level3);
        QVERIFY(w->game().Settings().Rows != 5 || w->game().Settings().Cols != 10);

        HallOfFameWindow* fameWindow = w->windows().get<HallOfFameWindow>();
        int rows = 0;
        WhenShown(fameWindow, [&] {
            rows = fameWindow->rowCount();
            fameWindow->selectRow(0);
            fameWindow->takeOver();
            if (fameWindow->isVisible()) fameWindow->reject();
        });
        w->action(Command::HallOfFame)->trigger();
        QCOMPARE(rows, 1);
        QVERIFY(IniHas(dir, QString(IniSection::HallOfFameWindow) + QStringLiteral("/Left")));
        QCOMPARE(w->game().Settings().Rows, std::uint8_t{5});
        QCOMPARE(w->game().Settings().Cols, std::uint8_t{10});
        QCOMPARE(w->game().LastPosition(), 1);
        QVERIFY(w->game().Current().board == first);
        QCOMPARE(w->fieldText(QStringLiteral("number")), QStringLiteral("777"));

        // Simply closed, the list leaves the game alone.
        const int moves = w->game().LastPosition();
        WhenShown(fameWindow, [&] { fameWindow->reject(); });
        w->action(Command::HallOfFame)->trigger();
        QCOMPARE(w->game().LastPosition(), moves);
        QVERIFY(w->game().Current().board == first);
    }

    void theCompetitionSaveAndCopyRunFromTheMenu() {
        QTemporaryDir dir;
        auto w = OpenWindow(dir);
        StartSmallGame(*w, 4242);
        QVERIFY(FinishAndStoreName(*w, QStringLiteral("Ema")));
        // The competition name the player chooses is written.
        w->settingsDialogState().koruName = "ABCD";
        const std::string name =
            ComposeCompetitionName(w->game(), "ABCD", LinuxSystemIdentity()) + ".hre";
        const std::string path = (std::filesystem::path(dir.path().toStdString()) / name).string();
        FileDialogs::setNextPath(path);
        w->action(Command::SaveForKoru)->trigger();
        QVERIFY(std::filesystem::exists(path));
        QVERIFY(MessageBoxes::takeShownTexts().empty());

        bool copyShown = false;
        WhenShown(w->windows().get<CopyWindow>(), [&] {
            copyShown = true;
            w->windows().get<CopyWindow>()->reject();
        });
        w->action(Command::KoruDisk)->trigger();
        QVERIFY(copyShown);
        QVERIFY(!w->windows().get<CopyWindow>()->isVisible());
        QVERIFY(IniHas(dir, QString(IniSection::CopyWindow) + QStringLiteral("/Left")));
    }

    void theDemoToggledOnAndOffRestoresCaptionAndSettings() {
        QTemporaryDir dir;
        auto w = OpenWindow(dir);
        StartSmallGame(*w, 4242);
        const QString caption = w->windowTitle();
        const GameSettings before = w->game().Settings();

        w->action(Command::Demo)->trigger();
        QVERIFY(w->demo()->isRunning());
        QCOMPARE(w->windowTitle(), caption + DemoMode::CaptionSuffix);
        QCOMPARE(w->game().Settings().Rows, std::uint8_t{7});
        QCOMPARE(w->game().Settings().Cols, std::uint8_t{12});
        QCOMPARE(w->fieldText(QStringLiteral("moves")), QStringLiteral("0"));
        // Coming back to the window keeps the demo's caption.
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QEvent activation(QEvent::ActivationChange);
        QApplication::sendEvent(w.get(), &activation);
        QCOMPARE(w->windowTitle(), caption + DemoMode::CaptionSuffix);

        w->action(Command::Demo)->trigger();
        QVERIFY(!w->demo()->isRunning());
        QCOMPARE(w->windowTitle(), caption);
        QVERIFY(w->game().Settings() == before);
        QCOMPARE(w->fieldText(QStringLiteral("number")), QStringLiteral("4242"));
    }

    void aDemoGameThatEndsShowsNoEndWindow() {
        QTemporaryDir dir;
        auto w = OpenWindow(dir);
        StartSmallGame(*w, 4242);
        const QString caption = w->windowTitle();
        const GameSettings before = w->game().Settings();
        QSignalSpy ends(w.get(), &GameWindow::gameOverShown);
        bool endWindowShown = false;
        WhenShown(w->windows().get<EndGameWindow>(), [&] {
            endWindowShown = true;
            w->windows().get<EndGameWindow>()->reject();
        });

        // A demo may also stop when only gravity changes are left; the
        // situations are tried until one plays to the end of its game.
        DemoMode* demo = w->demo();
        for (std::int32_t number = 1; number <= 40 && ends.count() == 0; ++number) {
            demo->setSituationNumber(number);
            w->action(Command::Demo)->trigger();
            for (int tick = 0; tick < 4000 && demo->isRunning(); ++tick) {
                demo->tick();
                if (number == 1 && tick == 9) {
                    const QString shots = qEnvironmentVariable("TUMBLA_SHOTS");
                    if (!shots.isEmpty())
                        w->grab().save(QDir(shots).filePath(QStringLiteral("GameWindow-demo.png")));
                }
            }
        }
        QVERIFY(!demo->isRunning());
        QCOMPARE(ends.count(), 1);
        RunUntilIdle(); // any end window would be up by now
        QVERIFY(!endWindowShown);
        QVERIFY(!w->windows().get<EndGameWindow>()->isVisible());
        QCOMPARE(w->windowTitle(), caption);
        QVERIFY(w->game().Settings() == before);
        QVERIFY(Stored(dir).empty());
    }
};

QTEST_MAIN(GameWindowResultsTest)
#include "GameWindowResultsTest.moc"
