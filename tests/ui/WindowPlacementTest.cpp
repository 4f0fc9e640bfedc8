#include "ui/WindowPlacement.h"

#include "situation/MemoryIniStore.h"

#include <QTest>
#include <QWidget>

using namespace tumbla;

class WindowPlacementTest : public QObject {
    Q_OBJECT
  private slots:
    void placeComesBackFromItsSection() {
        MemoryIniStore ini;
        QWidget window;
        window.move(120, 80);
        window.show();
        const QPoint before = window.pos();
        QVERIFY(SaveWindowPlacement(window, ini, "FormZnac"));
        QVERIFY(ini.commit());
        QCOMPARE(ini.readInteger("FormZnac", "Left", -1), before.x());
        QCOMPARE(ini.readInteger("FormZnac", "Top", -1), before.y());

        QWidget other;
        other.move(10, 10);
        RestoreWindowPlacement(other, ini, "FormZnac");
        QCOMPARE(other.pos(), before);
    }

    void missingOrOffScreenPlacesAreIgnored() {
        MemoryIniStore ini;
        QWidget window;
        window.move(30, 40);
        RestoreWindowPlacement(window, ini, "FormNaPoz");
        QCOMPARE(window.pos(), QPoint(30, 40));
        QVERIFY(ini.writeInteger("FormNaPoz", "Left", -50000));
        QVERIFY(ini.writeInteger("FormNaPoz", "Top", 20));
        QVERIFY(ini.commit());
        RestoreWindowPlacement(window, ini, "FormNaPoz");
        QCOMPARE(window.pos(), QPoint(30, 40));
    }
};

QTEST_MAIN(WindowPlacementTest)
#include "WindowPlacementTest.moc"
