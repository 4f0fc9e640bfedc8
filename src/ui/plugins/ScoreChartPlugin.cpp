// The chart plugin: the only part of the game that links Qt Charts.

#include "ui/platform/Plugins.h"
#include "ui/plugins/ScoreChartWindow.h"

#include <QObject>

namespace tumbla {

class ScoreChartFactory : public QObject, public ScoreChartPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "tumbla.ScoreChartPlugin/1")
    Q_INTERFACES(tumbla::ScoreChartPlugin)
  public:
    QDialog* makeScoreChart(const std::vector<ScoreColumns>& columns, QWidget* parent) override {
        return new ScoreChartWindow(columns, parent);
    }
};

} // namespace tumbla

#include "ScoreChartPlugin.moc"
