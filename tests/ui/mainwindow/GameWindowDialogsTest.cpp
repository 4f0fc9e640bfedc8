// The windows the game window opens from its menu and toolbar, and what
// their answers do to the game.

#include "support/FakeMessages.h"
#include "support/MainWindowFixture.h"

#include "situation/SettingsCode.h"
#include "ui/dialogs/GoToPositionDialog.h"
#include "ui/dialogs/SettingsDialog.h"
#include "ui/dialogs/SituationNumberDialog.h"
#include "ui/platform/WindowPlacement.h"
#include "ui/windows/CopyWindow.h"
#include "ui/windows/EndGameWindow.h"
#include "ui/windows/HallOfFameWindow.h"
#include "ui/windows/HeadStrip.h"
#include "ui/windows/MarksWindow.h"
#include "ui/windows/SearchWindow.h"
#include "ui/windows/StoneCountsWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>

#include <functional>

using namespace tumbla;
using namespace tumbla::test;

namespace {

// Plays the first group it finds; false when there is none.
bool PlayAMove(GameWindow& w) {
    const Rules& rules = w.game().CurrentRules();
    const auto pair = FindPair(w.game().Current().board, rules.rows, rules.cols);
    if (!pair) return false;
    ClickOn(w.board(), *pair);
    return true;
}

// Runs `inside` once the modal window of `command` is up.
void WhileOpen(GameWindow& w, Command command, std::function<void()> inside) {
    QTimer::singleShot(0, &w, std::move(inside));
    w.runCommand(command);
}

QVariant IniValue(const QTemporaryDir& dir, const QString& key) {
    return QSettings(dir.filePath(QStringLiteral("Tumbla.ini")), QSettings::IniFormat).value(key);
}

// With TUMBLA_SHOTS set, keeps a picture of the game window with `window` beside it.
void KeepShot(GameWindow& w, QWidget& window, const QString& name) {
    const QString dir = qEnvironmentVariable("TUMBLA_SHOTS");
    if (dir.isEmpty()) return;
    const QPixmap main = w.grab();
    const QPixmap other = window.grab();
    QPixmap both(main.width() + other.width() + 16, std::max(main.height(), other.height()));
    both.fill(QColor(0x50, 0x60, 0x70));
    QPainter p(&both);
    p.drawPixmap(0, 0, main);
    p.drawPixmap(main.width() + 16, 0, other);
    p.end();
    both.save(QDir(dir).filePath(QStringLiteral("GameWindow-") + name + QStringLiteral(".png")));
}

} // namespace

class GameWindowDialogsTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { MessageBoxes::takeShownTexts(); }

    void everyWindowIsReachable() {
        QTemporaryDir dir;
        auto w = OpenWindow(dir);
        for (const Command c : {Command::ByNumber, Command::Settings, Command::ScoreTable,
                                Command::ScoreGraph, Command::StoneCounts})
            QVERIFY(w->action(c)->isEnabled());
        const auto madeWindows = [&w] {
            int made = 0;
            for (const QWidget* child : w->findChildren<QWidget*>())
                if (child->isWindow() && !qobject_cast<const QMenu*>(child)) ++made;
            return made;
        };
        // None is made before it is needed; then made once and kept for the run.
        QCOMPARE(madeWindows(), 0);
        const std::function<QWidget*()> accessors[] = {
            [&w] { return w->windows().get<SituationNumberDialog>(); },
            [&w] { return w->windows().get<GoToPositionDialog>(); },
            [&w] { return w->windows().get<MarksWindow>(); },
            [&w] { return w->windows().get<StoneCountsWindow>(); },
            [&w] { return w->windows().get<SearchWindow>(); },
            [&w] { return w->windows().get<SettingsDialog>(); },
            [&w] { return w->windows().get<EndGameWindow>(); },
            [&w] { return w->windows().get<HallOfFameWindow>(); },
            [&w] { return w->windows().get<CopyWindow>(); }};
        for (const auto& accessor : accessors) {
            QWidget* window = accessor();
            QVERIFY(window);
            QVERIFY(window->isWindow());
            QVERIFY(!window->isVisible());
            QCOMPARE(accessor(), window);
        }
        QCOMPARE(madeWindows(), 9);
    }

    void typedNumberGeneratesThatSituation() {
        QTemporaryDir dir;
        auto w = OpenWindow(dir);
        w->runCommand(Command::Level3);
        QVERIFY(PlayAMove(*w));
        SituationNumberDialog* form = w->windows().get<SituationNumberDialog>();
        WhileOpen(*w, Command::ByNumber, [&w, form] {
            QVERIFY(form->isVisible());
            form->numberField()->setText(QStringLiteral("12345"));
            KeepShot(*w, *form, QStringLiteral("SituationNumberDialog"));
            form->okButton()->click();
        });
        QCOMPARE(w->fieldText("number"), QStringLiteral("12345"));
        QCOMPARE(w->game().CurrentPosition(), 1);
        const Board first = w->game().Current().board;

        // The same number again gives the same field; the text stayed in the window.
        QVERIFY(PlayAMove(*w));
        WhileOpen(*w, Command::ByNumber, [form] {
            QCOMPARE(form->numberField()->text(), QStringLiteral("12345"));
            form->okButton()->click();
        });
        QVERIFY(w->game().Current().board == first);
        QVERIFY(w->board()->board() == first);

        // A wrong number keeps the window open; its close box then generates nothing.
        QVERIFY(PlayAMove(*w));
        const Board played = w->game().Current().board;
        WhileOpen(*w, Command::ByNumber, [form] {
            form->numberField()->setText(QStringLiteral("12a"));
            form->okButton()->click();
            QVERIFY(form->isVisible());
            form->close();
        });
        QCOMPARE(MessageBoxes::takeShownTexts(), std::deque<std::string>{"Číslo je chybné!"});
        QCOMPARE(w->game().CurrentPosition(), 2);
        QVERIFY(w->game().Current().board == played);
        // Its place is kept in a section of its own.
        QVERIFY(IniValue(dir, QString(IniSection::SituationNumberDialog) + QStringLiteral("/Left"))
                    .isValid());
    }

    void goToPositionJumps() {
        QTemporaryDir dir;
        auto w = OpenWindow(dir);
        w->runCommand(Command::Level3);
        QVERIFY(PlayAMove(*w));
        QVERIFY(PlayAMove(*w));
        QVERIFY(PlayAMove(*w));
        QCOMPARE(w->game().LastPosition(), 4);
        QVERIFY(w->action(Command::GoTo)->isEnabled());
        GoToPositionDialog* form = w->windows().get<GoToPositionDialog>();
        WhileOpen(*w, Command::GoTo, [&w, form] {
            KeepShot(*w, *form, QStringLiteral("GoToPositionDialog"));
            QCOMPARE(form->rightLabel()->text(), QStringLiteral("4"));
            QCOMPARE(form->numberField()->value(), 2);
            form->numberField()->setValue(1);
            form->okButton()->click();
        });
        QCOMPARE(w->game().CurrentPosition(), 1);
        QVERIFY(w->board()->board() == w->game().Position(1).board);
        QCOMPARE(w->fieldText("moves"), QStringLiteral("0"));
        QVERIFY(IniValue(dir, QString(IniSection::GoToPositionDialog) + QStringLiteral("/Left"))
                    .isValid());
    }

    void markChosenInTheListJumps() {
        QTemporaryDir dir;
        auto w = OpenWindow(dir);
        w->runCommand(Command::Level3);
        QVERIFY(PlayAMove(*w));
        w->runCommand(Command::AddMark); // position 2
        QVERIFY(PlayAMove(*w));
        QCOMPARE(w->game().CurrentPosition(), 3);
        QVERIFY(w->action(Command::Marks)->isEnabled());
        MarksWindow* form = w->windows().get<MarksWindow>();
        WhileOpen(*w, Command::Marks, [&w, form] {
            QCOMPARE(form->list()->count(), 1);
            form->list()->item(0)->setSelected(true);
            KeepShot(*w, *form, QStringLiteral("MarksWindow"));
            form->goButton()->click();
        });
        QCOMPARE(w->game().CurrentPosition(), 2);
        QVERIFY(w->board()->board() == w->game().Position(2).board);
        QCOMPARE(w->game().Marks().count(), 1);
    }

    void counterFollowsDeletionsInTheOpenList() {
        QTemporaryDir dir;
        auto w = OpenWindow(dir);
        w->runCommand(Command::Level3);
        QVERIFY(PlayAMove(*w));
        w->runCommand(Command::AddMark);
        QVERIFY(PlayAMove(*w));
        w->runCommand(Command::AddMark);
        auto* counter = w->findChild<QLabel*>(QStringLiteral("marks"));
        QVERIFY(counter);
        QCOMPARE(counter->text(), QStringLiteral("[2]"));
        MarksWindow* form = w->windows().get<MarksWindow>();
        WhileOpen(*w, Command::Marks, [counter, form] {
            form->list()->item(0)->setSelected(true);
            form->deleteButton()->click();
            QVERIFY(form->isVisible());
            QCOMPARE(counter->text(), QStringLiteral("[1]"));
            form->reject();
        });
        QCOMPARE(w->game().Marks().count(), 1);
        QCOMPARE(counter->text(), QStringLiteral("[1]"));
    }

    void settingsOkWithALookChangeRedrawsOnly() {
        QTemporaryDir dir;
        auto w = OpenWindow(dir);
        w->runCommand(Command::Level3);
        QVERIFY(PlayAMove(*w));
        const MoveRecord before = w->game().Current();
        const QString number = w->fieldText("number");
        SettingsDialog* form = w->windows().get<SettingsDialog>();
        const int grid = w->game().Settings().Mrizka == 2 ? 1 : 2;
        WhileOpen(*w, Command::Settings, [&w, form, grid] {
            QVERIFY(form->isVisible());
            KeepShot(*w, *form, QStringLiteral("SettingsDialog"));
            form->tabs()->setCurrentIndex(3);
            form->gridChoice(grid)->click();
            form->okButton()->click();
        });
        QVERIFY(!form->isVisible());
        QCOMPARE(int(w->game().Settings().Mrizka), grid);
        QCOMPARE(w->board()->settings().Mrizka, w->game().Settings().Mrizka);
        QCOMPARE(w->game().CurrentPosition(), 2);
        QVERIFY(w->game().Current().board == before.board);
        QVERIFY(w->board()->board() == before.board);
        QCOMPARE(w->fieldText("number"), number);
        // The file took the settings, and the dialog's own place.
        QCOMPARE(IniValue(dir, QStringLiteral("Others/Mrizka")).toInt(), grid);
        QVERIFY(
            IniValue(dir, QString(IniSection::SettingsDialog) + QStringLiteral("/Left")).isValid());
    }

    void settingsOkWithAGameChangeMakesANewSituation() {
        QTemporaryDir dir;
        auto w = OpenWindow(dir);
        w->runCommand(Command::Level3);
        QVERIFY(PlayAMove(*w));
        const int count = w->game().Settings().Count == 8 ? 5 : 8;
        SettingsDialog* form = w->windows().get<SettingsDialog>();
        WhileOpen(*w, Command::Settings, [form, count] {
            form->tabs()->setCurrentIndex(1);
            form->colourCountChoice(count)->click();
            form->okButton()->click();
        });
        QCOMPARE(int(w->game().Settings().Count), count);
        QCOMPARE(w->game().CurrentPosition(), 1);
        QCOMPARE(w->game().LastPosition(), 1);
        QCOMPARE(w->fieldText("moves"), QStringLiteral("0"));
        QVERIFY(w->board()->board() == w->game().Current().board);
    }

    void leavingSettingsWithoutOkRestoresTheColours() {
        QTemporaryDir dir;
        auto w = OpenWindow(dir);
        w->runCommand(Command::Level3);
        const GameSettings kept = w->game().Settings();
        const QColor shown = w->board()->backgroundColour();
        SettingsDialog* form = w->windows().get<SettingsDialog>();
        w->runCommand(Command::Rules); // a window with a caption strip
        auto* strip = w->findChild<HeadStrip*>();
        QVERIFY(strip);
        const QColor caption = strip->startColour();
        QComboBox* head = nullptr;
        for (QComboBox* box : form->findChildren<QComboBox*>())
            if (box != form->backColourField()) head = box;
        QVERIFY(head);
        const std::function<void(bool)> leave = [&](bool byCloseBox) {
            WhileOpen(*w, Command::Settings, [&, byCloseBox] {
                form->tabs()->setCurrentIndex(3);
                QComboBox* back = form->backColourField();
                const int other = back->currentIndex() == 1 ? 2 : 1;
                back->setCurrentIndex(other);
                emit back->activated(other);
                // The playing area shows the colour at once.
                QVERIFY(w->board()->backgroundColour() != shown);
                const int otherHead = head->currentIndex() == 3 ? 4 : 3;
                head->setCurrentIndex(otherHead);
                emit head->activated(otherHead);
                QVERIFY(strip->startColour() != caption);
                if (!byCloseBox) KeepShot(*w, *form, QStringLiteral("SettingsDialog-preview"));
                form->tabs()->setCurrentIndex(1);
                form->jokerChoice(3)->click();
                if (byCloseBox)
                    form->close();
                else
                    form->returnButton()->click();
            });
            QVERIFY(!form->isVisible());
            QCOMPARE(w->board()->backgroundColour(), shown);
            QCOMPARE(strip->startColour(), caption);
            QVERIFY(PackSettings(w->game().Settings()) == PackSettings(kept));
        };
        leave(false);
        leave(true);
    }

    void refusedOkThenReturnLeavesTheGameAsItWas() {
        QTemporaryDir dir;
        auto w = OpenWindow(dir);
        w->runCommand(Command::Level3);
        const GameSettings kept = w->game().Settings();
        const int count = kept.Count == 5 ? 6 : 5;
        SettingsDialog* form = w->windows().get<SettingsDialog>();
        WhileOpen(*w, Command::Settings, [form, count] {
            form->tabs()->setCurrentIndex(1);
            form->colourCountChoice(count)->click();
            form->tabs()->setCurrentIndex(4);
            QTest::keyClicks(form->codeEntry(), QStringLiteral("zz"));
            QTest::keyClick(form->codeEntry(), Qt::Key_Return);
            QVERIFY(!form->codeMessage()->text().isEmpty());
            // The wrong code keeps the dialog open once, though OK has done its work.
            form->okButton()->click();
            QVERIFY(form->isVisible());
            form->returnButton()->click();
        });
        QVERIFY(!form->isVisible());
        // The stones on the board belong to the settings of the opening.
        QVERIFY(PackSettings(w->game().Settings()) == PackSettings(kept));
    }

    void typedCodeIsJudgedByOkAndNeverLater() {
        QTemporaryDir dir;
        auto w = OpenWindow(dir);
        w->runCommand(Command::Level3);
        const auto codeWith = [&w](int count) {
            GameSettings s = w->game().Settings();
            s.Count = static_cast<std::uint8_t>(count);
            return QString::fromStdString(SettingsCodeFromSettings(s));
        };
        const int kept = w->game().Settings().Count;
        const int typed = kept == 5 ? 6 : 5;
        SettingsDialog* form = w->windows().get<SettingsDialog>();
        // A code typed without Enter is what OK puts in force.
        WhileOpen(*w, Command::Settings, [form, code = codeWith(typed)] {
            form->tabs()->setCurrentIndex(4);
            QTest::keyClicks(form->codeEntry(), code);
            form->okButton()->click();
        });
        QCOMPARE(int(w->game().Settings().Count), typed);

        // A code typed and abandoned never comes into force later.
        WhileOpen(*w, Command::Settings, [form, code = codeWith(kept)] {
            QVERIFY(form->codeEntry()->text().isEmpty());
            form->tabs()->setCurrentIndex(4);
            QTest::keyClicks(form->codeEntry(), code);
            form->returnButton()->click();
        });
        FileDialogs::setNextPath(std::nullopt);
        w->runCommand(Command::SavedSettings); // its file dialog cancelled
        QCOMPARE(int(w->game().Settings().Count), typed);
    }

    void settingsSavedByNameComeBackThroughTheMenu() {
        QTemporaryDir dir;
        auto w = OpenWindow(dir);
        w->runCommand(Command::Level3);
        const int kept = w->game().Settings().Count;
        const int count = kept == 5 ? 6 : 5;
        const std::string file = dir.filePath(QStringLiteral("pet.hrs")).toStdString();
        SettingsDialog* form = w->windows().get<SettingsDialog>();
        // Saved from the dialog, which is then left without OK.
        WhileOpen(*w, Command::Settings, [form, count, &file] {
            form->tabs()->setCurrentIndex(1);
            form->colourCountChoice(count)->click();
            FileDialogs::setNextPath(file);
            form->saveButton()->click();
            form->returnButton()->click();
        });
        QVERIFY(QFile::exists(QString::fromStdString(file)));
        QCOMPARE(int(w->game().Settings().Count), kept);

        QVERIFY(PlayAMove(*w));
        FileDialogs::setNextPath(file);
        w->runCommand(Command::SavedSettings);
        QCOMPARE(int(w->game().Settings().Count), count);
        QCOMPARE(w->game().LastPosition(), 1);
        // The dialog opens next over the settings now in force.
        WhileOpen(*w, Command::Settings, [form, count] {
            QVERIFY(form->colourCountChoice(count)->isChecked());
            form->returnButton()->click();
        });
    }

    void stoneCountsFollowTheGame() {
        QTemporaryDir dir;
        auto w = OpenWindow(dir);
        w->runCommand(Command::Level3);
        StoneCountsWindow* info = w->windows().get<StoneCountsWindow>();
        w->runCommand(Command::StoneCounts);
        QVERIFY(info->isVisible());
        QVERIFY(info->windowFlags() & Qt::WindowStaysOnTopHint);
        KeepShot(*w, *info, QStringLiteral("StoneCountsWindow"));
        const auto countOf = [&](int colour) {
            int n = 0;
            const Rules& r = w->game().CurrentRules();
            for (int row = 1; row <= r.rows; ++row)
                for (int col = 1; col <= r.cols; ++col)
                    if (w->game().Current().board.at(row, col) == colour) ++n;
            return n;
        };
        const int colours = w->game().Settings().Count;
        for (int c = 1; c <= colours; ++c)
            QCOMPARE(info->countLabel(c)->text(), QString::number(countOf(c)));
        // A move and a step back reach the window at once.
        QVERIFY(PlayAMove(*w));
        for (int c = 1; c <= colours; ++c)
            QCOMPARE(info->countLabel(c)->text(), QString::number(countOf(c)));
        w->runCommand(Command::Back);
        for (int c = 1; c <= colours; ++c)
            QCOMPARE(info->countLabel(c)->text(), QString::number(countOf(c)));
        info->close();
        QVERIFY(IniValue(dir, QString(IniSection::StoneCountsWindow) + QStringLiteral("/Left"))
                    .isValid());
    }

    void scoreViewsOpenPerShowing() {
        QTemporaryDir dir;
        auto w = OpenWindow(dir);
        for (const auto& [command, title, shot, section] :
             {std::tuple{Command::ScoreTable, "bodování:", "ScoreTableWindow",
                         IniSection::ScoreTableWindow},
              std::tuple{Command::ScoreGraph, "body graficky:", "ScoreChartWindow",
                         IniSection::ScoreChartWindow}}) {
            QString seen;
            // clang 14 cannot capture a structured binding.
            const QString shotName = QString::fromLatin1(shot);
            WhileOpen(*w, command, [&w, &seen, &shotName] {
                QWidget* modal = QApplication::activeModalWidget();
                QVERIFY(modal);
                seen = modal->windowTitle();
                KeepShot(*w, *modal, shotName);
                modal->close();
            });
            QCOMPARE(seen, QString::fromUtf8(title));
            // Thrown away after the showing.
            QVERIFY(!QApplication::activeModalWidget());
            QVERIFY(
                IniValue(dir, QString::fromLatin1(section) + QStringLiteral("/Left")).isValid());
        }
    }

    void hintButtonCyclesThroughTheCandidates() {
        QTemporaryDir dir;
        auto w = OpenWindow(dir);
        w->runCommand(Command::Level1);
        auto* button = w->findChild<QToolButton*>(QStringLiteral("hint"));
        QVERIFY(button);
        QVERIFY(button->toolTip().isEmpty());
        button->click();
        const int count = w->game().HintCount();
        QVERIFY(count > 0);
        QCOMPARE(w->fieldText("hintCounter"), QStringLiteral("1/%1").arg(count));
        for (int i = 1; i < count; ++i) button->click();
        QCOMPARE(w->fieldText("hintCounter"), QStringLiteral("%1/%1").arg(count));
        QVERIFY(MessageBoxes::takeShownTexts().empty());
        button->click();
        QCOMPARE(MessageBoxes::takeShownTexts(),
                 std::deque<std::string>{"Nejsou žádné další tahy."});
        QVERIFY(w->findChild<QLabel*>(QStringLiteral("hintCounter"))->isHidden());
        button->click();
        QCOMPARE(w->fieldText("hintCounter"), QStringLiteral("1/%1").arg(count));
    }

    void searchStartsFromTheShortcutAndStops() {
        QTemporaryDir dir;
        auto w = OpenWindow(dir);
        w->runCommand(Command::Level5); // a large field: the search runs for ages
        QApplication::setActiveWindow(w.get());
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        SearchWindow* searchWindow = w->windows().get<SearchWindow>();
        QTest::keyClick(w.get(), Qt::Key_Backspace, Qt::AltModifier | Qt::ShiftModifier);
        QVERIFY(searchWindow->isVisible());
        QVERIFY(searchWindow->running());
        const Search* first = searchWindow->lastSearch();
        // The estimate and the progress lines are in the grid.
        QTRY_VERIFY_WITH_TIMEOUT(!searchWindow->grid()->item(0, 0)->text().isEmpty() &&
                                     !searchWindow->grid()->item(1, 0)->text().isEmpty(),
                                 20000);
        KeepShot(*w, *searchWindow, QStringLiteral("SearchWindow"));
        QVERIFY(first);
        // A second start while one runs is ignored.
        emit w->searchRequested();
        QCOMPARE(searchWindow->lastSearch(), first);
        // The game window taking the focus stops it.
        searchWindow->activateWindow();
        QTRY_VERIFY(searchWindow->isActiveWindow());
        w->activateWindow();
        QTRY_VERIFY_WITH_TIMEOUT(!searchWindow->running(), 20000);
        // The game itself was never touched.
        QCOMPARE(w->game().CurrentPosition(), 1);
    }
};

QTEST_MAIN(GameWindowDialogsTest)
#include "GameWindowDialogsTest.moc"
