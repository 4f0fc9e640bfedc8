#include "ui/plugins/ScoreChartWindow.h"

#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QVBoxLayout>
#include <QValueAxis>

#include <cmath>

namespace tumbla {

namespace {

// The step of 1, 2 or 5 times a power of ten that cuts `span` into at most
// `most` parts, so that the labels read as round numbers.
double RoundStep(double span, int most) {
    if (span <= 0) return 1;
    const double power = std::pow(10.0, std::floor(std::log10(span / most)));
    for (const double factor : {1.0, 2.0, 5.0, 10.0})
        if (span / (factor * power) <= most) return factor * power;
    return 10 * power;
}

// Ticks at the round multiples of a step from 0, whatever the axis's ends.
void TickAtRoundValues(QValueAxis* axis, int most) {
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setTickInterval(std::max(1.0, RoundStep(axis->max() - std::min(0.0, axis->min()), most)));
}

} // namespace

ScoreChartWindow::ScoreChartWindow(const std::vector<ScoreColumns>& columns, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("body graficky:"));
    setModal(true);
    auto* chart = new QChart;
    // Yellow needs a dark ground to be seen; the theme goes first, the colours after.
    chart->setTheme(QChart::ChartThemeDark);
    chart->setTitle(QStringLiteral("bodové hodnocení dle jednotlivých metod:"));
    const struct {
        const char* name;
        Qt::GlobalColor colour;
        long long ScoreColumns::*value;
    } lines[] = {{"varianta 1", Qt::red, &ScoreColumns::direct},
                 {"varianta 2", Qt::green, &ScoreColumns::premium},
                 {"varianta 3", Qt::yellow, &ScoreColumns::block}};
    long long highest = 0;
    for (const auto& line : lines) {
        auto* series = new QLineSeries(chart);
        series->setName(QString::fromUtf8(line.name));
        series->setColor(line.colour);
        series->setPointsVisible(false);
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const long long v = columns[i].*line.value;
            highest = std::max(highest, v);
            series->append(static_cast<qreal>(i), static_cast<double>(v));
        }
        chart->addSeries(series);
    }
    auto* x = new QValueAxis(chart);
    x->setRange(0, std::max<qreal>(0, static_cast<qreal>(columns.size()) - 1));
    x->setLabelFormat(QStringLiteral("%d"));
    auto* y = new QValueAxis(chart);
    y->setRange(-10, static_cast<double>(highest));
    y->setLabelFormat(QStringLiteral("%d"));
    TickAtRoundValues(x, 7);
    TickAtRoundValues(y, 6);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(x);
        series->attachAxis(y);
    }
    chart->legend()->setAlignment(Qt::AlignBottom);
    auto* view = new QChartView(chart, this);
    view->setRenderHint(QPainter::Antialiasing);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view);
    resize(560, 420);
}

} // namespace tumbla
