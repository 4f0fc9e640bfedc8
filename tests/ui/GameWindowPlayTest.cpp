// Playing in the game window: a click, a gravity change, the navigation
// controls, the keyboard and the position display.

#include "MainWindowFixture.h"

#include "engine/Scoring.h"

#include <QAction>
#include <QLabel>
#include <QToolButton>

using namespace tumbla;
using namespace tumbla::test;

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
