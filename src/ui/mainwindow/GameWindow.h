#pragma once
// The game window: menu, toolbar, the playing area, the score panel on the
// right and the indicator panel below. It holds the one game of the program,
// forwards clicks and commands to it and draws what the game asks for.

#include "record/Game.h"
#include "record/GameView.h"
#include "record/Search.h"
#include "situation/IniFileStore.h"
#include "situation/SettingsDialogState.h"
#include "situation/SettingsFileFlows.h"
#include "ui/board/BoardLayout.h"
#include "ui/mainwindow/CommandTable.h"
#include "ui/mainwindow/SecondaryWindows.h"
#include "ui/platform/GameFolders.h"
#include "ui/platform/MessageBoxes.h"

#include <QMainWindow>

#include <array>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QToolButton;

namespace tumbla {

class AdviceFlow;
class AnalysisWindow;
class BoardWidget;
class DemoMode;
class HeadStrip;
class SituationNumberDialog;
class CopyWindow;
class EndGameWindow;
class SearchWindow;
class StoneCountsWindow;
class GoToPositionDialog;
class SettingsDialog;
class HallOfFameWindow;
class MarksWindow;
class HelpWindow;
class SoundPlayer;

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
    void showRules();
    void showAbout();
    void nextHint();
    // The windows of the commands, as the menu and the toolbar open them.
    void openSettingsDialog();
    void chooseSituationNumber();
    void goToPosition();
    void workWithMarks();
    void showScoreTable();
    void showScoreGraph();
    void showStoneCountsWindow();
    void startSearch();
    // The advisor: its move for the position on the board, and the analysis
    // of the whole game.
    void adviseMove();
    void showAnalysis();
    // The windows of the results and the demo.
    void showEndOfGame();
    void showRanking();
    void saveForKoru();
    void openHallOfFame();
    void copyKoruFiles();
    void openKoruMail();
    void toggleDemo();

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
    void buildMenus();
    void buildToolBar();
    QWidget* buildScorePanel();
    QWidget* buildIndicatorPanel();
    QAction* makeAction(Command command, const QString& caption, const QString& hint = {});
    void onCellHovered(Move cell);
    // The "pozice:" field for the cell under the pointer or the keyboard cursor.
    void showPositionOf(Move cell);
    void applyPreset(int level);
    bool loadFile(const std::string& path);
    bool applySettingsFile(const std::string& path);
    void saveGame();
    void openSavedFile();
    void restoreGeometry();
    void storeGeometry();
    void fitToField();
    // The preview of the cell under the mouse, or else under the keyboard cursor.
    void refreshPreview();
    void refreshPreviewSoon();
    // "sesypávat" and the preview, as the settings dialog's controls hold them.
    void takeDisplayOptions();
    void connectDialogs();
    void connectResultWindows();
    void connectAdvice();
    // The analysis window, as its factory entry makes it.
    AnalysisWindow* makeAnalysisWindow();
    // What the first paint does not need: made once the window is shown.
    void finishPanels();
    SoundPlayer* soundPlayer();
    // The KORU "Name" of the settings, as the competition name abbreviates it.
    QString koruAbbreviation() const;
    // The factory entries of the secondary windows.
    void addWindows();
    void previewBackColour(const QColor& colour);
    void previewHeadColour(const QColor& colour);
    void setUpStoneCountsWindow();
    SettingsFlowContext settingsFlow();
    void refreshGameOverNote();

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
    std::map<QString, QLabel*> labels_; // value fields by name
    std::vector<QLabel*> scoreValues_;  // in bold once the window is shown
    std::map<QString, QLineEdit*> edits_;
    QLabel* joker_ = nullptr;
    QLabel* jokerLabel_ = nullptr;
    QLabel* glass_ = nullptr;
    QLabel* glassLabel_ = nullptr;
    QLabel* join_ = nullptr;
    QLabel* marks_ = nullptr;
    QLabel* hintCounter_ = nullptr;
    QToolButton* hintButton_ = nullptr;
    SoundPlayer* sound_ = nullptr; // made on the first clip
    QLabel* logo_ = nullptr;
    QLabel* pile_ = nullptr;
    std::array<int, 9> stoneCounts_{};
    AdviceFlow* advice_ = nullptr; // in the indicator panel
    DemoMode* demo_ = nullptr;
    SearchMemory searchMemory_; // the best of the whole run
    QString startDirectory_;    // the current directory at start, where the copy window begins
    bool firstActivationPending_ = true;

    // The window follows the field at the cell size the player last gave it
    // by resizing the window; a size that differs from the one asked for is
    // the player's.
    int preferredCell_ = 0;
    QSize fittedSize_;
    bool sizeRestored_ = false; // the stored size stands until the first field is in
    bool fitting_ = false;

    bool previewOn_ = true;
    bool fallOn_ = false;
    Move hoveredCell_;         // row 0: the mouse is over no cell
    Move cursorCell_;          // row 0: the keyboard cursor is on no cell
    bool cursorNewer_ = false; // the cursor moved since the mouse did
    bool previewRefreshPending_ = false;

    // Last, so that the windows go before the members they were given.
    std::unique_ptr<SecondaryWindows> windows_;
};

} // namespace tumbla
