#include "ui/windows/ScoreTableWindow.h"

#include "ui/platform/PluginLoading.h"
#include "ui/platform/Plugins.h"

#include "record/ScoreTableText.h"
#include "support/FakeMessages.h"

#include <QChartView>
#include <QLineSeries>
#include <QListWidget>
#include <QTest>
#include <QValueAxis>

#include <memory>

using namespace tumbla;
using namespace tumbla::test;

class ScoreTableWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void tableShowsTheSeventyTwoLines() {
        ScoreTableWindow form;
        QCOMPARE(form.windowTitle(), QStringLiteral("bodování:"));
        QCOMPARE(form.table()->count(), 72);
        const std::vector<std::string> lines = ScoreTableText();
        for (int i = 0; i < 72; ++i)
            QCOMPARE(form.table()->item(i)->text(), QString::fromStdString(lines[std::size_t(i)]));
        QVERIFY(QFontInfo(form.table()->font()).fixedPitch());
        form.show();
        KeepScreenshot(form, QStringLiteral("ScoreTableWindow"));
    }

    void chartHasThreeColouredSeries() {
        // The chart comes from its plugin, as the game window gets it.
        SetPluginDirectory(QStringLiteral(TUMBLA_UI_BINARY_DIR));
        auto* plugin = LoadPluginAs<ScoreChartPlugin>(ScoreChartPluginName);
        QVERIFY(plugin);
        std::vector<ScoreColumns> columns;
        for (int n = 1; n <= 70; ++n) columns.push_back(ScoreColumnsFor(n));
        const std::unique_ptr<QDialog> window(plugin->makeScoreChart(columns, nullptr));
        QDialog& form = *window;
        QCOMPARE(form.windowTitle(), QStringLiteral("body graficky:"));
        auto* view = form.findChild<QChartView*>();
        QVERIFY(view);
        QChart* chart = view->chart();
        QCOMPARE(chart->title(), QStringLiteral("bodové hodnocení dle jednotlivých metod:"));
        const QList<QAbstractSeries*> series = chart->series();
        QCOMPARE(series.size(), 3);
        const QColor colours[] = {Qt::red, Qt::green, Qt::yellow};
        for (int i = 0; i < 3; ++i) {
            auto* line = qobject_cast<QLineSeries*>(series[i]);
            QVERIFY(line);
            QCOMPARE(line->name(), QStringLiteral("varianta %1").arg(i + 1));
            QCOMPARE(line->color(), colours[i]);
            QCOMPARE(line->count(), 70);
            QVERIFY(!line->pointsVisible());
        }
        auto* block = static_cast<QLineSeries*>(series[2]);
        QCOMPARE(block->at(2), QPointF(2, 6));      // n = 3
        QCOMPARE(block->at(69), QPointF(69, 1680)); // n = 70
        auto* axis = qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical).value(0));
        QVERIFY(axis);
        QCOMPARE(axis->min(), -10.0);
        QVERIFY(axis->max() >= ScoreColumnsFor(70).premium);
        form.show();
        KeepScreenshot(form, QStringLiteral("ScoreChartWindow"));
    }
};

QTEST_MAIN(ScoreTableWindowTest)
#include "ScoreTableWindowTest.moc"
