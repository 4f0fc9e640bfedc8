#pragma once
// "značky:": the marks of the game, to go to one or delete some. The window
// only mirrors a MarksDialog; the game writes the list back when it closes.

#include "record/MarksDialog.h"

#include <QDialog>

#include <optional>
#include <vector>

class QListWidget;
class QToolButton;

namespace tumbla {

class MarksWindow : public QDialog {
    Q_OBJECT
  public:
    explicit MarksWindow(QWidget* parent = nullptr);

    // Fills the list from the marks; the dialog must outlive the showing.
    void setMarks(MarksDialog& marks);
    // Shows the window modally; the position to go to, if one was chosen.
    std::optional<int> ask(MarksDialog& marks);

    std::optional<int> chosenPosition() const { return chosen_; }
    QListWidget* list() const { return list_; }
    QToolButton* goButton() const { return go_; }
    QToolButton* deleteButton() const { return delete_; }
    QToolButton* deleteAllButton() const { return deleteAll_; }

  signals:
    // The list changed; the marks as the list holds them should be written back.
    void marksChanged();

  protected:
    void changeEvent(QEvent* event) override;

  private:
    std::vector<int> selectedRows() const;
    void refill();
    void goToPosition();
    void deleteSelected();
    void deleteEverything();

    MarksDialog* marks_ = nullptr;
    QListWidget* list_;
    QToolButton* go_;
    QToolButton* delete_;
    QToolButton* deleteAll_;
    std::optional<int> chosen_;
};

} // namespace tumbla
