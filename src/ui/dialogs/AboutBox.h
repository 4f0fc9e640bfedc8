#pragma once
// "O hře": the name, version and makers of the game. Made for each showing.

#include <QDialog>

namespace tumbla {

class AboutBox : public QDialog {
    Q_OBJECT
  public:
    explicit AboutBox(QWidget* parent = nullptr);
};

} // namespace tumbla
