// A second start of the game finds the first, asks it to come forward and ends.

#include "ui/SingleInstance.h"
#include "MainWindowFixture.h"

#include <QSignalSpy>
#include <QUuid>

using namespace tumbla;
using namespace tumbla::test;

class SingleInstanceTest : public QObject {
    Q_OBJECT
  private slots:
    void secondStartWakesTheFirst() {
        const QString key =
            QStringLiteral("TumblaTest-") + QUuid::createUuid().toString(QUuid::Id128);
        SingleInstance first(key);
        QVERIFY(!first.notifyRunning(100)); // nobody there yet
        QVERIFY(first.listen());
        QSignalSpy woken(&first, &SingleInstance::activationRequested);

        SingleInstance second(key);
        QVERIFY(second.notifyRunning());
        QVERIFY(woken.wait(2000));
    }

    void theFirstWindowComesForward() {
        const QString key =
            QStringLiteral("TumblaTest-") + QUuid::createUuid().toString(QUuid::Id128);
        QTemporaryDir dir;
        auto w = OpenWindow(dir);
        w->showMinimized();
        SingleInstance first(key);
        QVERIFY(first.listen());
        connect(&first, &SingleInstance::activationRequested, w.get(), &GameWindow::bringForward);
        QSignalSpy woken(&first, &SingleInstance::activationRequested);
        QVERIFY(SingleInstance(key).notifyRunning());
        QVERIFY(woken.wait(2000));
        QVERIFY(!w->isMinimized());
        QVERIFY(w->isVisible());
    }

    void aSocketLeftBehindIsTakenOver() {
        const QString key =
            QStringLiteral("TumblaTest-") + QUuid::createUuid().toString(QUuid::Id128);
        {
            SingleInstance crashed(key);
            QVERIFY(crashed.listen());
        }
        SingleInstance next(key);
        QVERIFY(!next.notifyRunning(100));
        QVERIFY(next.listen());
    }
};

QTEST_MAIN(SingleInstanceTest)
#include "SingleInstanceTest.moc"
