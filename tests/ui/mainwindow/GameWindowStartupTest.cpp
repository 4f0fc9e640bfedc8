// Starting the game window: without arguments, with "/B", with a missing file
// and with a saved game named on the command line.

#include "support/MainWindowFixture.h"

#include "ui/platform/WindowPlacement.h"
#include "ui/windows/HelpWindow.h"

#include <QAction>
#include <QFile>
#include <QFontInfo>
#include <QLineEdit>
#include <QMenuBar>
#include <QToolBar>

#include <filesystem>

using namespace tumbla;
using namespace tumbla::test;

// Counts the paintings of the board while "pracuji..." is on it.
class BusyPaintCounter : public QObject {
  public:
    explicit BusyPaintCounter(int* count) : count_(count) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && static_cast<BoardWidget*>(watched)->isBusy())
            ++*count_;
        return false;
    }

  private:
    int* count_;
};

class GameWindowStartupTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { MessageBoxes::takeShownTexts(); }

    void busyPanelIsPaintedBeforeTheFirstWork() {
        QTemporaryDir dir;
        StartupOptions options;
        options.folders = GameFolders::InOne(dir.path().toStdString(), true);
        GameWindow w(options);
        int busyPaints = 0;
        BusyPaintCounter counter(&busyPaints);
        w.board()->installEventFilter(&counter);
        w.show();
        // Nothing of the work is done at the show itself.
        QVERIFY(w.firstActivationPending());
        QVERIFY(w.board()->isBusy());
        QVERIFY(!w.board()->isEnabled());
        QTRY_VERIFY(!w.firstActivationPending());
        QVERIFY(busyPaints > 0);
        QVERIFY(!w.board()->isBusy());
        QVERIFY(w.board()->isEnabled());
        QCOMPARE(w.board()->board(), w.game().Current().board);
    }

    void plainStartMakesANewGame() {
        QTemporaryDir dir;
        auto w = OpenWindow(dir);
        QVERIFY(!w->firstActivationPending());
        QCOMPARE(w->windowTitle(), QStringLiteral("Tumbla 1.19  (verze pro Koru CD)"));
        QCOMPARE(w->board()->cellGeometry(), CellGeometry::Normal());
        QVERIFY(!w->board()->isBusy());
        QCOMPARE(w->fieldText("moves"), QStringLiteral("0"));
        QCOMPARE(w->fieldText("total"), QStringLiteral("0"));
        QCOMPARE(w->fieldText("code").size(), 9);
        // The fonts and pictures left out of the first building are in place.
        auto* code = w->findChild<QLineEdit*>(QStringLiteral("code"));
        QVERIFY(code && QFontInfo(code->font()).fixedPitch());
        QCOMPARE(w->fieldText("number").toInt(), w->game().Settings().BeginNumber);
        // Whatever the board widget shows is the game's first position.
        QVERIFY(w->board()->board() == w->game().Current().board);
        QVERIFY(MessageBoxes::takeShownTexts().empty());
        // Navigation starts closed.
        QVERIFY(!w->action(Command::Back)->isEnabled());
        QVERIFY(!w->action(Command::Forward)->isEnabled());
    }

    void menusHoldEveryCommand() {
        QTemporaryDir dir;
        auto w = OpenWindow(dir);
        QStringList titles;
        for (QAction* a : w->menuBar()->actions()) titles << a->text();
        QCOMPARE(titles, (QStringList{"&Hra", "&Akce", "&Nastavení", "&Pomoc"}));
        QCOMPARE(w->action(Command::Quit)->text(), QStringLiteral("&Konec"));
        for (const auto& [command, key] :
             {std::pair{Command::Quit, QKeySequence(Qt::CTRL | Qt::Key_X)},
              std::pair{Command::Load, QKeySequence(Qt::CTRL | Qt::Key_O)},
              std::pair{Command::Save, QKeySequence(Qt::CTRL | Qt::Key_S)},
              std::pair{Command::Rules, QKeySequence(Qt::Key_F1)}})
            QCOMPARE(w->action(command)->shortcut(), key);
        auto* tools = w->findChild<QToolBar*>("toolbar");
        QVERIFY(tools);
        QStringList order;
        for (QAction* a : tools->actions()) order << (a->isSeparator() ? "|" : a->toolTip());
        QCOMPARE(order.count("|"), 5);
        QCOMPARE(order.first(), QStringLiteral("generování nové náhodné situace"));
        QCOMPARE(order.last(), QStringLiteral("připojení na server  KORUu"));
        // The advisor's button follows the shown move, in the same group.
        QCOMPARE(order.indexOf("nejlepší tah podle rádce"),
                 order.indexOf("ukaž následující provedený tah") + 1);
        QCOMPARE(order.indexOf("nastavení voleb"), order.indexOf("nejlepší tah podle rádce") + 2);
    }

    void largeCellsWithTheSwitch() {
        QTemporaryDir dir;
        auto w = OpenWindow(dir, {"/b"});
        QCOMPARE(w->board()->cellGeometry(), CellGeometry::Large());
        // "/B" names no file: no warning, and a game as without arguments.
        QVERIFY(MessageBoxes::takeShownTexts().empty());
        QVERIFY(w->game().Current().board == w->board()->board());
        QVERIFY(w->board()->layout().cellRect(1, 2).left() -
                    w->board()->layout().cellRect(1, 1).left() ==
                33);
    }

    void missingFileIsReportedAndIgnored() {
        QTemporaryDir dir;
        auto w = OpenWindow(dir, {"nothere.hra"});
        const auto texts = MessageBoxes::takeShownTexts();
        QCOMPARE(texts.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(texts.front()),
                 QStringLiteral("Soubor NOTHERE.HRA neexistuje!"));
        QCOMPARE(w->fieldText("moves"), QStringLiteral("0"));
        QVERIFY(w->game().Current().board == w->board()->board());
    }

    void savedGameOnTheCommandLineIsLoaded() {
        QTemporaryDir dir;
        const std::string file =
            (std::filesystem::path(dir.path().toStdString()) / "game.hra").string();
        Board played{};
        std::int32_t number = 0;
        {
            auto w = OpenWindow(dir);
            w->runCommand(Command::Level1);
            const auto pair = FindPair(w->game().Current().board, 5, 10);
            QVERIFY(pair);
            ClickOn(w->board(), *pair);
            QCOMPARE(w->fieldText("moves"), QStringLiteral("1"));
            FileDialogs::setNextPath(file);
            w->runCommand(Command::Save);
            QVERIFY(std::filesystem::exists(file));
            played = w->game().Current().board;
            number = w->game().Settings().BeginNumber;
        }
        auto w = OpenWindow(dir, {file});
        QVERIFY(MessageBoxes::takeShownTexts().empty());
        QCOMPARE(w->game().CurrentPosition(), 2);
        QCOMPARE(w->game().Settings().BeginNumber, number);
        QVERIFY(w->board()->board() == played);
        QCOMPARE(w->fieldText("moves"), QStringLiteral("1"));
        QCOMPARE(w->fieldText("number"), QString::number(number));
        QVERIFY(w->action(Command::Back)->isEnabled());
    }

    void helpOpensFromF1Anywhere() {
        QTemporaryDir dir;
        auto w = OpenWindow(dir);
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QTest::keyClick(w->board(), Qt::Key_F1);
        auto* help = w->findChild<HelpWindow*>();
        QVERIFY(help);
        QTRY_VERIFY(help->isVisible());
        QVERIFY(help->plainText().contains(QStringLiteral("gravitace")));
    }

    void theStoredPlaceAndSizeComeBackAtEveryStart() {
        QTemporaryDir dir;
        QRect kept;
        {
            auto w = OpenWindow(dir);
            w->move(130, 90);
            w->resize(w->size() + QSize(12, 30)); // the offscreen screen is 800 x 600
            QTRY_COMPARE(w->frameGeometry().topLeft(), QPoint(130, 90));
            kept = QRect(w->frameGeometry().topLeft(), w->size());
            w->close();
        }
        // Nothing creeps from one start to the next.
        for (int start = 0; start < 3; ++start) {
            auto w = OpenWindow(dir);
            QCOMPARE(QRect(w->frameGeometry().topLeft(), w->size()), kept);
            w->close();
        }
    }

    void startsWithoutItsPlugins() {
        MessageBoxes::setAutoAnswer(true);
        QTemporaryDir dir;
        QTemporaryDir plugins;
        StartupOptions options;
        options.folders = GameFolders::InOne(dir.path().toStdString(), true);
        SetPluginDirectory(plugins.path());
        {
            GameWindow w(options);
            w.show();
            QTRY_VERIFY(!w.firstActivationPending());
            QVERIFY(!w.action(Command::ScoreGraph)->isEnabled());
            QVERIFY(w.action(Command::ScoreTable)->isEnabled());
        }
        // A plugin that does not load (its toolkit module missing) is found
        // at start; the first showing reports it and turns the item off.
        QFile broken(plugins.filePath(QStringLiteral("tumbla-chart.so")));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("not a library");
        broken.close();
        GameWindow w(options);
        w.show();
        QTRY_VERIFY(!w.firstActivationPending());
        QVERIFY(w.action(Command::ScoreGraph)->isEnabled());
        w.action(Command::ScoreGraph)->trigger();
        QCOMPARE(MessageBoxes::takeShownTexts().size(), std::size_t{1});
        QVERIFY(!w.action(Command::ScoreGraph)->isEnabled());
        SetPluginDirectory(QStringLiteral(TUMBLA_UI_BINARY_DIR));
    }

    void windowPlaceIsKeptOnlyWhenWritable() {
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("Tumbla.ini"));
        {
            auto w = OpenWindow(dir);
            w->close();
        }
        QFile file(ini);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        QVERIFY(text.contains(QStringLiteral("[%1]").arg(IniSection::GameWindow)));
        QVERIFY(text.contains(QStringLiteral("Left=")));
        file.close();
        QVERIFY(QFile::remove(ini));

        StartupOptions options;
        options.folders = GameFolders::InOne(dir.path().toStdString(), false);
        {
            GameWindow w(options);
            w.show();
            w.close();
        }
        QVERIFY(!QFile::exists(ini));
    }
};

QTEST_MAIN(GameWindowStartupTest)
#include "GameWindowStartupTest.moc"
