#include "ui/windows/MarksWindow.h"

#include "support/FakeMessages.h"

#include <QListWidget>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace tumbla;
using namespace tumbla::test;

namespace {

MarkStack MarksAt(std::initializer_list<int> positions) {
    MarkStack marks;
    for (int p : positions) marks.add(p);
    return marks;
}

std::int32_t TotalOf(int k) {
    return k * 10;
}

QStringList Texts(const QListWidget& list) {
    QStringList texts;
    for (int i = 0; i < list.count(); ++i) texts << list.item(i)->text();
    return texts;
}

} // namespace

class MarksWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void showsTheSortedLinesAndHints() {
        MarksDialog marks(MarksAt({9, 3, 12}), TotalOf);
        MarksWindow form;
        form.setMarks(marks);
        QCOMPARE(form.windowTitle(), QStringLiteral("značky:"));
        QCOMPARE(Texts(*form.list()), QStringList({"  3.tah(30)", "  9.tah(90)", " 12.tah(120)"}));
        QCOMPARE(form.goButton()->toolTip(), QStringLiteral("přejdi k pozici"));
        QCOMPARE(form.deleteButton()->toolTip(), QStringLiteral("zruš aktuální"));
        QCOMPARE(form.deleteAllButton()->toolTip(), QStringLiteral("zruš všechny"));
        QVERIFY(form.list()->font().bold());
        QVERIFY(form.list()->font().fixedPitch() || QFontInfo(form.list()->font()).fixedPitch());
    }

    void goWithoutSelectionTakesTheSmallest() {
        MarksDialog marks(MarksAt({9, 3}), TotalOf);
        MarksWindow form;
        form.setMarks(marks);
        form.show();
        form.goButton()->click();
        QVERIFY(!form.isVisible());
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(form.chosenPosition(), std::optional<int>(3));
    }

    void goTakesTheLastSelectedAndDoubleClickGoes() {
        MarksDialog marks(MarksAt({2, 4, 6}), TotalOf);
        MarksWindow form;
        form.setMarks(marks);
        form.show();
        form.list()->item(0)->setSelected(true);
        form.list()->item(1)->setSelected(true);
        form.goButton()->click();
        QCOMPARE(form.chosenPosition(), std::optional<int>(4));

        form.setMarks(marks);
        form.show();
        QWidget* viewport = form.list()->viewport();
        const QRect cell = form.list()->visualItemRect(form.list()->item(2));
        QTest::mouseClick(viewport, Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, cell.center());
        QCOMPARE(form.chosenPosition(), std::optional<int>(6));
    }

    void deletingReachesTheMarks() {
        MarksDialog marks(MarksAt({2, 4, 6}), TotalOf);
        MarksWindow form;
        form.setMarks(marks);
        form.show();
        QSignalSpy changed(&form, &MarksWindow::marksChanged);
        form.deleteButton()->click(); // nothing selected: nothing happens
        QCOMPARE(form.list()->count(), 3);
        QCOMPARE(changed.count(), 0);
        form.list()->item(1)->setSelected(true);
        form.deleteButton()->click();
        QVERIFY(form.isVisible());
        QCOMPARE(changed.count(), 1);
        MarkStack back;
        marks.writeBack(back);
        QCOMPARE(back.count(), 2);
        QCOMPARE(back.at(0), 2);
        QCOMPARE(back.at(1), 6);
        QCOMPARE(Texts(*form.list()), QStringList({"  2.tah(20)", "  6.tah(60)"}));

        // Deleting the last lines closes without a position.
        form.list()->selectAll();
        form.deleteButton()->click();
        QVERIFY(!form.isVisible());
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QVERIFY(!form.chosenPosition());
        marks.writeBack(back);
        QCOMPARE(back.count(), 0);
    }

    void deleteAllCloses() {
        MarksDialog marks(MarksAt({5, 1}), TotalOf);
        MarksWindow form;
        QTimer::singleShot(0, &form, [&] { form.deleteAllButton()->click(); });
        QVERIFY(!form.ask(marks));
        QVERIFY(marks.lines().empty());
    }

    void closeBoxKeepsTheMarks() {
        MarksDialog marks(MarksAt({7, 5}), TotalOf);
        MarksWindow form;
        QTimer::singleShot(0, &form, [&] { form.close(); });
        QVERIFY(!form.ask(marks));
        MarkStack back;
        marks.writeBack(back);
        QCOMPARE(back.count(), 2);
        QCOMPARE(back.at(0), 5);
    }
};

QTEST_MAIN(MarksWindowTest)
#include "MarksWindowTest.moc"
