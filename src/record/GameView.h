#pragma once
// What the game asks the main window to show. The window implements it and
// only draws; tests record the calls. Every request is named after what the
// player sees, and the game decides when it is made.

#include "engine/GameSettings.h"
#include "engine/MoveRecord.h"

#include <array>
#include <string_view>

namespace tumbla {

// The four number fields under the playing area, already as their texts.
struct ScoreFields {
    std::string_view total;   // "aktuální bodový stav"
    std::string_view removed; // "počet zrušených kamenů", with "/glass" when glass is in play
    std::string_view points;  // "bodový zisk v tomto tahu"
};

// Which navigation controls (button and menu item alike) can be used.
struct NavigationState {
    bool forward = false;  // StepForward and GoToLast
    bool backward = false; // GoToStart and StepBack
    bool goToPosition = false;
    bool showNextMove = false;
    bool operator==(const NavigationState&) const = default;
};

// The marks counter "[n]" and the two mark commands.
struct MarksState {
    int count = 0;
    bool counterVisible = false; // also enables "P&ráce se značkami"
    bool addEnabled = true;      // "&Přidej značku"
    bool operator==(const MarksState&) const = default;
};

// A new field: its size, which gravity buttons exist, and where the
// transformer stands (for its game-over picture; 0 when there is none).
struct FieldLayout {
    int rows = 0;
    int cols = 0;
    std::uint8_t directions = 0;
    int transformerRow = 0;
    int transformerCol = 0;
};

class GameView {
  public:
    virtual ~GameView() = default;

    // The settings in force: joker and glass indicators, join direction,
    // rating name, background colour.
    virtual void showSettingsInForce(const GameSettings& settings) = 0;
    // A new situation: lay the window out for the field, show its gravity
    // buttons, and draw every cell in force of `board`.
    virtual void showNewField(const FieldLayout& layout, const Board& board) = 0;
    // The situation number and the settings code fields.
    virtual void showSituation(std::int32_t number, std::string_view settingsCode) = 0;

    // One cell whose stone changed; calls come in the order the redraw walks.
    virtual void showCell(int row, int col, StoneCode code) = 0;
    // A click has just made or redone the move recorded in `from` (`MoveRow`,
    // `MoveCol`), which led to `to`; its cells have been shown already. A view
    // may show the move in motion; navigation never comes here.
    virtual void showMoveMade(const MoveRecord& /*from*/, const MoveRecord& /*to*/) {}
    // The gravity indicator moves from one direction to another.
    virtual void showGravity(int from, int to) = 0;
    virtual void showScoreFields(const ScoreFields& fields) = 0;
    // The stone-count window follows the position shown: stones of codes 0..8.
    virtual void showStoneCounts(const std::array<int, 9>& counts) = 0;
    // "pořadí právě prováděného tahu": the number of moves made, P - 1.
    virtual void showMoveCounter(int moves) = 0;
    virtual void showNavigation(const NavigationState& state) = 0;
    // Unlocked: every gravity button but the one of `gravity` can be clicked.
    // Locked: none can, and the transformer shows its disabled picture.
    virtual void showLock(bool locked, int gravity) = 0;
    // The shown move: a raised cell, or the arrow of a gravity button (row 0).
    virtual void showMoveMark(Move move) = 0;
    virtual void hideMoveMark(Move move) = 0;
    virtual void showMarks(const MarksState& state) = 0;
    // The text beside the hint button, "i/N"; hidden when not showing a candidate.
    virtual void showHintCounter(std::string_view text) = 0;
    virtual void hideHintCounter() = 0;
    virtual void playGlassSound() = 0;
    // The game has just ended by a move; the window opens the end-of-game window.
    virtual void showGameOver() = 0;
};

// A view that shows nothing: for replays and the command-line tool.
class SilentGameView : public GameView {
  public:
    void showSettingsInForce(const GameSettings&) override {}
    void showNewField(const FieldLayout&, const Board&) override {}
    void showSituation(std::int32_t, std::string_view) override {}
    void showCell(int, int, StoneCode) override {}
    void showGravity(int, int) override {}
    void showScoreFields(const ScoreFields&) override {}
    void showStoneCounts(const std::array<int, 9>&) override {}
    void showMoveCounter(int) override {}
    void showNavigation(const NavigationState&) override {}
    void showLock(bool, int) override {}
    void showMoveMark(Move) override {}
    void hideMoveMark(Move) override {}
    void showMarks(const MarksState&) override {}
    void showHintCounter(std::string_view) override {}
    void hideHintCounter() override {}
    void playGlassSound() override {}
    void showGameOver() override {}
};

} // namespace tumbla
