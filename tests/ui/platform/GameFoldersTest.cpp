// Where the game keeps its files: beside itself when it runs from a folder of
// its own, in the player's folders when it is installed or its folder is
// read-only, and only reading when nothing can be written.

#include "ui/platform/GameFolders.h"
#include "ui/mainwindow/GameWindow.h"
#include "ui/platform/MessageBoxes.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <fstream>

using namespace tumbla;
namespace fs = std::filesystem;

namespace {

fs::path Location(QStandardPaths::StandardLocation location) {
    return QStandardPaths::writableLocation(location).toStdString();
}

void Touch(const fs::path& file) {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << "x";
}

} // namespace

class GameFoldersTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void choice_data() {
        QTest::addColumn<bool>("installed");
        QTest::addColumn<bool>("programWritable");
        QTest::addColumn<bool>("programIniReadOnly");
        QTest::addColumn<bool>("playerWritable");
        QTest::addColumn<bool>("playerIniReadOnly");
        QTest::addColumn<bool>("inPlayerFolders");
        QTest::addColumn<bool>("iniWritable");
        // A portable copy keeps everything beside itself, whatever the home allows.
        QTest::newRow("writable program folder")
            << false << true << false << true << false << false << true;
        // A locked Tumbla.ini beside the game keeps its meaning.
        QTest::newRow("read-only ini beside the game")
            << false << true << true << true << false << false << false;
        QTest::newRow("read-only program folder, writable home")
            << false << false << false << true << false << true << true;
        QTest::newRow("read-only ini in the player's folder")
            << false << false << false << true << true << true << false;
        QTest::newRow("installed under a prefix the player may write")
            << true << true << false << true << false << true << true;
        QTest::newRow("nothing writable")
            << false << false << false << false << false << false << false;
        QTest::newRow("installed, nothing writable")
            << true << false << false << false << false << true << false;
    }

    void choice() {
        QFETCH(bool, installed);
        QFETCH(bool, programWritable);
        QFETCH(bool, programIniReadOnly);
        QFETCH(bool, playerWritable);
        QFETCH(bool, playerIniReadOnly);
        QFETCH(bool, inPlayerFolders);
        QFETCH(bool, iniWritable);
        FolderFacts f;
        f.programDirectory = "/opt/tumbla/bin";
        f.resourceDirectory = installed ? fs::path("/opt/tumbla/share/tumbla") : f.programDirectory;
        f.programDirectoryWritable = programWritable;
        f.programIniReadOnly = programIniReadOnly;
        f.configLocation = Location(QStandardPaths::AppConfigLocation);
        f.dataLocation = Location(QStandardPaths::AppDataLocation);
        QVERIFY(f.configLocation != f.dataLocation);
        f.playerFoldersWritable = playerWritable;
        f.playerIniReadOnly = playerIniReadOnly;

        const GameFolders chosen = ChooseGameFolders(f);
        QCOMPARE(chosen.settings, inPlayerFolders ? f.configLocation : f.programDirectory);
        QCOMPARE(chosen.data, inPlayerFolders ? f.dataLocation : f.programDirectory);
        QCOMPARE(chosen.resources, f.resourceDirectory);
        QCOMPARE(chosen.iniWritable, iniWritable);
    }

    void shippedDataIsFoundBesideOrWhereInstalled() {
        QTemporaryDir dir;
        const fs::path root = dir.path().toStdString();
        const fs::path portable = root / "portable";
        Touch(portable / "html" / "vysledky.htm");
        QCOMPARE(ResourceFolder(portable), portable);

        const fs::path bin = root / "prefix" / "bin";
        fs::create_directories(bin);
        const fs::path shared = (bin / InstalledResourcesFromBinary()).lexically_normal();
        Touch(shared / "html" / "vysledky.htm");
        QCOMPARE(ResourceFolder(bin), shared);
        QVERIFY(shared.string().find(root.string()) == 0); // it stays under the prefix

        const fs::path lone = root / "lone";
        fs::create_directories(lone);
        QCOMPARE(ResourceFolder(lone), lone);
    }

    // The probes are real. A folder behind a plain file cannot be made, so it
    // stands for a read-only folder even for root.
    void probedFoldersOfAPortableCopy() {
        QTemporaryDir dir;
        const fs::path root = dir.path().toStdString();
        const fs::path config = root / "home" / "config";
        const fs::path data = root / "home" / "data";
        const FolderFacts f = GatherFolderFacts(root, config, data);
        QVERIFY(f.programDirectoryWritable);
        QVERIFY(!f.installed());
        QVERIFY(!fs::exists(root / "home")); // the player's folders are not needed
        const GameFolders chosen = ChooseGameFolders(f);
        QCOMPARE(chosen.settings, root);
        QVERIFY(chosen.iniWritable);
    }

    void probedFoldersOfAReadOnlyCopy() {
        QTemporaryDir dir;
        const fs::path root = dir.path().toStdString();
        Touch(root / "medium");
        const fs::path program = root / "medium" / "tumbla";
        const fs::path config = root / "home" / "config" / "Tumbla";
        const fs::path data = root / "home" / "data" / "Tumbla";
        const GameFolders chosen = ChooseGameFolders(GatherFolderFacts(program, config, data));
        QCOMPARE(chosen.settings, config);
        QCOMPARE(chosen.data, data);
        QVERIFY(chosen.iniWritable);
        QVERIFY(fs::is_directory(config)); // made on the first start
        QVERIFY(fs::is_directory(data));
        QVERIFY(!fs::exists(config / "Test@@@.@@@"));

        // The game writes its settings there and nowhere else.
        MessageBoxes::setAutoAnswer(true);
        StartupOptions options;
        options.folders = chosen;
        {
            GameWindow w(options);
            w.show();
            QTRY_VERIFY(!w.firstActivationPending());
            w.close();
        }
        QVERIFY(fs::exists(config / "Tumbla.ini"));
        QVERIFY(!fs::exists(data / "Tumbla.ini"));
    }

    void probedFoldersWithNothingWritable() {
        QTemporaryDir dir;
        const fs::path root = dir.path().toStdString();
        Touch(root / "blocked");
        const fs::path program = root / "blocked" / "tumbla";
        const GameFolders chosen = ChooseGameFolders(
            GatherFolderFacts(program, root / "blocked" / "config", root / "blocked" / "data"));
        QCOMPARE(chosen.settings, program);
        QCOMPARE(chosen.data, program);
        QVERIFY(!chosen.iniWritable);
    }
};

QTEST_MAIN(GameFoldersTest)
#include "GameFoldersTest.moc"
