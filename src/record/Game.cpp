#include "record/Game.h"

#include "engine/EndTest.h"
#include "engine/Groups.h"
#include "engine/PlayMove.h"
#include "situation/Generator.h"
#include "situation/Presets.h"
#include "situation/SettingsCode.h"

#include <new>
#include <string>
#include <type_traits>

namespace tumbla {

namespace {

// Positions that calloc may hand out as they are: objects of such a type come
// to life in the memory, and a new one is all zeros (a test holds the latter).
static_assert(std::is_aggregate_v<MoveRecord> && std::is_trivially_copyable_v<MoveRecord>);

MoveRecord* ZeroedHistory(std::size_t positions) {
    void* memory = std::calloc(positions, sizeof(MoveRecord));
    if (!memory) throw std::bad_alloc();
    return static_cast<MoveRecord*>(memory);
}

} // namespace

Game::Game(GameView& view, Messages& messages)
    : view_(view), messages_(messages), rules_(RulesFromSettings(settings_)),
      history_(ZeroedHistory(HistorySize + 1)) {}

void Game::PutSettingsInForce(const GameSettings& settings) {
    settings_ = settings;
    NormaliseForForce(settings_);
    rules_ = RulesFromSettings(settings_);
    view_.showSettingsInForce(settings_);
}

void Game::SetSituationNumber(std::int32_t number) {
    settings_.BeginNumber = number;
}

void Game::NewSituation() {
    current_ = 1;
    last_ = 1;
    DiscardHintList();
    RefreshNavigation();

    const std::int32_t number = ResolveSituationNumber(settings_, rng_);
    view_.showSituation(number, SettingsCodeFromSettings(settings_));
    if (nextMoveShown_) HideShownMove();

    const GeneratedSituation generated = GenerateBoard(settings_, rng_);
    // Only the stones are new: the move recorded from position 1 of a game
    // being loaded stays, so that it can be redone and shown after loading.
    MoveRecord& first = At(1);
    first.board = generated.position.board;
    first.Gravity = GravityDown;
    layout_ = FieldLayout{rules_.rows, rules_.cols, static_cast<std::uint8_t>(rules_.directions),
                          generated.transformerRow, generated.transformerCol};
    view_.showNewField(layout_, first.board);

    gameOver_ = false;
    first.TotalScore = 0;
    first.Removed = 0;
    first.Points = 0;
    first.GlassBroken = 0;
    ClearMarks();
    view_.showScoreFields(ScoreFields{"0", "0", "0"});
    view_.showMoveCounter(0);
    RefreshLock(1);
    ShowStoneCounts(first);
}

MoveOutcome Game::MakeMove(int row, int col) {
    if (nextMoveShown_) HideShownMove();
    // The window never sends these; a caller that does must not reach outside the field.
    if (row < 0 || col < 0 || row > MaxRows || col > MaxCols) return MoveOutcome::Refused;
    if (row == 0 ? col > GravityRight : col == 0) return MoveOutcome::Refused;
    const Move move{static_cast<std::uint8_t>(row), static_cast<std::uint8_t>(col)};

    // Clicking the move recorded from here steps forward and keeps the moves after it.
    {
        const MoveRecord& from = At(current_);
        if (current_ < last_ && (row == 0 || from.board.at(row, col) != StoneEmpty) &&
            IsSameRecordedMove(from, rules_, move, Move{from.MoveRow, from.MoveCol})) {
            ++current_;
            DiscardHintList();
            ShowMoveCounter();
            ShowPosition(At(current_), At(current_ - 1));
            if (!displaySuppressed_) view_.showMoveMade(At(current_ - 1), At(current_));
            RefreshLock(current_);
            RefreshNavigation();
            return MoveOutcome::Redone;
        }
    }
    // The history holds 1000 positions; there is no room for another.
    if (current_ >= HistorySize) return MoveOutcome::Refused;
    if (row == 0 && current_ >= 2 && At(current_ - 1).MoveRow == 0) return MoveOutcome::Refused;
    if (!IsMoveValid(At(current_), rules_, engine_, move)) return MoveOutcome::Refused;

    At(current_).MoveRow = move.row;
    At(current_).MoveCol = move.col;
    ++current_;
    DiscardHintList();
    ShowMoveCounter();
    last_ = current_;
    DropMarksFrom(current_);

    MoveRecord& to = At(current_);
    to = At(current_ - 1);
    RefreshNavigation();
    const MoveEffects effects = PlayMove(to, rules_, engine_, move);
    ShowPosition(to, At(current_ - 1));
    if (!displaySuppressed_) view_.showMoveMade(At(current_ - 1), to);
    if (effects.glassSound) view_.playGlassSound();
    RefreshLock(current_);

    if (IsGameOver(to, rules_, engine_, nullptr)) {
        engine_.MoveLock = true;
        view_.showLock(true, to.Gravity);
        gameOver_ = true;
        view_.showGameOver();
    }
    return MoveOutcome::Performed;
}

bool Game::GravityButtonEnabled(int direction) const {
    if (direction < GravityDown || direction > GravityRight) return false;
    return (rules_.directions & (1 << direction)) != 0 && !engine_.MoveLock && !gameOver_ &&
           direction != Current().Gravity;
}

MoveOutcome Game::Click(Move move) {
    if (move.isGravityChange()) {
        if (!GravityButtonEnabled(move.col)) return MoveOutcome::Refused;
    } else if (move.row > rules_.rows || move.col < 1 || move.col > rules_.cols) {
        return MoveOutcome::Refused;
    }
    return MakeMove(move.row, move.col);
}

MovePreview Game::PreviewClick(Move move) const {
    if (move.isGravityChange()) {
        if (!GravityButtonEnabled(move.col)) return {};
        if (current_ >= 2 && Position(current_ - 1).MoveRow == 0) return {};
    } else if (move.row > rules_.rows || move.col < 1 || move.col > rules_.cols) {
        return {};
    }
    const MoveRecord& from = Current();
    // A click that repeats the recorded move steps forward to the position it made.
    const bool redo = current_ < last_ &&
                      (move.row == 0 || from.board.at(move.row, move.col) != StoneEmpty) &&
                      IsSameRecordedMove(from, rules_, move, Move{from.MoveRow, from.MoveCol});
    if (!redo && current_ >= HistorySize) return {};
    return PreviewMove(from, rules_, engine_, move);
}

void Game::RefreshLock(int k) {
    if (gameOver_) return;
    if (k == 1) {
        engine_.MoveLock = false;
        view_.showLock(false, GravityDown);
        return;
    }
    const MoveRecord& rec = Position(k);
    engine_.MoveLock = rec.Removed == 0;
    view_.showLock(engine_.MoveLock, rec.Gravity);
}

void Game::ShowPosition(const MoveRecord& target, const MoveRecord& shown) {
    if (displaySuppressed_) return;
    if (nextMoveShown_) HideShownMove();
    // Against the fall: stones are drawn in the order they would come to rest.
    const bool backwards = target.Gravity == GravityUp || target.Gravity == GravityRight;
    for (int i = 1; i <= rules_.rows; ++i) {
        const int r = backwards ? rules_.rows + 1 - i : i;
        for (int j = 1; j <= rules_.cols; ++j) {
            const int c = backwards ? rules_.cols + 1 - j : j;
            if (target.board.at(r, c) != shown.board.at(r, c))
                view_.showCell(r, c, target.board.at(r, c));
        }
    }
    view_.showGravity(shown.Gravity, target.Gravity);
    ShowScoreFields(target);
    ShowStoneCounts(target);
}

void Game::ShowScoreFields(const MoveRecord& rec) {
    if (displaySuppressed_) return;
    const std::string total = std::to_string(rec.TotalScore);
    std::string removed = std::to_string(rec.Removed);
    if (settings_.Sklo != 0) {
        // Appended piece by piece: "/" + to_string(...) inserts at the front of
        // a temporary, which GCC 12 at -O3 takes for an overlapping copy.
        removed += '/';
        removed += std::to_string(rec.GlassBroken);
    }
    const std::string points = std::to_string(rec.Points);
    view_.showScoreFields(ScoreFields{total, removed, points});
}

void Game::ShowStoneCounts(const MoveRecord& rec) {
    std::array<int, 9> counts{};
    for (int r = 1; r <= rules_.rows; ++r)
        for (int c = 1; c <= rules_.cols; ++c)
            if (rec.board.at(r, c) <= 8) ++counts[rec.board.at(r, c)];
    view_.showStoneCounts(counts);
}

void Game::InstallSavedGame(const GameSettings& settings, const std::vector<MoveRecord>& records) {
    const int p = static_cast<int>(records.size());
    if (p < 1 || p > HistorySize) return; // the reader refuses such files first
    PutSettingsInForce(settings);
    for (int k = 1; k <= p; ++k) At(k) = records[static_cast<std::size_t>(k - 1)];
    NewSituation();

    current_ = p;
    DiscardHintList();
    last_ = p;
    DropMarksFrom(last_);
    RefreshNavigation();
    ShowPosition(At(p), At(1));
    RefreshLock(p);
    view_.showSettingsInForce(settings_);
    ShowScoreFields(At(p));
    ShowMoveCounter();
}

} // namespace tumbla
