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
};

QTEST_MAIN(WindowPlacementTest)
#include "WindowPlacementTest.moc"
