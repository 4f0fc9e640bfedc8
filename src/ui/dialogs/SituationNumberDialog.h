#pragma once
// "zadání čísla situace:": the player types the number of the situation to
// generate. The typed text stays for the next showing.

#include "situation/Ports.h"

#include <QDialog>

#include <cstdint>
#include <optional>

class QLineEdit;
class QPushButton;

namespace tumbla {

class SituationNumberDialog : public QDialog {
    Q_OBJECT
  public:
    explicit SituationNumberDialog(Messages& messages, QWidget* parent = nullptr);

    QLineEdit* numberField() const { return field_; }
    QPushButton* okButton() const { return ok_; }
    // The number accepted by the last OK; nothing after a close without OK.
    std::optional<std::int32_t> chosenNumber() const { return chosen_; }

    // Clears the previous answer and shows the window modally; the number
    // when the player confirmed one, nothing when the window was closed.
    std::optional<std::int32_t> ask();

  signals:
    // Sent at the moment of OK, so the main window shows it before generating.
    void numberChosen(qint32 number);

  private:
    void confirm();

    Messages& messages_;
    QLineEdit* field_;
    QPushButton* ok_;
    std::optional<std::int32_t> chosen_;
};

} // namespace tumbla
