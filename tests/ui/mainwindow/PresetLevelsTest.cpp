// The five preset levels in the game window. With TUMBLA_SHOTS set to a
// directory, the window of each level is also saved there as level-N.png.

#include "support/MainWindowFixture.h"

#include "situation/Presets.h"

#include <QDir>
#include <QPixmap>

using namespace tumbla;
using namespace tumbla::test;

class PresetLevelsTest : public QObject {
    Q_OBJECT
  private slots:
    void everyLevelLaysOutItsField() {
        QTemporaryDir dir;
        auto w = OpenWindow(dir);
        const Command levels[] = {Command::Level1, Command::Level2, Command::Level3,
                                  Command::Level4, Command::Level5};
        const QString shots = qEnvironmentVariable("TUMBLA_SHOTS");
        QSize previous;
        for (std::size_t i = 0; i < 5; ++i) {
            w->runCommand(levels[i]);
            const PresetLevel& level = PresetLevels[i];
            QCOMPARE(w->board()->layout().rows(), int{level.Rows});
            QCOMPARE(w->board()->layout().cols(), int{level.Cols});
            QCOMPARE(w->game().Settings().Count, level.Count);
            QVERIFY(w->board()->board() == w->game().Current().board);
            QCOMPARE(w->fieldText("moves"), QStringLiteral("0"));
            // The whole field fits in the window, and larger levels make a larger field.
            const QRect field = w->board()->layout().fieldRect();
            QVERIFY2(w->board()->rect().contains(field),
                     qPrintable(QStringLiteral("level %1: %2x%3")
                                    .arg(i + 1)
                                    .arg(w->board()->width())
                                    .arg(w->board()->height())));
            QVERIFY(w->board()->width() >= field.right());
            QVERIFY(w->board()->width() >= previous.width());
            QVERIFY(w->board()->height() >= previous.height());
            // The window system resizes the window in its own time.
            QWidget* area = w->board()->parentWidget();
            QTRY_VERIFY(area->rect().contains(w->board()->geometry()));
            QVERIFY(w->rect().contains(QRect(area->mapTo(w.get(), QPoint(0, 0)), area->size())));
            previous = w->board()->size();
            if (!shots.isEmpty()) {
                QCoreApplication::processEvents();
                QVERIFY(w->grab().save(
                    QDir(shots).filePath(QStringLiteral("level-%1.png").arg(i + 1))));
            }
        }
    }

    void aSmallerLevelShrinksTheWindowAtOnce() {
        QTemporaryDir dir;
        auto w = OpenWindow(dir);
        w->runCommand(Command::Level1);
        const QSize small = w->size();
        w->runCommand(Command::Level5);
        QVERIFY(w->width() > small.width() && w->height() > small.height());
        w->runCommand(Command::Level1);
        QCOMPARE(w->size(), small);
    }
};

QTEST_MAIN(PresetLevelsTest)
#include "PresetLevelsTest.moc"
