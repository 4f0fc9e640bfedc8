// "&E-mail": the competition's form is looked for in html/ of the program
// directory, and the project ships one there.

#include "ui/platform/DesktopDocumentOpener.h"

#include "support/FakePorts.h"

#include <QFile>
#include <QTest>

using namespace tumbla;
using namespace tumbla::test;

class DesktopDocumentOpenerTest : public QObject {
    Q_OBJECT
  private slots:
    void aMissingFormIsExplainedWithItsPath() {
        QTemporaryDir dir;
        FakeMessages messages;
        OpenCompetitionForm(dir.path().toStdString(), messages);
        QCOMPARE(messages.informations.size(), std::size_t{1});
        const std::string text = messages.informations[0];
        QVERIFY(text.rfind("Soubor vysledky.htm není k dispozici.", 0) == 0);
        QVERIFY(text.find(CompetitionFormPath(dir.path().toStdString()).string()) !=
                std::string::npos);
        QVERIFY(text.find("informujte na CD Koruu.") != std::string::npos);
    }

    void theFormIsBuiltBesideTheGame() {
        // The build puts the form into html/ beside the executable.
        const QString beside = QStringLiteral(TUMBLA_UI_BINARY_DIR "/html/vysledky.htm");
        QVERIFY2(QFile::exists(beside), qPrintable(beside));
        QFile form(beside);
        QVERIFY(form.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(form.readAll());
        QVERIFY(html.contains(QStringLiteral("<form")));
        QVERIFY(html.contains(QStringLiteral("type=\"file\"")));
    }
};

QTEST_MAIN(DesktopDocumentOpenerTest)
#include "DesktopDocumentOpenerTest.moc"
