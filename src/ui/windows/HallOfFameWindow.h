#pragma once
// "    přehled všech výsledků:": every stored result, sorted by the key order
// the player arranges and filtered by the settings boxes; a result can be
// deleted, all can be, and the settings of one taken over into a new game.

#include "results/FameList.h"
#include "results/FameListState.h"
#include "results/HallOfFame.h"

#include <QDialog>

#include <array>
#include <filesystem>
#include <optional>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;
class QTreeView;

namespace tumbla {

class FameListModel;
class Messages;

class HallOfFameWindow : public QDialog {
    Q_OBJECT
  public:
    explicit HallOfFameWindow(Messages& messages, QWidget* parent = nullptr);

    void setProgramDirectory(const std::filesystem::path& directory);
    // False when the start-up probe found the directory read-only.
    void setIniWritable(bool writable) { iniWritable_ = writable; }

    // Shown modally; the settings taken over, or nothing when simply closed.
    std::optional<GameSettings> execList();
    // Fills the list as an opening does (for showing without waiting).
    void prepare();
    std::optional<GameSettings> takenSettings() const { return taken_; }

    // What the controls do, for the controls and for tests.
    void sortList();                                       // "seřaď"
    void toggleAllFilters();                               // "+/-"
    bool dropKey(std::size_t dragged, std::size_t target); // drag & drop of key labels
    void takeOver();                                       // "převezmi nastavení"
    void deleteSelected();                                 // "zruš označenou položku"
    void deleteAll();                                      // "zruš vše"
    void selectRow(int row);

    const FameListState& state() const { return state_; }
    int rowCount() const;
    QString cellText(int row, int column) const;
    std::optional<std::size_t> selectedRecord() const;
    // The selected row's record as the list read it.
    std::optional<FameSelection> selection() const;
    QString detailText(int index) const;
    QCheckBox* filterBox(int index) const { return filters_[static_cast<std::size_t>(index)]; }
    QLabel* keyLabel(int index) const { return keys_[static_cast<std::size_t>(index)]; }

  signals:
    // "převezmi nastavení": the main window generates that situation again.
    void settingsTakenOver(const tumbla::GameSettings& settings);

  private:
    void build();
    void showKeys();
    void readFilters();
    void showDetails();

    Messages& messages_;
    std::filesystem::path directory_;
    bool iniWritable_ = true;
    FameListState state_;
    FameListing listing_;
    std::optional<GameSettings> taken_;

    QTreeView* list_ = nullptr;
    FameListModel* model_ = nullptr;
    std::array<QLabel*, 5> keys_{};
    std::array<QCheckBox*, 10> filters_{};
    std::array<QLabel*, 10> details_{};
};

} // namespace tumbla
