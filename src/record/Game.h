#pragma once
// The one game of the running program: the settings in force, every position
// reached, where the player stands, the marks, the hint's candidates and the
// engine state. The window forwards clicks and commands here and draws what
// the game asks of it through `GameView`.

#include "engine/GameSettings.h"
#include "engine/MovePreview.h"
#include "engine/MoveRecord.h"
#include "engine/Rules.h"
#include "record/GameView.h"
#include "record/MarkStack.h"
#include "record/MarksDialog.h"
#include "situation/Ports.h"
#include "situation/Random.h"

#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace tumbla {

enum class MoveOutcome { Refused, Redone, Performed };

class Game {
  public:
    static constexpr int HistorySize = 1000;

    Game(GameView& view, Messages& messages);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // --- Settings and new situations
    const GameSettings& Settings() const { return settings_; }
    const Rules& CurrentRules() const { return rules_; }
    // Takes `settings` as the settings in force (rocks forbid closing up) and
    // shows what the window derives from them. The board stays as it is.
    void PutSettingsInForce(const GameSettings& settings);
    // 0 asks the next new situation to draw its number.
    void SetSituationNumber(std::int32_t number);
    // A new game from the situation number and the settings in force.
    void NewSituation();
    Random& Generator() { return rng_; }
    int TransformerRow() const { return layout_.transformerRow; }
    int TransformerCol() const { return layout_.transformerCol; }

    // --- The history
    int CurrentPosition() const { return current_; }
    int LastPosition() const { return last_; }
    // Position k, 1..1000.
    const MoveRecord& Position(int k) const { return history_[static_cast<std::size_t>(k)]; }
    const MoveRecord& Current() const { return Position(current_); }
    bool GameOver() const { return gameOver_; }
    bool MoveLock() const { return engine_.MoveLock; }
    const EngineState& Engine() const { return engine_; }

    // --- The move
    // A click on a cell (row 1..15, col 1..25) or a gravity button (row 0,
    // col = direction). A refused click changes and shows nothing.
    MoveOutcome MakeMove(int row, int col);
    // Whether the gravity button of `direction` can be clicked now.
    bool GravityButtonEnabled(int direction) const;
    // A click as the window delivers it: only cells in force and gravity
    // buttons that can be clicked reach `MakeMove`.
    MoveOutcome Click(Move move);
    // What `Click(move)` would take and score now; nothing when it would be
    // refused. The game does not change.
    MovePreview PreviewClick(Move move) const;

    // --- Navigation
    void GoToStart();
    void StepBack();
    void StepForward();
    void GoToLast();
    // `choosePosition` is the go-to-position dialog: a number 1..L or nothing.
    void GoToPosition(const std::function<std::optional<int>()>& choosePosition);
    void ShowNextMove();
    // Going to position q from the dialog or a mark.
    void JumpToPosition(int q);

    void RefreshNavigation();
    void RefreshLock(int k);
    void ShowPosition(const MoveRecord& target, const MoveRecord& shown);
    void ShowScoreFields(const MoveRecord& rec);
    void ShowMove(Move move);
    void HideShownMove();
    bool NextMoveShown() const { return nextMoveShown_; }
    Move ShownMove() const { return shownMove_; }
    void DiscardHintList() { hints_.clear(); }
    // While set (the search runs), the playing area and score fields are not redrawn.
    void SetDisplaySuppressed(bool on) { displaySuppressed_ = on; }
    bool DisplaySuppressed() const { return displaySuppressed_; }

    // --- Marks
    const MarkStack& Marks() const { return marks_; }
    void AddMark(int position);
    void DropMarksFrom(int position);
    void ClearMarks();
    void RefreshMarks();
    // The marks window's list as it stands, while the window is still open:
    // each deletion shows on the counter at once.
    void TakeMarks(const MarksDialog& dialog);
    // "P&ráce se značkami": `showDialog` runs the marks window over the dialog
    // state and returns the position chosen, if any.
    void WorkWithMarks(const std::function<std::optional<int>(MarksDialog&)>& showDialog);

    // --- Hint
    // The candidates of position P, judged after the move that produced it.
    void ComputeHintList();
    void NextHint();
    const CandidateList& HintList() const { return hints_; }
    int HintCount() const { return hints_.count; }
    int HintIndex() const { return hintIndex_; }

    // --- Loading: a saved game already checked whole. `records` holds
    // positions 1..P; position 1 is made afresh from the settings.
    void InstallSavedGame(const GameSettings& settings, const std::vector<MoveRecord>& records);

  private:
    MoveRecord& At(int k) { return history_[static_cast<std::size_t>(k)]; }
    void ShowMoveCounter() { view_.showMoveCounter(current_ - 1); }
    void ShowStoneCounts(const MoveRecord& rec);
    // Refuses the messages of StepBack, GoToStart and GoToPosition.
    void NoMoveYet();

    GameView& view_;
    Messages& messages_;
    GameSettings settings_;
    Rules rules_;
    Random rng_;
    FieldLayout layout_;

    // Index 0 unused, 1..1000. Zeroed pages from the system, which a new
    // MoveRecord is bit for bit: a game touches only the positions it reaches.
    struct FreeHistory {
        void operator()(MoveRecord* history) const { std::free(history); }
    };
    std::unique_ptr<MoveRecord[], FreeHistory> history_;
    int current_ = 1;
    int last_ = 1;
    bool gameOver_ = false;
    EngineState engine_;

    MarkStack marks_;
    CandidateList hints_;
    int hintIndex_ = 0; // wide: a list may hold more candidates than a byte counts

    bool nextMoveShown_ = false;
    Move shownMove_;
    bool displaySuppressed_ = false;
};

} // namespace tumbla
