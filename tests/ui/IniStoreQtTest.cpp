#include "ui/IniStoreQt.h"
#include "situation/SettingsIni.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace tumbla;

namespace {

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

class NoMessages : public Messages {
  public:
    int errors = 0;
    void showPlain(std::string_view) override {}
    void showError(std::string_view) override { ++errors; }
    void showWarning(std::string_view) override {}
    void showInformation(std::string_view) override {}
    Answer askConfirmation(std::string_view, bool) override { return Answer::No; }
};

} // namespace

class IniStoreQtTest : public QObject {
    Q_OBJECT

  private slots:
    void czechTextsAndKeyCaseSurvive() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Tumbla.ini"));
        IniStoreQt ini(path);
        QVERIFY(ini.writeText("KORU", "Name", "Žluťoučký kůň"));
        QVERIFY(ini.writeInteger("Others", "BeginNumber", -42));
        QVERIFY(ini.writeText("Others", "Directions", "ULR"));
        QCOMPARE(ini.readValue("Others", "BeginNumber"), std::nullopt); // not before commit
        QVERIFY(ini.commit());

        const QByteArray text = ReadFile(path);
        QVERIFY2(text.contains("[KORU]"), text.constData());
        QVERIFY2(text.contains("Name=Žluťoučký kůň"), text.constData());
        QVERIFY2(text.contains("BeginNumber=-42"), text.constData());
        QVERIFY2(text.contains("Directions=ULR"), text.constData());

        const IniStoreQt again(path);
        QCOMPARE(again.readText("KORU", "Name", ""), std::string("Žluťoučký kůň"));
        QCOMPARE(again.readInteger("Others", "BeginNumber", 0), -42);
    }

    void handWrittenFilesAreReadAsThePlatformDoes() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Tumbla.ini"));
        WriteFile(path, "[colors]\r\ncount=5\r\nBack=255\r\n[KORU]\r\nName=a, b\r\n");
        IniStoreQt ini(path);
        QCOMPARE(ini.readInteger("Colors", "Count", 8), 5);
        QCOMPARE(ini.readText("KORU", "Name", ""), std::string("a, b"));
        QCOMPARE(ini.readValue("Colors", "Missing"), std::nullopt);

        // Writing replaces the key whatever its case, in the section as spelled.
        QVERIFY(ini.writeInteger("Colors", "Count", 6));
        QVERIFY(ini.commit());
        const QByteArray text = ReadFile(path);
        QVERIFY2(text.contains("Count=6"), text.constData());
        QVERIFY2(!text.contains("count=5"), text.constData());
        QVERIFY2(!text.contains("[Colors]"), text.constData());
        QCOMPARE(IniStoreQt(path).readInteger("Colors", "Back", 0), 255);
    }

    // What the player wrote by hand survives the game's rewriting of the file.
    void rewritingKeepsWhatThePlayerWrote() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Tumbla.ini"));
        const QByteArray lines = "; my settings\r\n"
                                 "[KORU]\r\n"
                                 "Name=Ji\xF8\xED\r\n" // Jiří in Windows-1250
                                 "Team=a,b,c\r\n"
                                 "this line is junk\r\n";
        WriteFile(path, lines);
        IniStoreQt ini(path);
        QCOMPARE(ini.readText("KORU", "Name", ""), std::string("Jiří"));
        QCOMPARE(ini.readText("KORU", "Team", ""), std::string("a,b,c"));
        QVERIFY(ini.writeText("Others", "Directions", "UL"));
        QVERIFY(ini.writeText("Others", "BeginNumber", "7,5"));
        QVERIFY(ini.commit());
        const QByteArray text = ReadFile(path);
        QVERIFY2(text.startsWith(lines), text.constData());
        QVERIFY2(!text.contains("[General]"), text.constData());
        QCOMPARE(IniStoreQt(path).readText("Others", "BeginNumber", ""), std::string("7,5"));
        QCOMPARE(IniStoreQt(path).readText("KORU", "Name", ""), std::string("Jiří"));
    }

    // Keys stand in the order the settings are written, not in the alphabet's.
    void keysKeepTheOrderTheyAreWrittenIn() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Tumbla.ini"));
        IniStoreQt ini(path);
        QVERIFY(ini.writeInteger("Colors", "Count", 8));
        QVERIFY(ini.writeInteger("Colors", "Joly", 1));
        QVERIFY(ini.writeInteger("Colors", "Back", 0));
        QVERIFY(ini.commit());
        const QByteArray text = ReadFile(path);
        QVERIFY2(text.indexOf("Count=") < text.indexOf("Joly=") &&
                     text.indexOf("Joly=") < text.indexOf("Back="),
                 text.constData());
    }

    // A file too big to be the game's: the defaults, quickly.
    void aHugeFileReadsAsTheDefaults() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Tumbla.ini"));
        QByteArray junk = "[Colors]\nCount=5\n";
        junk += QByteArray(2 * 1024 * 1024, ';');
        WriteFile(path, junk);
        QCOMPARE(IniStoreQt(path).readInteger("Colors", "Count", 8), 8);
    }

    void failedCommitShowsNothingOfTheLostValues() {
        QTemporaryDir dir;
        WriteFile(dir.filePath(QStringLiteral("plain")), "x");
        // A directory that is a file: nothing can be written below it.
        const QString path = dir.filePath(QStringLiteral("plain/Tumbla.ini"));
        IniStoreQt ini(path);
        QVERIFY(ini.writeInteger("Colors", "Count", 5));
        QVERIFY(!ini.commit());
        QCOMPARE(ini.readValue("Colors", "Count"), std::nullopt);
        QCOMPARE(IniStoreQt(path).readValue("Colors", "Count"), std::nullopt);
    }

    void failedCommitOverAnExistingFileIsForgotten() {
        // QSettings keeps what it read of a non-empty file for later readers,
        // together with values it failed to write. A sysfs file is such a file
        // that nobody, root included, can replace.
        QString path;
        for (const char* candidate :
             {"/sys/kernel/uevent_seqnum", "/sys/kernel/mm/transparent_hugepage/enabled"})
            if (QFile::exists(QString::fromLatin1(candidate)))
                path = QString::fromLatin1(candidate);
        if (path.isEmpty()) QSKIP("no sysfs here");
        {
            IniStoreQt ini(path);
            QVERIFY(ini.writeInteger("Colors", "Count", 5));
            if (ini.commit()) QSKIP("sysfs accepted the file");
        }
        QCOMPARE(IniStoreQt(path).readValue("Colors", "Count"), std::nullopt);
    }

    void settingsSurviveTheFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Tumbla.ini"));
        SettingsDialogState d;
        d.colourCount = 6;
        ChooseJoker(d, 2);
        d.rows = 15;
        d.cols = 25;
        d.leftBox = true;
        d.ratingChoice = 0;
        d.premiumBox = true;
        d.numberText = "123456";
        d.koruName = "ŠKOL";
        NoMessages messages;
        IniStoreQt ini(path);
        const IniSaveResult saved = SaveSettingsToIni(ini, true, d, GameSettings{}, messages);
        QVERIFY(saved.written);
        QCOMPARE(messages.errors, 0);

        SettingsDialogState fresh;
        const GameSettings read = LoadSettingsFromIni(IniStoreQt(path), fresh, GameSettings{});
        QVERIFY(read == saved.settings);
        QCOMPARE(int(read.Directions), 5);
        QCOMPARE(int(read.Rating), 5);
        QCOMPARE(read.BeginNumber, 123456);
        QCOMPARE(fresh.koruName, std::string("ŠKOL"));
    }
};

QTEST_GUILESS_MAIN(IniStoreQtTest)
#include "IniStoreQtTest.moc"
