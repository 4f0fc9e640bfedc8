#include "ui/windows/SearchWindow.h"

#include "support/FakeMessages.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QSignalSpy>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace tumbla;
using namespace tumbla::test;

namespace {

Rules SmallRules() {
    Rules rules;
    rules.rows = 5;
    rules.cols = 10;
    rules.count = 4;
    rules.directions = 0;
    return rules;
}

// A few stones on the bottom row: the search is over at once.
MoveRecord FewStones() {
    MoveRecord rec;
    const StoneCode row[] = {1, 1, 2, 2, 1, 3, 3};
    for (int c = 1; c <= 7; ++c) rec.board.at(5, c) = row[c - 1];
    rec.MoveRow = 1;
    return rec;
}

// A full field of pairs: far too many sequences to finish in a test.
MoveRecord FullField(Rules& rules) {
    rules.rows = 10;
    rules.cols = 20;
    MoveRecord rec;
    for (int r = 1; r <= 10; ++r)
        for (int c = 1; c <= 20; ++c)
            rec.board.at(r, c) = static_cast<StoneCode>((r + c / 2) % 4 + 1);
    rec.MoveRow = 1;
    return rec;
}

// The progress lines of the grid, which change with every report of a running search.
QString Progress(const SearchWindow& form) {
    QString text;
    for (int row = 1; row < SearchWindow::GridRows; ++row)
        text += form.grid()->item(row, 0)->text() + u'|';
    return text;
}

} // namespace

class SearchWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void shortSearchShowsItsBestPath() {
        FakeMessages messages;
        SearchMemory memory;
        SearchWindow form(messages);
        QCOMPARE(form.windowTitle(), QStringLiteral("        hledání:"));
        QCOMPARE(form.grid()->rowCount(), 250);
        QCOMPARE(form.grid()->columnCount(), 2);
        // Its clock ticks only while the window is shown.
        auto* clock = form.findChild<QTimer*>(QString(), Qt::FindDirectChildrenOnly);
        QVERIFY(clock && !clock->isActive());
        QSignalSpy finished(&form, &SearchWindow::searchFinished);
        QVERIFY(form.startSearch(SmallRules(), FewStones(), memory));
        QVERIFY(form.isVisible());
        QVERIFY(clock->isActive());
        QVERIFY(finished.wait(20000));
        QVERIFY(!form.running());
        QVERIFY(form.lastSearch()->Complete());
        const int length = static_cast<int>(form.lastSearch()->HighestPath().size());
        QVERIFY(length > 0);
        const QString last = form.grid()->item(length, 1)->text();
        QVERIFY2(last.endsWith(QStringLiteral("  [=%1]").arg(form.lastSearch()->HighestScore())),
                 qPrintable(last));
        QVERIFY(form.grid()->item(length + 1, 1)->text().isEmpty());
        // The stop button after the end asks nothing.
        form.stopButton()->click();
        QVERIFY(messages.said.empty());
        form.hide();
        QVERIFY(!clock->isActive());
    }

    void stopAsksAndSecondStartIsIgnored() {
        FakeMessages messages;
        SearchMemory memory;
        SearchWindow form(messages);
        Rules rules = SmallRules();
        const MoveRecord field = FullField(rules);
        QSignalSpy finished(&form, &SearchWindow::searchFinished);
        QVERIFY(form.startSearch(rules, field, memory));
        QVERIFY(!form.startSearch(rules, field, memory));
        // The window refreshes while the search runs.
        QTRY_VERIFY_WITH_TIMEOUT(!form.grid()->item(1, 0)->text().isEmpty(), 20000);

        messages.fallback = Answer::No;
        form.stopButton()->click();
        QCOMPARE(messages.said, std::vector<std::string>{"Chcete skutečně ukončit hledání?"});
        // Two more reports come: a search that stopped would send one, its last.
        for (int report = 0; report < 2; ++report) {
            const QString before = Progress(form);
            QTRY_VERIFY_WITH_TIMEOUT(Progress(form) != before, 20000);
        }
        QVERIFY(form.running());
        QCOMPARE(finished.count(), 0);

        messages.fallback = Answer::Yes;
        form.stopButton()->click();
        QVERIFY(finished.wait(20000));
        QVERIFY(!form.lastSearch()->Complete());
        // The window's clock goes on to another second; the elapsed time stays.
        const QString frozen = form.elapsedLabel()->text();
        const QString stoppedAt = form.clockLabel()->text();
        QTRY_VERIFY_WITH_TIMEOUT(form.clockLabel()->text() != stoppedAt, 20000);
        QCOMPARE(form.elapsedLabel()->text(), frozen);
        KeepScreenshot(form, QStringLiteral("SearchWindow"));
    }

    void doubleClickOnTheHeaderRowEndsTheSearch() {
        FakeMessages messages;
        SearchMemory memory;
        SearchWindow form(messages);
        Rules rules = SmallRules();
        QSignalSpy finished(&form, &SearchWindow::searchFinished);
        QVERIFY(form.startSearch(rules, FullField(rules), memory));
        QTRY_VERIFY_WITH_TIMEOUT(!form.grid()->item(1, 0)->text().isEmpty(), 20000);
        emit form.grid()->cellDoubleClicked(0, 0);
        QVERIFY(finished.wait(20000));
        QVERIFY(messages.said.empty());
    }

    void onlyTheGameWindowTakingTheFocusStops() {
        FakeMessages messages;
        SearchMemory memory;
        QWidget game;
        game.show();
        QVERIFY(QTest::qWaitForWindowActive(&game));
        auto* form = new SearchWindow(messages, &game);
        Rules rules = SmallRules();
        QSignalSpy finished(form, &SearchWindow::searchFinished);
        QVERIFY(form->startSearch(rules, FullField(rules), memory));
        QVERIFY(QTest::qWaitForWindowActive(form));
        // A look at some other window goes on searching.
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QVERIFY(!finished.wait(300));
        game.activateWindow();
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 20000);
        QVERIFY(messages.said.empty());
    }

    void theStopQuestionTakingTheFocusDoesNotStop() {
        // The question is a box of the search window that takes the focus while it asks.
        struct FocusTakingMessages : FakeMessages {
            QWidget* owner = nullptr;
            Answer askConfirmation(std::string_view text, bool withCancel) override {
                QDialog box(owner);
                box.show();
                box.activateWindow();
                if (!QTest::qWaitForWindowActive(&box)) qWarning("the box never took the focus");
                return FakeMessages::askConfirmation(text, withCancel);
            }
        } messages;
        SearchMemory memory;
        QWidget game;
        game.show();
        QVERIFY(QTest::qWaitForWindowActive(&game));
        auto* form = new SearchWindow(messages, &game);
        messages.owner = form;
        Rules rules = SmallRules();
        QSignalSpy finished(form, &SearchWindow::searchFinished);
        QVERIFY(form->startSearch(rules, FullField(rules), memory));
        QVERIFY(QTest::qWaitForWindowActive(form));
        messages.fallback = Answer::No;
        form->stopButton()->click();
        QVERIFY(!finished.wait(300));
        QVERIFY(form->running());
        messages.fallback = Answer::Yes;
        form->stopButton()->click();
        QVERIFY(finished.wait(20000));
    }

    void theHeaderRowStandsStillAndShowsItsFiguresInFull() {
        FakeMessages messages;
        SearchMemory memory;
        SearchWindow form(messages);
        Rules rules = SmallRules();
        QSignalSpy finished(&form, &SearchWindow::searchFinished);
        QVERIFY(form.startSearch(rules, FullField(rules), memory));
        QTRY_VERIFY_WITH_TIMEOUT(!form.grid()->item(0, 1)->text().isEmpty(), 20000);
        form.stopSearch();
        QVERIFY(finished.wait(20000));
        form.grid()->scrollToBottom();
        QTableView* header = form.headerRow();
        QVERIFY(header->isVisible());
        QVERIFY(!header->isRowHidden(0) && form.grid()->isRowHidden(0));
        QCOMPARE(header->rowAt(1), 0);
        // The columns line up; the estimate has every line it needs, the
        // share done and the years their whole width.
        QCOMPARE(header->columnWidth(0), form.grid()->columnWidth(0));
        QVERIFY(header->rowHeight(0) >= static_cast<QAbstractItemView*>(header)->sizeHintForRow(0));
        const QString share = form.grid()->item(0, 1)->text();
        QVERIFY(header->fontMetrics().horizontalAdvance(share) < header->columnWidth(1));
        QLabel* years = form.yearsLabel();
        QVERIFY(years->height() >= years->heightForWidth(years->width()));
    }
};

QTEST_MAIN(SearchWindowTest)
#include "SearchWindowTest.moc"
