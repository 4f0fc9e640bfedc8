#include "ui/dialogs/SettingsDialog.h"

#include "support/FakeMessages.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace tumbla;
using namespace tumbla::test;

namespace {

GameSettings InForce() {
    GameSettings s;
    s.Count = 6;
    s.Joly = 2;
    s.Rows = 10;
    s.Cols = 20;
    s.Back = 0x008000;
    return s;
}

QCheckBox* CheckBox(const QWidget& form, const QString& text) {
    for (QCheckBox* box : form.findChildren<QCheckBox*>())
        if (box->text() == text) return box;
    return nullptr;
}

} // namespace

class SettingsDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void openingFillsTheControls() {
        SettingsDialogState state;
        SettingsDialog form(state);
        QCOMPARE(form.windowTitle(), QStringLiteral("  nastavení:  "));
        QCOMPARE(form.tabs()->count(), 6);
        QCOMPARE(form.tabs()->tabText(4), QStringLiteral("&kód nastavení"));
        QCOMPARE(form.returnButton()->toolTip(), QStringLiteral("návrat bez nastavení"));
        QCOMPARE(form.okButton()->toolTip(), QStringLiteral("ulož nastavení jako standard"));
        form.open(InForce());
        QVERIFY(form.jokerChoice(2)->isChecked());
        QVERIFY(form.colourCountChoice(6)->isChecked());
        QCOMPARE(form.sizeLabel()->text(), QStringLiteral("10x20"));
        QVERIFY(!state.currentCode.empty());
    }

    void controlsReachTheState() {
        SettingsDialogState state;
        SettingsDialog form(state);
        form.open(InForce());
        form.show();
        form.rowsField()->setValue(5);
        form.colsField()->setValue(10);
        QCOMPARE(state.rows, 5);
        QCOMPARE(state.cols, 10);
        QCOMPARE(form.sizeLabel()->text(), QStringLiteral("5x10"));
        QCOMPARE(state.rockMaximum, 5);

        form.jokerChoice(3)->click();
        QCOMPARE(state.jokerChoice, 3);
        QVERIFY(!form.glassChoice(3)->isEnabled());
        form.jokerChoice(0)->click();
        for (int c = 0; c <= 8; ++c) QVERIFY(form.glassChoice(c)->isEnabled());

        form.tabs()->setCurrentIndex(1);
        form.colourCountChoice(5)->click();
        QCOMPARE(state.colourCount, 5);
        QVERIFY(form.jokerChoice(5)->isVisible());
        QVERIFY(!form.jokerChoice(7)->isVisible());
        // Each picture stands over its own two choices, with any number of colours.
        for (int c = 1; c <= 5; ++c) {
            const int centre = form.colourPicture(c)->geometry().center().x();
            QVERIFY(qAbs(form.jokerChoice(c)->geometry().center().x() - centre) <= 2);
            QVERIFY(qAbs(form.glassChoice(c)->geometry().center().x() - centre) <= 2);
        }

        form.premiumBox()->setChecked(true);
        QVERIFY(state.premiumBox);
        form.tabs()->setCurrentIndex(2);
        QVERIFY(form.pricePanel()->isVisible());

        form.gridChoice(2)->click();
        QCOMPARE(state.gridChoice, 2);
        // The window's own options sit on the same tab, with hints that say what they do.
        form.tabs()->setCurrentIndex(3);
        for (const auto& [text, field] : {std::pair{"sesypávat", &state.dashingBox},
                                          std::pair{"náhled tahu", &state.previewBox}}) {
            QCheckBox* box = CheckBox(form, QString::fromUtf8(text));
            QVERIFY(box && box->isVisible() && box->isEnabled() && !box->toolTip().isEmpty());
            const bool before = *field;
            box->click();
            QCOMPARE(*field, !before);
        }
        // The advisor's time in seconds, kept in tenths, within 0.5 .. 60 s.
        auto* seconds = form.findChild<QDoubleSpinBox*>(QStringLiteral("adviceSeconds"));
        QVERIFY(seconds && seconds->isVisible() && !seconds->toolTip().isEmpty());
        QCOMPARE(seconds->value(), 2.0);
        seconds->setValue(4.5);
        QCOMPARE(state.adviceTenths, 45);
        QCOMPARE(seconds->text(), QStringLiteral("4,5 s"));
        seconds->setValue(0.1);
        QCOMPARE(state.adviceTenths, 5);
        seconds->setValue(99);
        QCOMPARE(state.adviceTenths, 600);
    }

    void backColourPreviewsAndReturnRestores() {
        SettingsDialogState state;
        SettingsDialog form(state);
        QSignalSpy back(&form, &SettingsDialog::backColourPreview);
        form.open(InForce());
        form.show();
        const int red = form.backColourField()->findData(0x0000FF);
        form.backColourField()->setCurrentIndex(red);
        emit form.backColourField()->activated(red);
        QCOMPARE(state.backColour, 0x0000FF);
        QCOMPARE(back.count(), 1);
        QCOMPARE(back.at(0).at(0).value<QColor>(), QColor(Qt::red));
        form.jokerChoice(4)->click();

        form.returnButton()->click();
        QVERIFY(!form.isVisible());
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QCOMPARE(back.last().at(0).value<QColor>(), QColor(0, 0x80, 0));
        QCOMPARE(state.jokerChoice, 2);
        QCOMPARE(state.backColour, 0x008000);
    }

    void okRunsTheActionAndCloses() {
        SettingsDialogState state;
        SettingsDialog form(state);
        int oks = 0;
        form.setOkAction([&](SettingsDialogState& d) {
            ++oks;
            d.rockField = 0;
        });
        QTimer::singleShot(0, &form, [&] { form.okButton()->click(); });
        QVERIFY(form.ask(InForce()));
        QCOMPARE(oks, 1);
    }

    void wrongCodeRefusesTheFirstCloseOnly() {
        SettingsDialogState state;
        SettingsDialog form(state);
        int oks = 0;
        form.setOkAction([&](SettingsDialogState&) { ++oks; });
        form.open(InForce());
        form.show();
        form.tabs()->setCurrentIndex(4);
        QTest::keyClicks(form.codeEntry(), QStringLiteral("zz"));
        QTest::keyClick(form.codeEntry(), Qt::Key_Return);
        QVERIFY(state.lastCodeResult != 0);
        QVERIFY(!form.codeMessage()->text().isEmpty());
        QCOMPARE(form.codeMessage()->text(), QString::fromStdString(state.codeMessage));
        QVERIFY(form.isVisible());

        form.okButton()->click();
        QCOMPARE(oks, 1);
        QVERIFY(form.isVisible());
        form.okButton()->click();
        QCOMPARE(oks, 2);
        QVERIFY(!form.isVisible());
        QCOMPARE(form.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(SettingsDialogTest)
#include "SettingsDialogTest.moc"
