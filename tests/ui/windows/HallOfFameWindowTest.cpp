// The list of all results: sorting by the arranged keys, filtering, deleting
// and taking settings over.

#include "ui/windows/HallOfFameWindow.h"

#include "results/FameCommands.h"
#include "results/FameDate.h"
#include "support/FakePorts.h"

#include <QApplication>
#include <QCheckBox>
#include <QDragEnterEvent>
#include <QLabel>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

using namespace tumbla;
using namespace tumbla::test;

namespace {

double Day(int day) {
    return FameDateFromDateTime({2024, 3, day, 10, 30, 15, 0});
}

// Five results: record numbers 0..4.
void StoreFive(const HallOfFame& hall) {
    GameSettings wide = SmallGame(7);
    wide.Rows = 12;
    wide.Cols = 20;
    wide.Directions = 15;
    QVERIFY(hall.append(MakeFameRecord(SmallGame(5), "cyril", 300, Day(1))));
    QVERIFY(hall.append(MakeFameRecord(SmallGame(6), "Adam", 500, Day(2))));
    QVERIFY(hall.append(MakeFameRecord(wide, "bára", 300, Day(3))));
    QVERIFY(hall.append(MakeFameRecord(SmallGame(8), "Dana", 100, Day(4))));
    QVERIFY(hall.append(MakeFameRecord(SmallGame(9), "Adam", 700, Day(5))));
}

QStringList Column(const HallOfFameWindow& form, int column) {
    QStringList out;
    for (int r = 0; r < form.rowCount(); ++r) out << form.cellText(r, column).trimmed();
    return out;
}

} // namespace

class HallOfFameWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void listsSortedByPointsThenNameWithRowTexts() {
        QTemporaryDir dir;
        FakeMessages messages;
        StoreFive(HallOfFame(dir.path().toStdString()));
        HallOfFameWindow form(messages);
        QCOMPARE(form.windowTitle(), QStringLiteral("    přehled všech výsledků:"));
        form.setProgramDirectory(dir.path().toStdString());
        form.prepare();
        QCOMPARE(form.rowCount(), 5);
        QCOMPARE(Column(form, 2), QStringList({"700", "500", "300", "300", "100"}));
        // Equal points: the name decides, without regard to case.
        QCOMPARE(Column(form, 1), QStringList({"Adam", "Adam", "bára", "cyril", "Dana"}));
        QCOMPARE(form.cellText(0, 0), QStringLiteral("  1"));
        QCOMPARE(form.cellText(0, 3), QStringLiteral("05.03.2024"));
        QCOMPARE(form.cellText(0, 4), QStringLiteral("10:30:15"));
        QCOMPARE(form.cellText(0, 5), QStringLiteral("         9"));
        QCOMPARE(form.cellText(0, 7), QStringLiteral("    4"));
        // The first row is selected and its settings shown.
        QCOMPARE(form.selectedRecord(), std::optional<std::size_t>(4));
        QCOMPARE(form.detailText(0), QStringLiteral("5 x 10"));
        QCOMPARE(form.detailText(9), QStringLiteral("---"));
        form.selectRow(2);
        QCOMPARE(form.detailText(0), QStringLiteral("12 x 20"));
        QCOMPARE(form.detailText(9), QStringLiteral("D-L-R-U"));
        SaveScreenshot(form, QStringLiteral("HallOfFameWindow"));
    }

    void draggedKeysAndFiltersChangeTheOrder() {
        QTemporaryDir dir;
        FakeMessages messages;
        StoreFive(HallOfFame(dir.path().toStdString()));
        HallOfFameWindow form(messages);
        form.setProgramDirectory(dir.path().toStdString());
        form.prepare();

        // "jméno" dropped on "body": names first.
        QVERIFY(form.dropKey(1, 0));
        QCOMPARE(form.keyLabel(0)->text(), QStringLiteral("jméno"));
        QCOMPARE(form.keyLabel(1)->text(), QStringLiteral("body"));
        QVERIFY(!form.dropKey(2, 2)); // onto its own caption: refused

        // The same through the labels: "datum" dragged onto "jméno" (now first).
        auto* mime = new QMimeData;
        mime->setData(QStringLiteral("application/x-tumbla-fame-key"), QByteArray("2"));
        mime->setText(form.keyLabel(2)->text());
        QDragEnterEvent enter(QPoint(5, 5), Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(form.keyLabel(0), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(form.keyLabel(0), &drop);
        QCOMPARE(form.keyLabel(0)->text(), QStringLiteral("datum"));
        QCOMPARE(form.keyLabel(2)->text(), QStringLiteral("jméno"));
        // A label never takes its own caption.
        mime->setText(form.keyLabel(0)->text());
        QDragEnterEvent same(QPoint(5, 5), Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
        same.setAccepted(false);
        QApplication::sendEvent(form.keyLabel(0), &same);
        QVERIFY(!same.isAccepted());
        QVERIFY(form.dropKey(2, 0)); // jméno back to the front
        delete mime;
        form.sortList();
        QCOMPARE(Column(form, 1), QStringList({"Adam", "Adam", "bára", "cyril", "Dana"}));
        QCOMPARE(Column(form, 2), QStringList({"700", "500", "300", "300", "100"}));

        // Settings first: with the size box ticked, rows "05" come before rows "12".
        QVERIFY(form.dropKey(4, 0));
        form.sortList();
        QCOMPARE(Column(form, 1).last(), QStringLiteral("bára"));
        // "+/-" unticks all ten: the settings no longer decide.
        form.toggleAllFilters();
        for (int i = 0; i < 10; ++i) QVERIFY(!form.filterBox(i)->isChecked());
        form.sortList();
        // Now nastavení, body, datum, číslo situace, jméno: among equal points
        // the earlier entry comes first.
        QCOMPARE(Column(form, 1), QStringList({"Adam", "Adam", "cyril", "bára", "Dana"}));
        form.toggleAllFilters();
        QVERIFY(form.filterBox(9)->isChecked());
        // Unticking one box by hand reaches the state as well.
        form.filterBox(0)->click();
        QVERIFY(!form.state().filters[0]);
        QVERIFY(form.state().filters[1]);
    }

    void deletesOneAndThenAllAfterTwoQuestions() {
        QTemporaryDir dir;
        FakeMessages messages;
        const HallOfFame hall(dir.path().toStdString());
        StoreFive(hall);
        HallOfFameWindow form(messages);
        form.setProgramDirectory(dir.path().toStdString());
        form.prepare();
        form.selectRow(1); // Adam 500, record 1
        QCOMPARE(form.selectedRecord(), std::optional<std::size_t>(1));
        form.deleteSelected();
        QCOMPARE(form.rowCount(), 4);
        QCOMPARE(Column(form, 2), QStringList({"700", "300", "300", "100"}));
        QCOMPARE(Column(form, 7), QStringList({"3", "1", "0", "2"}));
        QVERIFY(messages.questions.empty());

        // A read-only directory refuses both deletes.
        form.setIniWritable(false);
        form.deleteSelected();
        form.deleteAll();
        QCOMPARE(messages.errors.size(), std::size_t{2});
        QCOMPARE(messages.errors[0], std::string(FameReadOnlyText));
        QCOMPARE(form.rowCount(), 4);
        form.setIniWritable(true);

        form.show();
        messages.answers = {Answer::Yes, Answer::No};
        form.deleteAll();
        QCOMPARE(messages.questions.size(), std::size_t{2});
        QVERIFY(form.isVisible());
        QCOMPARE(hall.readAll().size(), std::size_t{4});
        messages.answers = {Answer::Yes, Answer::Yes};
        form.deleteAll();
        QCOMPARE(messages.questions[2], std::string(FameAskDeleteAllText));
        QCOMPARE(messages.questions[3], std::string(FameAskReallySureText));
        QVERIFY(!form.isVisible());
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("Tumbla.Fam"))));
    }

    void takesOverTheSettingsOfTheSelectedResult() {
        QTemporaryDir dir;
        FakeMessages messages;
        StoreFive(HallOfFame(dir.path().toStdString()));
        HallOfFameWindow form(messages);
        form.setProgramDirectory(dir.path().toStdString());
        QSignalSpy spy(&form, &HallOfFameWindow::settingsTakenOver);
        form.prepare();
        form.show();
        form.selectRow(2); // bára's wide game
        form.takeOver();
        QVERIFY(!form.isVisible());
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QVERIFY(form.takenSettings());
        QCOMPARE(form.takenSettings()->Rows, std::uint8_t{12});
        QCOMPARE(form.takenSettings()->BeginNumber, 7);
        QCOMPARE(spy.count(), 1);
        // The next opening starts without a taken-over result.
        form.prepare();
        QVERIFY(!form.takenSettings());
    }

    void aMissingFileListsNothing() {
        QTemporaryDir dir;
        FakeMessages messages;
        HallOfFameWindow form(messages);
        form.setProgramDirectory(dir.path().toStdString());
        form.prepare();
        QCOMPARE(form.rowCount(), 0);
        form.takeOver();
        form.deleteSelected();
        QVERIFY(!form.takenSettings());
        QVERIFY(messages.errors.empty());
    }
};

QTEST_MAIN(HallOfFameWindowTest)
#include "HallOfFameWindowTest.moc"
