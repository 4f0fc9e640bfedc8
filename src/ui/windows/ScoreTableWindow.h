#pragma once
// "bodování:": what a group of 1..70 stones earns under each rating mode.

#include <QDialog>

class QListWidget;

namespace tumbla {

class ScoreTableWindow : public QDialog {
    Q_OBJECT
  public:
    explicit ScoreTableWindow(QWidget* parent = nullptr);
    QListWidget* table() const { return list_; }

  private:
    QListWidget* list_;
};

} // namespace tumbla
