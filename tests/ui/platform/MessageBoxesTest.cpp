// The filters of the file dialogs, as the dialog shows and reads them.

#include "ui/platform/MessageBoxes.h"

#include <QTest>

using namespace tumbla;

class MessageBoxesTest : public QObject {
    Q_OBJECT
  private slots:
    void eachFilterShowsItsPatternOnce_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("shown");
        QTest::newRow("named in the description")
            << QStringLiteral("rozehrané hry(*.hra)|*.hra|všechny soubory(*.*)|*.*")
            << QStringLiteral("rozehrané hry(*.hra);;všechny soubory(*.*)");
        QTest::newRow("several patterns, read by the dialog")
            << QStringLiteral("uložené hry a nastavení(*.hra,*.hre,*.hrs)|*.hra;*.hre;*.hrs")
            << QStringLiteral("uložené hry a nastavení(*.hra *.hre *.hrs)");
        QTest::newRow("not named in the description")
            << QStringLiteral("všechny soubory|*.*") << QStringLiteral("všechny soubory (*.*)");
        QTest::newRow("a pattern alone") << QStringLiteral("*.hr?") << QStringLiteral("*.hr?");
    }
    void eachFilterShowsItsPatternOnce() {
        QFETCH(QString, filter);
        QFETCH(QString, shown);
        QCOMPARE(DialogFilter(filter.toStdString()), shown);
    }
};

QTEST_MAIN(MessageBoxesTest)
#include "MessageBoxesTest.moc"
