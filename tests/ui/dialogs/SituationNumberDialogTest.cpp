#include "ui/dialogs/SituationNumberDialog.h"

#include "support/FakeMessages.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace tumbla;
using namespace tumbla::test;

class SituationNumberDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void okTakesTheNumberAndCloses() {
        FakeMessages messages;
        SituationNumberDialog form(messages);
        QCOMPARE(form.windowTitle(), QStringLiteral("zadání čísla situace:"));
        form.show();
        QSignalSpy chosen(&form, &SituationNumberDialog::numberChosen);
        form.numberField()->setText(QStringLiteral(" -7 "));
        form.okButton()->click();
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QVERIFY(!form.isVisible());
        QCOMPARE(form.chosenNumber(), std::optional<std::int32_t>(-7));
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.at(0).at(0).toInt(), -7);
        QVERIFY(messages.said.empty());
        // The text stays for the next showing.
        QCOMPARE(form.numberField()->text(), QStringLiteral(" -7 "));
    }

    void enterInTheFieldActsAsOk() {
        FakeMessages messages;
        SituationNumberDialog form(messages);
        form.show();
        form.numberField()->setFocus();
        QTest::keyClicks(form.numberField(), QStringLiteral("$ff"));
        QTest::keyClick(form.numberField(), Qt::Key_Return);
        QVERIFY(!form.isVisible());
        QCOMPARE(form.chosenNumber(), std::optional<std::int32_t>(255));
    }

    void emptyTextMeansZero() {
        FakeMessages messages;
        SituationNumberDialog form(messages);
        form.show();
        form.okButton()->click();
        QCOMPARE(form.chosenNumber(), std::optional<std::int32_t>(0));
    }

    void wrongNumberKeepsTheWindowOpen() {
        FakeMessages messages;
        SituationNumberDialog form(messages);
        form.show();
        QSignalSpy chosen(&form, &SituationNumberDialog::numberChosen);
        for (const char* text : {"2147483648", "12a"}) {
            messages.said.clear();
            form.numberField()->setText(QString::fromUtf8(text));
            form.okButton()->click();
            QVERIFY(form.isVisible());
            QCOMPARE(messages.said, std::vector<std::string>{"Číslo je chybné!"});
            QCOMPARE(form.numberField()->text(), QString::fromUtf8(text));
        }
        QCOMPARE(chosen.count(), 0);
        QVERIFY(!form.chosenNumber());
    }

    void closeBoxChoosesNothing() {
        FakeMessages messages;
        SituationNumberDialog form(messages);
        QTimer::singleShot(0, &form, [&] {
            form.numberField()->setText(QStringLiteral("5"));
            form.close();
        });
        QVERIFY(!form.ask());
        QCOMPARE(form.result(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(SituationNumberDialogTest)
#include "SituationNumberDialogTest.moc"
