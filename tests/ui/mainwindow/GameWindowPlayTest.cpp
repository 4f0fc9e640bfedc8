// Playing in the game window: a click, a gravity change, the navigation
// controls, the keyboard and the position display.

#include "support/MainWindowFixture.h"

#include "engine/Scoring.h"

#include "ui/board/DemoMode.h"
#include "ui/dialogs/SettingsDialog.h"
#include "ui/windows/EndGameWindow.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QToolButton>

using namespace tumbla;
using namespace tumbla::test;

Q_DECLARE_METATYPE(tumbla::Command)

namespace {

// A Tumbla.ini of a small known situation, with the window's options.
void WriteIni(const QTemporaryDir& dir, const QString& others) {
    QFile ini(dir.filePath(QStringLiteral("Tumbla.ini")));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[Colors]\nCount=4\n[Dimensions]\nRows=5\nCols=10\n[Others]\nBeginNumber=4242\n");
    ini.write(others.toUtf8());
}

struct Played {
    Board board;
    std::int32_t total = 0;
    int moves = 0;
    int clicksInMotion = 0;
};

// Plays the situation to its end as fast as the clicks come, one group after
// the other, and leaves the end-of-game window at once.
void PlayThrough(bool dashing, Played& played) {
    QTemporaryDir dir;
    WriteIni(dir, dashing ? QStringLiteral("Dashing=1\n") : QStringLiteral("Dashing=0\n"));
    auto w = OpenWindow(dir);
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&w] {
        if (w->windows().get<EndGameWindow>()->isVisible())
            w->windows().get<EndGameWindow>()->reject();
    });
    closer.start(10);
    while (const auto pair = FindPair(w->game().Current().board, 5, 10)) {
        played.clicksInMotion += w->board()->isAnimating();
        // Now and then the picture has moved a good way before the click.
        if (played.moves % 3 == 2 && w->board()->isAnimating()) w->board()->freezeAnimationAt(150);
        ClickOn(w->board(), *pair);
        ++played.moves;
    }
    QTRY_VERIFY(!w->board()->isAnimating());
    QVERIFY(w->game().GameOver());
    QVERIFY(w->board()->board() == w->game().Current().board);
    played.board = w->game().Current().board;
    played.total = w->game().Current().TotalScore;
}

// A "Standard" game in the active window, its keyboard cursor moved by `keys`;
// nothing when the window cannot be made active.
std::unique_ptr<GameWindow> OpenStandardWithCursor(const QTemporaryDir& dir,
                                                   std::initializer_list<Qt::Key> keys) {
    auto w = OpenWindow(dir);
    w->runCommand(Command::Level3);
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w.get())) return nullptr;
    w->board()->setFocus();
    for (const Qt::Key key : keys) QTest::keyClick(w->board(), key);
    return w;
}

} // namespace

class GameWindowPlayTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { MessageBoxes::takeShownTexts(); }

    void clickRemovesAGroupAndUpdatesTheFields() {
        QTemporaryDir dir;
        auto w = OpenWindow(dir);
        w->runCommand(Command::Level1);
        const Board before = w->board()->board();
        const auto pair = FindPair(before, 5, 10);
        QVERIFY(pair);
        ClickOn(w->board(), *pair);

        const MoveRecord& now = w->game().Current();
        QCOMPARE(w->game().CurrentPosition(), 2);
        QVERIFY(w->board()->board() == now.board);
        QVERIFY(!(now.board == before));
        QCOMPARE(w->fieldText("moves"), QStringLiteral("1"));
        QVERIFY(now.Removed >= 2);
        QCOMPARE(w->fieldText("removed"), QString::number(now.Removed));
        QCOMPARE(w->fieldText("total"), QString::number(now.TotalScore));
        QCOMPARE(w->fieldText("points"), QString::number(now.Points));
    }

    void clickOnALoneStoneChangesNothing() {
        QTemporaryDir dir;
        auto w = OpenWindow(dir);
        w->runCommand(Command::Level1);
        const Board& b = w->board()->board();
        for (int r = 1; r <= 5; ++r)
            for (int c = 1; c <= 10; ++c) {
                const StoneCode code = b.at(r, c);
                const bool alone =
                    (r == 1 || b.at(r - 1, c) != code) && (r == 5 || b.at(r + 1, c) != code) &&
                    (c == 1 || b.at(r, c - 1) != code) && (c == 10 || b.at(r, c + 1) != code);
                if (!alone) continue;
                const Board before = b;
                ClickOn(w->board(),
                        Move{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(c)});
                QVERIFY(w->board()->board() == before);
                QCOMPARE(w->fieldText("moves"), QStringLiteral("0"));
                return;
            }
        QSKIP("no lone stone on this field");
    }

    void gravityChange() {
        QTemporaryDir dir;
        auto w = OpenWindow(dir);
        w->runCommand(Command::Level5); // all four directions
        BoardWidget* board = w->board();
        for (int d = 0; d < 4; ++d) QVERIFY(board->isGravityButtonVisible(d));
        QVERIFY(!board->isGravityButtonEnabled(GravityDown)); // the one in force
        QVERIFY(board->isGravityButtonEnabled(GravityUp));
        ClickOn(board, Move{0, GravityUp});
        QCOMPARE(w->game().Current().Gravity, std::uint8_t{GravityUp});
        QCOMPARE(board->gravity(), int{GravityUp});
        QCOMPARE(w->fieldText("moves"), QStringLiteral("1"));
        QVERIFY(board->board() == w->game().Current().board);
        // Two changes of gravity in a row are refused.
        ClickOn(board, Move{0, GravityLeft});
        QCOMPARE(w->fieldText("moves"), QStringLiteral("1"));

        // A level with gravity fixed downwards shows no buttons at all.
        w->runCommand(Command::Level1);
        for (int d = 0; d < 4; ++d) QVERIFY(!board->isGravityButtonVisible(d));
    }

    void navigationEnabling() {
        QTemporaryDir dir;
        auto w = OpenWindow(dir);
        w->runCommand(Command::Level1);
        auto enabled = [&w](Command c) { return w->action(c)->isEnabled(); };
        QVERIFY(!enabled(Command::First) && !enabled(Command::Back));
        QVERIFY(!enabled(Command::Forward) && !enabled(Command::Last));

        ClickOn(w->board(), *FindPair(w->board()->board(), 5, 10));
        const Board afterMove = w->board()->board();
        QVERIFY(enabled(Command::First) && enabled(Command::Back));
        QVERIFY(!enabled(Command::Forward) && !enabled(Command::Last));

        // Ctrl+Z steps back, Ctrl+Y forward again.
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QTest::keyClick(w.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w->fieldText("moves"), QStringLiteral("0"));
        QVERIFY(!enabled(Command::Back));
        QVERIFY(enabled(Command::Forward) && enabled(Command::Last) && enabled(Command::ShowMove));
        QTest::keyClick(w.get(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(w->fieldText("moves"), QStringLiteral("1"));
        QVERIFY(w->board()->board() == afterMove);

        w->runCommand(Command::First);
        QCOMPARE(w->fieldText("moves"), QStringLiteral("0"));
        w->runCommand(Command::Last);
        QCOMPARE(w->fieldText("moves"), QStringLiteral("1"));
        // A new game closes the way forward and back.
        w->runCommand(Command::NewGame);
        QVERIFY(!enabled(Command::Back) && !enabled(Command::Forward));
    }

    void keyboardCursorPlays() {
        QTemporaryDir dir;
        auto w = OpenWindow(dir);
        w->runCommand(Command::Level1);
        const auto pair = FindPair(w->board()->board(), 5, 10);
        QVERIFY(pair);
        BoardWidget* board = w->board();
        board->setFocus();
        QTest::keyClick(board, Qt::Key_Right);
        QTest::keyClick(board, Qt::Key_Left);
        QVERIFY(board->isCursorVisible());
        for (int r = board->cursor().row; r < pair->row; ++r) QTest::keyClick(board, Qt::Key_Down);
        for (int c = board->cursor().col; c < pair->col; ++c) QTest::keyClick(board, Qt::Key_Right);
        QCOMPARE(board->cursor(), *pair);
        QTest::keyClick(board, Qt::Key_Space);
        QCOMPARE(w->fieldText("moves"), QStringLiteral("1"));
    }

    void mousePlayLeavesNoTraceOfTheKeyboardCursor() {
        QTemporaryDir dir;
        auto w =
            OpenStandardWithCursor(dir, {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Down});
        QVERIFY(w);
        BoardWidget* board = w->board();
        QVERIFY(board->isCursorVisible());
        for (int move = 0; move < 6; ++move) {
            const auto pair = FindPair(board->board(), 10, 20);
            if (!pair) break;
            QTest::mouseMove(board, board->moveRect(*pair).center());
            ClickOn(board, *pair);
            QCoreApplication::processEvents();
        }
        // What reached the screen is what a full repaint of the board draws.
        const QRect area(board->mapTo(w.get(), QPoint(0, 0)), board->size());
        const QImage screen = w->screen()->grabWindow(w->winId()).toImage();
        QCOMPARE(screen.copy(area).convertToFormat(QImage::Format_RGB32),
                 board->grab().toImage().convertToFormat(QImage::Format_RGB32));
    }

    void aGameInMotionEndsAsTheSameGameShownAtOnce() {
        Played still;
        Played moving;
        PlayThrough(false, still);
        PlayThrough(true, moving);
        QVERIFY(still.moves > 3);
        QCOMPARE(moving.moves, still.moves);
        QVERIFY(moving.board == still.board);
        QCOMPARE(moving.total, still.total);
        // Every click but the first came while the last move was still in motion.
        QCOMPARE(still.clicksInMotion, 0);
        QCOMPARE(moving.clicksInMotion, moving.moves - 1);
    }

    void navigationAndTheDemoWithTheMoveInMotion() {
        QTemporaryDir dir;
        WriteIni(dir, QStringLiteral("Dashing=1\n"));
        auto w = OpenWindow(dir);
        ClickOn(w->board(), *FindPair(w->game().Current().board, 5, 10));
        QVERIFY(w->board()->isAnimating());
        // A step back shows its position at once.
        w->runCommand(Command::Back);
        QVERIFY(!w->board()->isAnimating());
        QVERIFY(w->board()->board() == w->game().Current().board);
        // The demo's moves are shown in motion too.
        DemoMode* demo = w->demo();
        w->runCommand(Command::Demo);
        bool demoInMotion = false;
        for (int tick = 0; tick < 8 && !demoInMotion; ++tick) {
            const int before = w->game().CurrentPosition();
            demo->tick();
            demoInMotion = w->game().CurrentPosition() > before && w->board()->isAnimating();
        }
        QVERIFY(demoInMotion);
        w->runCommand(Command::Demo);
        QVERIFY(!w->board()->isAnimating());
    }

    // Keyboard first, then clicks elsewhere, then the pointer leaves: the
    // outline, the "pozice:" field and Enter all take the cursor's cell.
    void theOutlineAndEnterAgreeWhicheverWasUsedLast() {
        QTemporaryDir dir;
        auto w =
            OpenStandardWithCursor(dir, {Qt::Key_Down, Qt::Key_Right, Qt::Key_Down, Qt::Key_Down});
        QVERIFY(w);
        BoardWidget* board = w->board();
        const Move keyed = board->cursor();
        QCOMPARE(w->fieldText("position"),
                 QStringLiteral("pozice: %1/%2").arg(keyed.row).arg(keyed.col));
        // Clicks elsewhere until the clicked cell holds a group again.
        for (int click = 0; click < 12; ++click) {
            std::optional<Move> pair;
            for (int row = 10; row >= 1 && !pair; --row)
                for (int col = 1; col <= 20 && !pair; ++col) {
                    const Move at{static_cast<std::uint8_t>(row), static_cast<std::uint8_t>(col)};
                    if (w->game().PreviewClick(at).valid &&
                        !w->game().PreviewClick(at).contains(keyed.row, keyed.col))
                        pair = at;
                }
            QVERIFY(pair);
            QTest::mouseMove(board, board->moveRect(*pair).center());
            ClickOn(board, *pair);
            QEvent leave(QEvent::Leave);
            QCoreApplication::sendEvent(board, &leave);
            QCoreApplication::processEvents();
            QCOMPARE(board->cursor(), *pair);
            if (w->game().PreviewClick(*pair).valid) break;
        }
        const Move cursor = board->cursor();
        QVERIFY(w->game().PreviewClick(cursor).valid);
        QVERIFY(board->isCursorVisible() && board->hasFocus());
        QCOMPARE(board->previewCell(), std::optional(cursor));
        const int before = w->game().CurrentPosition();
        QTest::keyClick(board, Qt::Key_Return);
        QCOMPARE(w->game().CurrentPosition(), before + 1);
        QCOMPARE(w->game().Position(before).MoveRow, cursor.row);
        QCOMPARE(w->game().Position(before).MoveCol, cursor.col);
    }

    void thePreviewShowsWhatTheClickTakes() {
        QTemporaryDir dir;
        WriteIni(dir, {});
        auto w = OpenWindow(dir);
        BoardWidget* board = w->board();
        const Move pair = *FindPair(w->game().Current().board, 5, 10);
        const MovePreview expected = w->game().PreviewClick(pair);
        QVERIFY(expected.valid && expected.stones >= 2);
        QTest::mouseMove(board, board->moveRect(pair).center());
        QCOMPARE(board->previewCell(), std::optional(pair));
        QVERIFY(board->preview() == expected);
        // After the click the cell under the pointer shows what it takes now.
        ClickOn(board, pair);
        QTRY_VERIFY(board->previewCell().has_value() || !w->game().PreviewClick(pair).valid);
        if (board->previewCell()) QVERIFY(board->preview() == w->game().PreviewClick(pair));
        // The keyboard cursor shows the same, over a cell the mouse left.
        QTest::mouseMove(board, board->rect().topLeft() + QPoint(1, 1));
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        board->setFocus();
        QTest::keyClick(board, Qt::Key_Right);
        const Move cursor = board->cursor();
        QCOMPARE(board->previewCell().has_value(), w->game().PreviewClick(cursor).valid);

        // Turned off in the settings, no preview shows.
        w->settingsDialogState().previewBox = false;
        QTimer::singleShot(0, [&w] { w->windows().get<SettingsDialog>()->okButton()->click(); });
        w->runCommand(Command::Settings);
        QTest::mouseMove(board, board->moveRect(pair).center() + QPoint(1, 0));
        QVERIFY(!board->previewCell().has_value());
    }

    void aResizedWindowPlaysOnItsGrownCells() {
        QTemporaryDir dir;
        auto w = OpenWindow(dir);
        w->runCommand(Command::Level1);
        const QSize before = w->size();
        // Grown by as much as the test screen (800 pixels wide) holds at the new cells.
        w->resize(before + QSize(60, 60));
        QTRY_VERIFY(w->board()->cellGeometry().cellWidth > 28);
        const int cell = w->board()->cellGeometry().cellWidth;
        QCOMPARE(w->board()->cellGeometry().cellHeight, cell);
        const Move pair = *FindPair(w->game().Current().board, 5, 10);
        ClickOn(w->board(), pair);
        QCOMPARE(w->game().CurrentPosition(), 2);
        QCOMPARE((Move{w->game().Position(1).MoveRow, w->game().Position(1).MoveCol}), pair);
        // Another level and back: the window keeps the player's cells.
        w->runCommand(Command::Level5);
        w->runCommand(Command::Level1);
        QCOMPARE(w->board()->cellGeometry().cellWidth, cell);
    }

    void marksCounterAndHint() {
        QTemporaryDir dir;
        auto w = OpenWindow(dir);
        auto* hint = w->findChild<QToolButton*>(QStringLiteral("hint"));
        // The hint button stays where the player clicked it last, whatever
        // the panel shows beside it: joker and glass or none, marks or none.
        const auto place = [&w, hint] {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            return hint->mapTo(w.get(), QPoint(0, 0)).x();
        };
        w->runCommand(Command::Level5);
        const int x = place();
        w->runCommand(Command::Level1);
        QCOMPARE(place(), x);
        QVERIFY(!w->action(Command::Marks)->isEnabled());
        w->runCommand(Command::AddMark);
        QCOMPARE(w->fieldText("marks"), QStringLiteral("[1]"));
        QVERIFY(w->action(Command::Marks)->isEnabled());
        QCOMPARE(place(), x);

        w->nextHint();
        QVERIFY(w->game().HintCount() > 0);
        QCOMPARE(w->fieldText("hintCounter"), QStringLiteral("1/%1").arg(w->game().HintCount()));
        QVERIFY(w->board()->shownMove().has_value());
        // The hint marks the whole group its move takes, as the preview would.
        const MovePreview group = w->game().PreviewClick(*w->board()->shownMove());
        QVERIFY(group.stones >= 2);
        QCOMPARE(w->board()->shownGroup(), group);
    }

    // Ctrl+N, a preset level, the demo and a loaded file each replace the
    // game: one with a move that is not over goes only on the player's Yes.
    void aGameInProgressIsReplacedOnlyOnYes_data() {
        QTest::addColumn<Command>("command");
        QTest::newRow("new game") << Command::NewGame;
        QTest::newRow("preset level") << Command::Level1;
        QTest::newRow("demo") << Command::Demo;
        QTest::newRow("load") << Command::Load;
    }
    void aGameInProgressIsReplacedOnlyOnYes() {
        QFETCH(Command, command);
        QTemporaryDir dir;
        WriteIni(dir, QStringLiteral("Dashing=0\n"));
        auto w = OpenWindow(dir);
        const auto pair = FindPair(w->game().Current().board, 5, 10);
        QVERIFY(pair);
        ClickOn(w->board(), *pair);
        QCOMPARE(w->game().LastPosition(), 2);
        const Board played = w->game().Current().board;
        MessageBoxes::takeShownTexts();
        FileDialogs::setNextPath(dir.filePath(QStringLiteral("other.hra")).toStdString());
        MessageBoxes::setNextAnswer(Answer::No);
        w->runCommand(command);
        QCOMPARE(MessageBoxes::takeShownTexts(),
                 std::deque<std::string>{"Chcete skutečně ukončit rozehranou hru?"});
        QVERIFY(!w->demo()->isRunning());
        QCOMPARE(w->game().LastPosition(), 2);
        QVERIFY(w->game().Current().board == played);
    }

    void positionDisplayShowsThePriceInPremiumModes() {
        QTemporaryDir dir;
        auto w = OpenWindow(dir);
        w->runCommand(Command::Level4); // "přímé **"
        BoardWidget* board = w->board();
        const StoneCode code = w->game().Current().board.at(3, 12);
        QTest::mouseMove(board, board->layout().cellRect(3, 12).center());
        QString expected = QStringLiteral("pozice: 3/12");
        if (code >= 1 && code <= 8) expected += QStringLiteral(" (%1)").arg(PriceTable[code]);
        QCOMPARE(w->fieldText("position"), expected);
        QCOMPARE(w->fieldText("rating"), QStringLiteral("přímé **"));

        w->runCommand(Command::Level3); // not premium
        QTest::mouseMove(board, board->layout().cellRect(2, 3).center());
        QCOMPARE(w->fieldText("position"), QStringLiteral("pozice: 2/3"));
    }
};

QTEST_MAIN(GameWindowPlayTest)
#include "GameWindowPlayTest.moc"
