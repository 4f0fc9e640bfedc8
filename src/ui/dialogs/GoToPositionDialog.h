#pragma once
// "přechod k pozici:": picks a position 1..L with a slider or by typing it.

#include "situation/Ports.h"

#include <QDialog>

#include <optional>

class QLabel;
class QPushButton;
class QSlider;
class QSpinBox;

namespace tumbla {

class GoToPositionDialog : public QDialog {
    Q_OBJECT
  public:
    explicit GoToPositionDialog(Messages& messages, QWidget* parent = nullptr);

    // Prepares the controls for the last recorded position L (at least 2):
    // both start at L div 2.
    void setLastPosition(int last);
    int lastPosition() const { return last_; }

    QSlider* slider() const { return slider_; }
    QSpinBox* numberField() const { return field_; }
    QLabel* leftLabel() const { return leftLabel_; }
    QLabel* rightLabel() const { return rightLabel_; }
    QPushButton* okButton() const { return ok_; }

    // The position chosen by the last OK; nothing after a close without OK.
    std::optional<int> chosenPosition() const { return chosen_; }

    // Sets the controls for L and shows the window modally.
    std::optional<int> ask(int last);

  private:
    void confirm();

    Messages& messages_;
    QSlider* slider_;
    QSpinBox* field_;
    QLabel* leftLabel_;
    QLabel* rightLabel_;
    QPushButton* ok_;
    int last_ = 2;
    std::optional<int> chosen_;
};

} // namespace tumbla
