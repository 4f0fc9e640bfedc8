// The copy window: the competition files listed, the three messages of the
// copy button and a destination drive that cannot be read.

#include "ui/windows/CopyWindow.h"

#include "support/FakePorts.h"

#include <QFile>
#include <QFileSystemModel>
#include <QTest>
#include <QTreeView>

using namespace tumbla;
using namespace tumbla::test;

namespace {

void Touch(const QString& path, const QByteArray& bytes = "hre") {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

const QString First = QStringLiteral("123_ABCD_04567_0000001234.hre");
const QString Second = QStringLiteral("456_WXYZ_04567_0000000099.HRE");

} // namespace

class CopyWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void listsCompetitionFilesAndCopiesTheSelectedOnes() {
        QTemporaryDir source, target;
        Touch(source.filePath(First), "first");
        Touch(source.filePath(Second), "second");
        Touch(source.filePath(QStringLiteral("plain_game.hre")));
        Touch(source.filePath(QStringLiteral("123_ABCD_04567_000000123.hre")));
        FakeMessages messages;
        CopyWindow form(messages);
        QCOMPARE(form.windowTitle(), QStringLiteral("kopie souboru:"));
        form.setStartDirectory(source.path());
        QCOMPARE(form.listedFiles(), QStringList({First, Second}));
        QCOMPARE(form.destinationDirectory(), QString()); // the player's to choose
        // A result saved while the game runs is listed at the next showing.
        const QString later = QStringLiteral("789_ABCD_04567_0000000500.hre");
        form.show();
        // The left tree opens on the folder whose files are listed.
        QTreeView* tree = form.findChildren<QTreeView*>().value(0);
        QVERIFY(tree != nullptr);
        const auto* model = static_cast<const QFileSystemModel*>(tree->model());
        QCOMPARE(model->filePath(tree->currentIndex()), QDir::cleanPath(source.path()));
        for (QModelIndex up = tree->currentIndex().parent(); up.isValid(); up = up.parent())
            QVERIFY2(tree->isExpanded(up), qPrintable(model->filePath(up)));
        // ... and keeps it in view while the folders above it are read.
        QTRY_VERIFY(model->rowCount(model->index(QDir::rootPath())) > 1);
        QTest::qWait(50);
        QTRY_VERIFY(tree->visualRect(tree->currentIndex()).intersects(tree->viewport()->rect()));
        form.hide();
        Touch(source.filePath(later));
        form.show();
        QCOMPARE(form.listedFiles(), QStringList({First, Second, later}));
        QVERIFY(QFile::remove(source.filePath(later)));
        form.hide();
        form.show();

        // Nothing selected, then no destination.
        form.setDestinationDirectory(QString());
        QCOMPARE(form.copySelected(), 0);
        QCOMPARE(messages.errors.back(), std::string("Není vybrán soubor."));
        form.selectFiles({First, Second});
        QCOMPARE(form.copySelected(), 0);
        QCOMPARE(messages.errors.back(), std::string("Není vybrán cílový adresář."));

        form.setDestinationDirectory(target.path());
        Touch(target.filePath(First), "old");
        QCOMPARE(form.copySelected(), 2);
        QCOMPARE(messages.errors.size(), std::size_t{2});
        QFile copied(target.filePath(First));
        QVERIFY(copied.open(QIODevice::ReadOnly));
        QCOMPARE(copied.readAll(), QByteArray("first")); // replaced
        QVERIFY(QFile::exists(target.filePath(Second)));
        SaveScreenshot(form, QStringLiteral("CopyWindow"));
    }

    void aFailedCopyIsReportedAndTheNextFileStillCopied() {
        QTemporaryDir source, target;
        Touch(source.filePath(First));
        Touch(source.filePath(Second));
        FakeMessages messages;
        CopyWindow form(messages);
        form.setSourceDirectory(source.path());
        form.setDestinationDirectory(target.path());
        QVERIFY(QFile::remove(source.filePath(First))); // gone before the copy
        form.selectFiles({First, Second});
        QCOMPARE(form.copySelected(), 1);
        QCOMPARE(messages.errors.size(), std::size_t{1});
        const std::string text = messages.errors[0];
        QVERIFY(text.rfind("Nemohu zkopírovat soubor", 0) == 0);
        QVERIFY(text.find(Utf8(source.filePath(First))) != std::string::npos);
        QVERIFY(text.find(Utf8(target.filePath(First))) != std::string::npos);
        QVERIFY(QFile::exists(target.filePath(Second)));
    }

    void aDriveThatCannotBeReadIsRefused() {
        QTemporaryDir target;
        FakeMessages messages;
        CopyWindow form(messages);
        form.setDestinationDirectory(target.path());
        QVERIFY(!form.chooseDestinationDrive(target.filePath(QStringLiteral("nowhere"))));
        QCOMPARE(messages.errors.size(), std::size_t{1});
        QVERIFY(messages.errors[0].rfind("Zařízení ", 0) == 0);
        QVERIFY(messages.errors[0].find(": není připraveno!") != std::string::npos);
        QCOMPARE(form.destinationDirectory(), QDir::cleanPath(target.path()));
    }
};

QTEST_MAIN(CopyWindowTest)
#include "CopyWindowTest.moc"
