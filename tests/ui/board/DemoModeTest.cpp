// The demonstration: its settings come and go, it plays through the game,
// and its game ends without the end-of-game window.

#include "ui/board/DemoMode.h"

#include "support/FakePorts.h"
#include "ui/board/BoardWidget.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace tumbla;
using namespace tumbla::test;

namespace {

// The main window's part: the end window opens unless the demo runs.
class MainViewStandIn : public SilentGameView {
  public:
    void showGameOver() override {
        ++gameOvers;
        if (!demo || !demo->isRunning()) ++endWindows;
    }
    DemoMode* demo = nullptr;
    int gameOvers = 0;
    int endWindows = 0;
};

GameSettings PlayerSettings() {
    GameSettings s = SmallGame(31337);
    s.Count = 5;
    s.Rows = 9;
    s.Cols = 14;
    s.ImageSet = 2;
    s.Zvuk = 1;
    return s;
}

} // namespace

class DemoModeTest : public QObject {
    Q_OBJECT
  private slots:
    void startedAndStoppedAtOnceGivesThePlayerBack() {
        FakeMessages messages;
        MainViewStandIn view;
        Game game(view, messages);
        BoardWidget board;
        DemoMode demo(game, &board);
        view.demo = &demo;
        game.PutSettingsInForce(PlayerSettings());
        game.NewSituation();
        const Board before = game.Current().board;
        QSignalSpy captions(&demo, &DemoMode::captionChanged);

        demo.toggle(QStringLiteral("Tumbla"));
        QVERIFY(demo.isRunning());
        QCOMPARE(game.Settings().Rows, std::uint8_t{7});
        QCOMPARE(game.Settings().Cols, std::uint8_t{12});
        QCOMPARE(game.Settings().ImageSet, std::uint8_t{2});
        QCOMPARE(captions.last().at(0).toString(),
                 QStringLiteral("Tumbla --- Demonstrace --- (stiskněte znovu \"Demo\")"));

        demo.toggle(QStringLiteral("ignored while running"));
        QVERIFY(!demo.isRunning());
        QCOMPARE(game.Settings(), PlayerSettings());
        QCOMPARE(game.CurrentPosition(), 1);
        QVERIFY(game.Current().board == before); // the same situation afresh
        QCOMPARE(captions.last().at(0).toString(), QStringLiteral("Tumbla"));
        QVERIFY(!game.NextMoveShown());
        QCOMPARE(view.endWindows, 0);
    }

    void ticksChooseThenExecuteAndThePointerReachesTheCell() {
        FakeMessages messages;
        MainViewStandIn view;
        Game game(view, messages);
        BoardWidget board;
        DemoMode demo(game, &board);
        game.PutSettingsInForce(PlayerSettings());
        game.NewSituation();
        demo.start(QStringLiteral("T"));
        board.setSettings(game.Settings());
        for (int move = 0; move < 6 && demo.isRunning(); ++move) {
            QVERIFY(demo.choosePhase());
            const int before = game.CurrentPosition();
            demo.tick();
            const auto pick = demo.lastPick();
            QVERIFY(pick);
            // The offsets grow with the cells; after the resize below the cells are
            // those of the start, and so are the offsets.
            const QRect target = board.moveRect(pick->move);
            const double k = board.cellGeometry().scale;
            QVERIFY(move <= 2 ? k > 1 : k == 1);
            QCOMPARE(board.pointerPosition(),
                     QPoint(target.left() + qRound(DemoPointerOffsetX * k),
                            target.top() + qRound(DemoPointerOffsetY * k)));
            if (!pick->gravity) {
                QVERIFY(game.NextMoveShown());
                QCOMPARE(game.ShownMove(), pick->move);
            }
            QCOMPARE(game.CurrentPosition(), before); // chosen, not yet made
            if (move == 2) {
                board.resize(board.sizeHint());
                board.setBoard(game.Current().board);
                SaveScreenshot(board, QStringLiteral("DemoMode"));
            }
            demo.tick();
            if (demo.isRunning()) QCOMPARE(game.CurrentPosition(), before + 1);
        }
        demo.stop();
    }

    void aDemoGameEndsWithoutTheEndWindow() {
        // A demo ends when its game is over or when no cell can be clicked;
        // either way nothing of the end-of-game window appears.
        int endedByGameOver = 0;
        for (std::int32_t number = 1; number <= 20; ++number) {
            FakeMessages messages;
            MainViewStandIn view;
            Game game(view, messages);
            DemoMode demo(game, nullptr);
            demo.setSituationNumber(number);
            view.demo = &demo;
            game.PutSettingsInForce(PlayerSettings());
            game.NewSituation();
            const Board before = game.Current().board;
            QSignalSpy finished(&demo, &DemoMode::finished);
            QSignalSpy captions(&demo, &DemoMode::captionChanged);
            demo.start(QStringLiteral("Tumbla"));
            int ticks = 0;
            for (; ticks < 2000 && demo.isRunning(); ++ticks) demo.tick();
            QVERIFY(ticks > 2); // moves were made before the end
            QVERIFY(!demo.isRunning());
            QCOMPARE(finished.count(), 1);
            endedByGameOver += view.gameOvers;
            QCOMPARE(view.endWindows, 0);
            QCOMPARE(captions.last().at(0).toString(), QStringLiteral("Tumbla"));
            QCOMPARE(game.Settings(), PlayerSettings());
            QCOMPARE(game.CurrentPosition(), 1);
            QVERIFY(!game.GameOver());
            QVERIFY(game.Current().board == before);
            QVERIFY(!game.NextMoveShown());
        }
        QVERIFY(endedByGameOver > 0);
    }

    void theTimerDrivesTheTicks() {
        FakeMessages messages;
        SilentGameView view;
        Game game(view, messages);
        DemoMode demo(game, nullptr);
        game.PutSettingsInForce(PlayerSettings());
        game.NewSituation();
        demo.start(QStringLiteral("T"));
        const QTimer* timer = demo.findChild<QTimer*>();
        QVERIFY(timer);
        QCOMPARE(timer->interval(), DemoMode::TickMilliseconds);
        QVERIFY(timer->isActive());
        demo.stop();
        QVERIFY(!timer->isActive());
    }
};

QTEST_MAIN(DemoModeTest)
#include "DemoModeTest.moc"
