#pragma once
// "body graficky:": the three rating modes as lines over the group size.
// Built when shown and thrown away after.

#include <QDialog>

namespace tumbla {

class ScoreChartWindow : public QDialog {
    Q_OBJECT
  public:
    explicit ScoreChartWindow(QWidget* parent = nullptr);
};

} // namespace tumbla
