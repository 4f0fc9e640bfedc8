#pragma once
// "body graficky:": the three rating modes as lines over the group size.
// Built when shown and thrown away after; it lives in the chart plugin.

#include "record/ScoreTableText.h"

#include <QDialog>

#include <vector>

namespace tumbla {

class ScoreChartWindow : public QDialog {
    Q_OBJECT
  public:
    // One element of `columns` per group size, from a single stone up.
    explicit ScoreChartWindow(const std::vector<ScoreColumns>& columns, QWidget* parent = nullptr);
};

} // namespace tumbla
