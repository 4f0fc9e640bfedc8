#include "ui/platform/WindowPlacement.h"

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
        QVERIFY(SaveWindowPlacement(window, ini, IniSection::MarksWindow));
        QVERIFY(ini.commit());
        QCOMPARE(ini.readInteger(IniSection::MarksWindow, "Left", -1), before.x());
        QCOMPARE(ini.readInteger(IniSection::MarksWindow, "Top", -1), before.y());

        QWidget other;
        other.move(10, 10);
        RestoreWindowPlacement(other, ini, IniSection::MarksWindow);
        QCOMPARE(other.pos(), before);
    }

    void missingOrOffScreenPlacesAreIgnored() {
        MemoryIniStore ini;
        QWidget window;
        window.move(30, 40);
        RestoreWindowPlacement(window, ini, IniSection::GoToPositionDialog);
        QCOMPARE(window.pos(), QPoint(30, 40));
        QVERIFY(ini.writeInteger(IniSection::GoToPositionDialog, "Left", -50000));
        QVERIFY(ini.writeInteger(IniSection::GoToPositionDialog, "Top", 20));
        QVERIFY(ini.commit());
        RestoreWindowPlacement(window, ini, IniSection::GoToPositionDialog);
        QCOMPARE(window.pos(), QPoint(30, 40));
    }

    void aNewWindowOpensBesideTheGame() {
        const QRect screen(0, 0, 1280, 900);
        const QSize size(300, 100);
        // Room on the right; else on the left; else at the right edge.
        QCOMPARE(PlaceBeside(QRect(100, 200, 700, 500), size, screen), QPoint(808, 200));
        QCOMPARE(PlaceBeside(QRect(500, 200, 700, 500), size, screen), QPoint(192, 200));
        QCOMPARE(PlaceBeside(QRect(0, 850, 1280, 50), size, screen), QPoint(980, 800));
    }
};

QTEST_MAIN(WindowPlacementTest)
#include "WindowPlacementTest.moc"
