#include "ui/dialogs/GoToPositionDialog.h"

#include "support/FakeMessages.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

using namespace tumbla;
using namespace tumbla::test;

class GoToPositionDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void controlsStartInTheMiddle() {
        FakeMessages messages;
        GoToPositionDialog form(messages);
        QCOMPARE(form.windowTitle(), QStringLiteral("přechod k pozici:"));
        for (const auto& [last, start] : {std::pair{2, 1}, std::pair{9, 4}}) {
            form.setLastPosition(last);
            QCOMPARE(form.slider()->minimum(), 1);
            QCOMPARE(form.slider()->maximum(), last);
            QCOMPARE(form.slider()->value(), start);
            QCOMPARE(form.numberField()->value(), start);
            QCOMPARE(form.leftLabel()->text(), QStringLiteral("1"));
            QCOMPARE(form.rightLabel()->text(), QString::number(last));
        }
    }

    void sliderFillsTheFieldButNotTheOtherWay() {
        FakeMessages messages;
        GoToPositionDialog form(messages);
        form.setLastPosition(9);
        form.slider()->setValue(7);
        QCOMPARE(form.numberField()->value(), 7);
        form.numberField()->setValue(2);
        QCOMPARE(form.slider()->value(), 7);
    }

    void arrowsKeepToTheRange() {
        FakeMessages messages;
        GoToPositionDialog form(messages);
        form.setLastPosition(9);
        form.numberField()->stepBy(20);
        QCOMPARE(form.numberField()->value(), 9);
        form.numberField()->stepBy(-20);
        QCOMPARE(form.numberField()->value(), 1);
    }

    void enterAcceptsLastAndRefusesBeyond() {
        FakeMessages messages;
        GoToPositionDialog form(messages);
        form.setLastPosition(9);
        form.show();
        QLineEdit* edit = form.numberField()->findChild<QLineEdit*>();
        form.numberField()->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("10"));
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(form.isVisible());
        QCOMPARE(messages.said, std::vector<std::string>{"Číslo tahu je mimo správný rozsah!"});
        QCOMPARE(edit->text(), QStringLiteral("10"));
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("9"));
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(!form.isVisible());
        QCOMPARE(form.chosenPosition(), std::optional<int>(9));
    }

    void zeroIsRefusedAndLongHistoriesWork() {
        FakeMessages messages;
        GoToPositionDialog form(messages);
        form.setLastPosition(400);
        form.show();
        form.numberField()->setValue(0);
        form.okButton()->click();
        QCOMPARE(messages.said.size(), std::size_t{1});
        QVERIFY(form.isVisible());
        form.numberField()->setValue(300);
        form.okButton()->click();
        QCOMPARE(form.chosenPosition(), std::optional<int>(300));
    }

    void closeBoxChoosesNothing() {
        FakeMessages messages;
        GoToPositionDialog form(messages);
        QTimer::singleShot(0, &form, [&] { form.close(); });
        QVERIFY(!form.ask(5));
        QVERIFY(messages.said.empty());
    }

    void fieldIsAsWideAsThreeDigits() {
        FakeMessages messages;
        GoToPositionDialog form(messages);
        form.setLastPosition(37);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QSpinBox* field = form.numberField();
        const int digits = field->fontMetrics().horizontalAdvance(QStringLiteral("999"));
        QVERIFY(field->width() > digits);
        QVERIFY2(field->width() < form.width() / 2, "the field no longer fills the row");
        // A wider window keeps the field as it is.
        const int width = field->width();
        form.resize(form.width() * 2, form.height());
        QTRY_VERIFY(form.width() > 2 * width * 2);
        QCOMPARE(field->width(), width);
    }
};

QTEST_MAIN(GoToPositionDialogTest)
#include "GoToPositionDialogTest.moc"
