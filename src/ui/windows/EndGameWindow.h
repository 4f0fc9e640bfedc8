#pragma once
// The end-of-game window: the result of a game that is over, its rank among
// the stored results of the same game and the name to store it under (end
// mode), or only the ranking of the game in force (ranking mode).

#include "results/EndGameSession.h"
#include "results/HallOfFame.h"
#include "results/SystemIdentity.h"

#include <QDialog>
#include <QRect>

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QTimer;

namespace tumbla {

class FileChooser;
class Game;
class Messages;
class SoundPlayer;

class EndGameWindow : public QDialog {
    Q_OBJECT
  public:
    EndGameWindow(Messages& messages, FileChooser& chooser, QWidget* parent = nullptr);
    ~EndGameWindow() override;

    // Where Tumbla.Fam lives and where the save dialogs start.
    void setProgramDirectory(const std::filesystem::path& directory);
    // The game whose result is shown and saved.
    void setGame(const Game* game);
    // The abbreviation of the KORU tab and this computer, for the competition name.
    void setAbbreviation(const QString& abbreviation);
    void setSystemIdentity(const SystemIdentity* identity);
    // Plays the end sound on every showing while the game's "zvuk" is on.
    void setSoundPlayer(SoundPlayer* player);
    // What the end window must leave in view (the stones left), in screen
    // coordinates: it opens beside the game window where the screen has
    // room, else over the board's empty part.
    void setKeepInView(std::function<std::vector<QRect>()> keep);

    // Shown modally; they return when the window is closed.
    void execEndMode();
    void execRankingMode();
    // The same without waiting: fill the window for a mode and show it.
    void prepare(EndGameMode mode);

    // The save under the competition name; the main menu's "ulož ve tvaru
    // pro KORU" runs it too. The file written, if any.
    std::optional<std::string> saveWithCompetitionName();
    std::optional<std::string> saveFinishedGame();

    const EndGameSession& session() const { return session_; }
    QString nameLabelText() const;
    QString pointsText() const;
    QString rowText(int row, int column) const;
    QString detailText(int index) const;
    bool animationRunning() const;
    QCheckBox* switchBox(int index) const { return switches_[static_cast<std::size_t>(index)]; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* backButton() const { return back_; }
    QPushButton* saveButton() const { return save_; }
    QPushButton* competitionButton() const { return saveKoru_; }
    QPushButton* analysisButton() const { return analysis_; }

  signals:
    // "Rozbor hry": the window has closed and the game's analysis is wanted.
    void analysisRequested();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void done(int result) override;

  private:
    void build();
    void applyMode();
    void placeBesideOwner();
    std::function<std::vector<QRect>()> keepInView_;
    void fillPanel();
    void fillTable();
    void refreshName();
    void switchClicked();
    void confirmWithOk();
    void nextFrame();
    HallOfFame hall() const;

    Messages& messages_;
    FileChooser& chooser_;
    std::filesystem::path directory_;
    const Game* game_ = nullptr;
    QString abbreviation_;
    const SystemIdentity* identity_ = nullptr;
    std::unique_ptr<SystemIdentity> ownIdentity_;
    SoundPlayer* sound_ = nullptr;
    EndGameSession session_;

    QLabel* heading_ = nullptr;
    QLabel* headingPicture_ = nullptr;
    QLabel* otherPicture_ = nullptr;
    QLabel* points_ = nullptr;
    QLabel* animation_ = nullptr;
    QLabel* nameCaption_ = nullptr;
    QLabel* name_ = nullptr;
    std::array<QLabel*, 11> details_{};
    std::array<QCheckBox*, 3> switches_{}; // join, gravity, situation number
    QTableWidget* table_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* saveKoru_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* analysis_ = nullptr;
    QTimer* animationTimer_ = nullptr;
    int frame_ = 0;
};

} // namespace tumbla
