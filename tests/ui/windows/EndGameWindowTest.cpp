// The end-of-game window: a game that ends opens it, a name confirmed with
// Enter is stored, ranking mode shows stored results only, and the save under
// the competition name insists on a proper abbreviation.

#include "ui/windows/EndGameWindow.h"

#include "record/SavedGameFile.h"
#include "results/HallOfFame.h"
#include "support/FakePorts.h"

#include <QCheckBox>
#include <QPushButton>
#include <QLocale>
#include <QRegularExpression>
#include <QTest>

using namespace tumbla;
using namespace tumbla::test;

namespace {

// The main window's part: a game that ends opens the end window.
class EndingView : public SilentGameView {
  public:
    explicit EndingView(EndGameWindow& form) : form_(form) {}
    void showGameOver() override {
        ++gameOvers;
        form_.prepare(EndGameMode::End);
        form_.show();
    }
    int gameOvers = 0;

  private:
    EndGameWindow& form_;
};

struct FixedIdentity : SystemIdentity {
    std::uint32_t buildNumber() const override { return 1234; }
    std::string userName() const override { return "hrac"; }
    std::string computerName() const override { return "stroj"; }
    std::string processorType() const override { return "cpu"; }
    std::string organisation() const override { return ""; }
    std::string owner() const override { return "Hráč"; }
};

} // namespace

class EndGameWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void aFinishedGameOpensTheEndWindowAndEnterStoresTheName() {
        QTemporaryDir dir;
        FakeMessages messages;
        FakeChooser chooser;
        EndGameWindow form(messages, chooser);
        form.setProgramDirectory(dir.path().toStdString());
        EndingView view(form);
        Game game(view, messages);
        form.setGame(&game);
        game.PutSettingsInForce(SmallGame());
        game.NewSituation();
        PlayToTheEnd(game);
        QVERIFY(game.GameOver());
        QCOMPARE(view.gameOvers, 1);
        QVERIFY(form.isVisible());
        QCOMPARE(form.session().mode(), EndGameMode::End);
        QVERIFY(form.okButton()->isVisible());
        QVERIFY(form.animationRunning());
        const std::int32_t total = game.Current().TotalScore;
        QCOMPARE(form.pointsText(), QStringLiteral("počet bodů: %1").arg(total, 10));
        QCOMPARE(form.detailText(0), QStringLiteral("5 x 10"));
        QCOMPARE(form.detailText(10), QStringLiteral("4242"));
        QCOMPARE(form.nameLabelText(), QStringLiteral("_"));
        QCOMPARE(form.rowText(0, 0), QStringLiteral(" 1"));
        QCOMPARE(form.rowText(0, 1), QString());
        QVERIFY(form.rowText(1, 0).isEmpty());

        QTest::keyClicks(&form, QStringLiteral("Zden"));
        QTest::sendKeyEvent(QTest::Click, &form, Qt::Key_unknown, QStringLiteral("ě"),
                            Qt::NoModifier);
        QTest::keyClicks(&form, QStringLiteral("kx"));
        QTest::keyClick(&form, Qt::Key_Backspace);
        QCOMPARE(form.nameLabelText(), QStringLiteral("Zdeněk_"));
        QTest::keyClick(&form, Qt::Key_Return);
        QCOMPARE(form.nameLabelText(), QStringLiteral("Zdeněk"));
        QCOMPARE(form.rowText(0, 1), QStringLiteral("Zdeněk"));
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("Tumbla.Fam"))));
        const auto stored = HallOfFame(dir.path().toStdString()).readAll();
        QCOMPARE(stored.size(), std::size_t{1});
        QCOMPARE(FameName(stored[0]), std::string("Zdeněk"));
        QCOMPARE(stored[0].points, total);
        QVERIFY(messages.errors.empty());
        SaveScreenshot(form, QStringLiteral("EndGameWindow"));

        // Esc closes on its release and stops the animation.
        QTest::keyClick(&form, Qt::Key_Escape);
        QVERIFY(!form.isVisible());
        QVERIFY(!form.animationRunning());

        // The ranking now holds the stored result; the game in force is not in it.
        form.prepare(EndGameMode::Ranking);
        form.show();
        QCOMPARE(form.windowTitle(), QStringLiteral("dosažené body k aktuální hře:"));
        QVERIFY(!form.okButton()->isVisible());
        QVERIFY(!form.saveButton()->isVisible());
        QVERIFY(form.backButton()->isVisible());
        QCOMPARE(form.rowText(0, 1), QStringLiteral("Zdeněk"));
        QVERIFY(form.rowText(1, 0).isEmpty());
        QTest::keyClicks(&form, QStringLiteral("X"));
        QTest::keyClick(&form, Qt::Key_Return);
        QCOMPARE(HallOfFame(dir.path().toStdString()).readAll().size(), std::size_t{1});
        SaveScreenshot(form, QStringLiteral("EndGameWindow-ranking"));
        form.backButton()->click();
        QVERIFY(!form.isVisible());
    }

    void rankingModeShowsOnlyStoredResultsOfTheSameGame() {
        QTemporaryDir dir;
        FakeMessages messages;
        FakeChooser chooser;
        EndGameWindow form(messages, chooser);
        form.setProgramDirectory(dir.path().toStdString());
        SilentGameView view;
        Game game(view, messages);
        game.PutSettingsInForce(SmallGame(10));
        game.NewSituation();
        form.setGame(&game);
        const HallOfFame hall(dir.path().toStdString());
        QVERIFY(hall.append(MakeFameRecord(SmallGame(10), "Ema", 50, 45000)));
        QVERIFY(hall.append(MakeFameRecord(SmallGame(11), "Ivo", 90, 45000)));

        form.prepare(EndGameMode::Ranking);
        QCOMPARE(form.rowText(0, 1), QStringLiteral("Ema"));
        QCOMPARE(form.rowText(0, 2), QStringLiteral("        50"));
        // Without a locale of the system's own (as on the test machines), the
        // date reads as in the hall of fame, not as "8 Dec 2026".
        if (QLocale::system().language() == QLocale::C)
            QVERIFY2(QRegularExpression(QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d:\\d\\d$"))
                         .match(form.rowText(0, 3))
                         .hasMatch(),
                     qPrintable(form.rowText(0, 3)));
        QVERIFY(form.rowText(1, 0).isEmpty());
        // "číslo situace:" off lets the other situation in, best first.
        form.switchBox(2)->click();
        QCOMPARE(form.rowText(0, 1), QStringLiteral("Ivo"));
        QCOMPARE(form.rowText(1, 1), QStringLiteral("Ema"));
        form.switchBox(2)->click();
    }

    void theCompetitionSaveRefusesXxxxAndAcceptsAProperName() {
        QTemporaryDir dir;
        FakeMessages messages;
        FakeChooser chooser;
        FixedIdentity identity;
        EndGameWindow form(messages, chooser);
        form.setProgramDirectory(dir.path().toStdString());
        form.setSystemIdentity(&identity);
        SilentGameView view;
        Game game(view, messages);
        game.PutSettingsInForce(SmallGame());
        game.NewSituation();
        PlayToTheEnd(game);
        form.setGame(&game);

        messages.answers.push_back(Answer::Ok); // OK: the dialog again
        // No abbreviation: the proposal holds XXXX, which is refused as it stands.
        chooser.answers.push_back(std::nullopt);
        form.prepare(EndGameMode::End);
        form.competitionButton()->click();
        QCOMPARE(chooser.requests.size(), std::size_t{1});
        const std::string proposed = chooser.requests[0].proposedName;
        QCOMPARE(proposed.size(), std::size_t{25});
        QCOMPARE(proposed.substr(4, 4), std::string("XXXX"));
        QCOMPARE(chooser.requests[0].title, std::string("uložení ukončené hry:"));

        const std::string folder = dir.path().toStdString() + "/";
        chooser.answers.push_back(folder + proposed + ".hre");
        std::string proper = proposed;
        proper.replace(4, 4, "NOVA");
        chooser.answers.push_back(folder + proper + ".hre");
        const auto written = form.saveWithCompetitionName();
        QCOMPARE(messages.errorsAsked.size(), std::size_t{1});
        QVERIFY(messages.errorsAsked[0].find("XXXX") != std::string::npos);
        QVERIFY(written);
        QCOMPARE(*written, folder + proper + ".hre");
        QVERIFY(QFile::exists(QString::fromStdString(*written)));
        QCOMPARE(QFile(QString::fromStdString(*written)).size(),
                 qint64(80 + 392 * game.CurrentPosition()));

        // The plain save proposes the finished game's own name, no template.
        form.saveButton()->click();
        QCOMPARE(chooser.requests.back().proposedName, ProposedFinishedName(game));
    }
};

QTEST_MAIN(EndGameWindowTest)
#include "EndGameWindowTest.moc"
