// The last resort for errors no command handles: the message is shown, then
// the program ends. The ending is real, so the failing game runs as a child
// process of this test (this same program, started in another mode).

#include "ui/app/TumblaApp.h"
#include "record/SavedGame.h"
#include "support/MainWindowFixture.h"
#include "ui/platform/MessageBoxes.h"
#include "ui/platform/QtTranslations.h"

#include <QDialogButtonBox>
#include <QProcess>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

using namespace tumbla;

namespace {

constexpr const char* ChildMode = "TUMBLA_ERROR_CHILD";

// Printed at the end of the child, so that the parent sees what was shown.
void PrintShownTexts() {
    for (const std::string& text : MessageBoxes::takeShownTexts())
        std::printf("shown: %s\n", text.c_str());
    std::fflush(stdout);
}

int RunFailingGame(int argc, char** argv, bool standardError) {
    TumblaApplication app(argc, argv);
    std::printf("hint delay: %d ms\n",
                QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay));
    MessageBoxes::setAutoAnswer(true);
    (void)MessageBoxes::takeShownTexts(); // made before the exit handler, gone after it
    std::atexit(PrintShownTexts);
    QTimer::singleShot(0, [standardError] {
        if (standardError) throw std::runtime_error("pozice mimo záznam");
        throw 42;
    });
    app.exec();
    std::printf("still running\n");
    return 0;
}

struct ChildRun {
    int exitCode;
    QString output;
};

ChildRun RunChild(const QString& mode) {
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(ChildMode), mode);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {});
    if (!child.waitForFinished(30000)) return {-1, {}};
    return {child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -2,
            QString::fromUtf8(child.readAllStandardOutput())};
}

} // namespace

class TumblaAppTest : public QObject {
    Q_OBJECT
  private slots:
    void unhandledErrorShowsItsMessageAndEnds() {
        const ChildRun run = RunChild(QStringLiteral("standard"));
        QCOMPARE(run.exitCode, EXIT_FAILURE);
        QVERIFY2(run.output.contains(QStringLiteral("shown: pozice mimo záznam\n")),
                 qPrintable(run.output));
        QVERIFY(!run.output.contains(QStringLiteral("still running")));
    }

    // A file whose name is no UTF-8 opens from the command line as it does
    // from a shell.
    void fileNamesThatAreNoUtf8Open() {
        MessageBoxes::takeShownTexts();
        char program[] = "tumbla";
        char name[] = "hra-caf\xE9.hra";
        char* argv[] = {program, name, nullptr};
        const std::vector<std::string> arguments = ProgramArguments(2, argv);
        QCOMPARE(arguments, std::vector<std::string>{name});

        QTemporaryDir dir;
        const std::string path = dir.path().toStdString() + "/" + name;
        {
            GameSettings settings;
            settings.BeginNumber = 77;
            SilentGameView view;
            MessageBoxes quiet;
            Game game(view, quiet);
            game.PutSettingsInForce(settings);
            game.NewSituation();
            const std::vector<std::uint8_t> bytes = PackSavedGame(SavedGameOf(game));
            std::FILE* f = std::fopen(path.c_str(), "wb");
            QVERIFY(f != nullptr);
            std::fwrite(bytes.data(), 1, bytes.size(), f);
            std::fclose(f);
        }
        auto w = test::OpenWindow(dir, {path});
        QVERIFY(MessageBoxes::takeShownTexts().empty());
        QCOMPARE(w->game().Settings().BeginNumber, 77);
    }

    // Qt's own dialogs and buttons speak Czech like the rest of the game.
    void standardButtonsSpeakCzech() {
        QVERIFY(InstallCzechQtTranslations(*qApp));
        QDialogButtonBox box(QDialogButtonBox::Cancel | QDialogButtonBox::Close);
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Zrušit"));
        QCOMPARE(box.button(QDialogButtonBox::Close)->text(), QStringLiteral("Zavřít"));
    }

    // The game's style, with its hints that come up at once, is the one in force.
    void hintsComeUpAtOnce() {
        const ChildRun run = RunChild(QStringLiteral("other"));
        QVERIFY2(run.output.contains(QStringLiteral("hint delay: 5 ms\n")), qPrintable(run.output));
    }

    void anyOtherThrowEndsWithAGeneralMessage() {
        const ChildRun run = RunChild(QStringLiteral("other"));
        QCOMPARE(run.exitCode, EXIT_FAILURE);
        QCOMPARE(run.output.count(QStringLiteral("shown: ")), 1);
        QVERIFY(!run.output.contains(QStringLiteral("still running")));
    }
};

int main(int argc, char** argv) {
    const QByteArray mode = qgetenv(ChildMode);
    if (!mode.isEmpty()) return RunFailingGame(argc, argv, mode == "standard");
    QApplication app(argc, argv);
    TumblaAppTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "TumblaAppTest.moc"
