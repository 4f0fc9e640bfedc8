#pragma once
// "body graficky:": the three rating modes as lines over the group size.
// Built when shown and thrown away after.

#include <QDialog>

namespace tumbla {

class FormBodyGr : public QDialog {
    Q_OBJECT
  public:
    explicit FormBodyGr(QWidget* parent = nullptr);
};

} // namespace tumbla
