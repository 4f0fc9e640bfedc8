#pragma once
// The windows of play that the game window's commands open: the saved games,
// the settings dialog and the settings files, the situation number, going to a position,
// the marks, the stone counts, the search, the two score views, the analysis
// of the game, the rules and the about box. Each kept window has its factory
// entry here.

#include "record/Search.h"
#include "situation/SettingsFileFlows.h"
#include "ui/mainwindow/WindowParts.h"

#include <QColor>

#include <array>
#include <cstdint>
#include <functional>

namespace tumbla {

class AdviceFlow;
class AnalysisWindow;

class PlayWindows {
  public:
    // What the game window does for them.
    struct Hooks {
        // Takes "sesypávat" and the preview as the settings dialog holds them.
        std::function<void()> takeDisplayOptions;
        // Shows the situation number before its situation is generated.
        std::function<void(std::int32_t)> showNumber;
        // Draws the board in these settings' look (the stones stay).
        std::function<void(const GameSettings&)> showLook;
    };

    // Adds the factory entries of the windows of play.
    PlayWindows(const WindowParts& parts, Hooks hooks);

    // "N&ačíst": a saved game or settings, once `mayReplace` lets the game go.
    void openSavedFile(const std::function<bool()>& mayReplace);
    // A saved game or a settings file; false when it was refused.
    bool loadFile(const std::string& path, bool atStart);
    void saveGame();
    void openSettingsDialog();
    // "&Uložená" (true) or "úlohy KORUu" (false).
    void loadSettings(bool saved);
    // A settings file opened by name; at the start it always brings a new situation.
    void applySettingsFile(const std::string& path, bool atStart);
    void chooseSituationNumber();
    void goToPosition();
    void workWithMarks();
    void showScoreTable();
    // False when the chart's plugin does not load.
    bool showScoreGraph();
    void showStoneCountsWindow();
    // The counts of the stones left, for the stone-counts window now and later.
    void showStoneCounts(const std::array<int, 9>& counts);
    // New settings are in force: the stone-counts window follows them.
    void settingsInForce();
    void startSearch();
    // "Rozbor hry": the whole game, also the moves after the position on the
    // board, with the thinking limits the advice has.
    void showAnalysis(const AdviceFlow& advice);
    // Closes the analysis once the game it was made for has been replaced.
    void dropStaleAnalysis();
    void showRules();
    void showAbout();

  private:
    SettingsFlowContext settingsFlow();
    // A row of the analysis goes to its position.
    AnalysisWindow* makeAnalysisWindow(QWidget* owner);
    // Whether the game holds position `k` of the analysed game as it was.
    bool holdsAnalysedPosition(const AnalysisWindow& window, int k) const;
    void setUpStoneCountsWindow();
    void previewHeadColour(const QColor& colour);

    WindowParts parts_;
    Hooks hooks_;
    std::array<int, 9> stoneCounts_{};
    SearchMemory searchMemory_; // the best of the whole run
};

} // namespace tumbla
