#pragma once
// The game window: menu, toolbar, the playing area, the score panel on the
// right and the indicator panel below. It holds the one game of the program,
// forwards clicks and commands to it and draws what the game asks for.

#include "record/Game.h"
#include "record/GameView.h"
#include "situation/IniFileStore.h"
#include "situation/SettingsDialogState.h"
#include "ui/board/BoardLayout.h"
#include "ui/mainwindow/CommandTable.h"
#include "ui/mainwindow/SecondaryWindows.h"
#include "ui/platform/GameFolders.h"
#include "ui/platform/MessageBoxes.h"

#include <QMainWindow>

#include <array>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QFrame;

namespace tumbla {

class AdviceFlow;
class BoardWidget;
class ClickPreview;
class DemoMode;
class GamePanels;
class HeadStrip;
class PlayWindows;
class ResultsFlow;
class SoundPlayer;
class WindowFit;

struct StartupOptions {
    GameFolders folders;                // where Tumbla.ini, the results and the shipped data are
    std::vector<std::string> arguments; // the command line without the program's name
};

class GameWindow : public QMainWindow, public GameView {
    Q_OBJECT
  public:
    explicit GameWindow(StartupOptions options, QWidget* parent = nullptr);
    ~GameWindow() override;

    // "/B" anywhere on the command line, in any case.
    static bool WantsLargeCells(const std::vector<std::string>& arguments);
    static QString Caption();

    Game& game() { return *game_; }
    BoardWidget* board() const { return board_; }
    QAction* action(Command command) const { return actions_.at(command); }
    Messages& messages() { return messages_; }
    FileChooser& files() { return files_; }
    bool firstActivationPending() const { return firstActivationPending_; }
    // The visible texts of the panels, by the name of their field.
    QString fieldText(const QString& name) const;
    // The windows kept for the whole run, each made the first time it is
    // needed, so that they cost the start nothing.
    SecondaryWindows& windows() { return *windows_; }
    AdviceFlow* adviceFlow() const { return advice_; }
    DemoMode* demo() const { return demo_; }
    SettingsDialogState& settingsDialogState() { return settingsState_; }

    // GameView
    void showSettingsInForce(const GameSettings& settings) override;
    void showNewField(const FieldLayout& layout, const Board& board) override;
    void showSituation(std::int32_t number, std::string_view settingsCode) override;
    void showCell(int row, int col, StoneCode code) override;
    void showMoveMade(const MoveRecord& from, const MoveRecord& to) override;
    void showGravity(int from, int to) override;
    void showScoreFields(const ScoreFields& fields) override;
    void showStoneCounts(const std::array<int, 9>& counts) override;
    void showMoveCounter(int moves) override;
    void showNavigation(const NavigationState& state) override;
    void showLock(bool locked, int gravity) override;
    void showMoveMark(Move move) override;
    void hideMoveMark(Move move) override;
    void showMarks(const MarksState& state) override;
    void showHintCounter(std::string_view text) override;
    void hideHintCounter() override;
    void playGlassSound() override;
    void showGameOver() override;

  public slots:
    // Creates the game and loads the file of the command line or starts a new one.
    void firstActivation();
    void bringForward();
    void runCommand(Command command);
    void nextHint();

  signals:
    void gameOverShown();   // the end-of-game window takes over
    void searchRequested(); // Alt+Shift+Backspace

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // What each command of the menus and the toolbar does.
    void addCommands();
    // True when nothing is lost by replacing the game, or the player agrees to lose it.
    bool mayReplaceGame();
    void applyPreset(int level);
    // "sesypávat" and the preview, as the settings dialog's controls hold them.
    void takeDisplayOptions();
    // The board and its area in these settings' look.
    void showLook(const GameSettings& settings);
    SoundPlayer* soundPlayer();

    StartupOptions options_;
    CellGeometry geometry_;
    MessageBoxes messages_;
    FileDialogs files_;
    IniFileStore ini_;
    SettingsDialogState settingsState_;
    std::unique_ptr<Game> game_;

    HeadStrip* headStrip_ = nullptr;
    QFrame* playArea_ = nullptr;
    BoardWidget* board_ = nullptr;
    Board shown_{};
    std::map<Command, QAction*> actions_;
    std::map<Command, std::function<void()>> commands_;
    SoundPlayer* sound_ = nullptr; // made on the first clip
    DemoMode* demo_ = nullptr;
    std::unique_ptr<GamePanels> panels_;
    AdviceFlow* advice_ = nullptr; // in the indicator panel
    std::unique_ptr<ClickPreview> preview_;
    bool firstActivationPending_ = true;

    std::unique_ptr<WindowFit> fit_;
    bool fallOn_ = false;

    std::unique_ptr<PlayWindows> play_;
    std::unique_ptr<ResultsFlow> results_;
    // Last, so that the windows go before the members they were given (the
    // search window's worker uses the run's memory of the search).
    std::unique_ptr<SecondaryWindows> windows_;
};

} // namespace tumbla
