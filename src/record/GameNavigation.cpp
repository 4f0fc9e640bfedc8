#include "record/Game.h"

namespace tumbla {
namespace {
constexpr std::string_view NoMoveYetText = "Ještě jste žádný tah neprovedl!";
}

void Game::NoMoveYet() {
    messages_.showPlain(NoMoveYetText);
}

void Game::GoToStart() {
    if (current_ <= 1) return NoMoveYet();
    gameOver_ = false;
    ShowPosition(At(1), At(current_));
    current_ = 1;
    RefreshLock(1);
    DiscardHintList();
    RefreshNavigation();
    view_.showMoveCounter(0);
}

void Game::StepBack() {
    if (current_ < 2) return NoMoveYet();
    --current_;
    DiscardHintList();
    gameOver_ = false;
    RefreshNavigation();
    ShowMoveCounter();
    ShowPosition(At(current_), At(current_ + 1));
    RefreshLock(current_);
}

void Game::StepForward() {
    if (current_ >= last_) return;
    ++current_;
    DiscardHintList();
    ShowPosition(At(current_), At(current_ - 1));
    RefreshLock(current_);
    RefreshNavigation();
    ShowMoveCounter();
}

void Game::GoToLast() {
    if (current_ >= last_) return;
    ShowPosition(At(last_), At(current_));
    current_ = last_;
    DiscardHintList();
    RefreshLock(last_);
    RefreshNavigation();
    ShowMoveCounter();
}

void Game::GoToPosition(const std::function<std::optional<int>()>& choosePosition) {
    if (last_ < 2) return NoMoveYet();
    const std::optional<int> q = choosePosition();
    if (q) JumpToPosition(*q);
}

void Game::JumpToPosition(int q) {
    if (q < 1 || q > last_ || q == current_) return;
    view_.showMoveCounter(q - 1);
    gameOver_ = false;
    ShowPosition(At(q), At(current_));
    current_ = q;
    RefreshLock(q);
    DiscardHintList();
    RefreshNavigation();
}

void Game::ShowNextMove() {
    if (current_ >= last_) return;
    if (nextMoveShown_) return StepForward();
    ShowMove(Move{At(current_).MoveRow, At(current_).MoveCol});
}

void Game::RefreshNavigation() {
    NavigationState state;
    state.forward = current_ != last_ && last_ != 1;
    state.backward = current_ != 1;
    state.goToPosition = last_ != 1;
    state.showNextMove = current_ < last_;
    view_.showNavigation(state);
}

void Game::ShowMove(Move move) {
    view_.showMoveMark(move);
    shownMove_ = move;
    nextMoveShown_ = true;
}

void Game::HideShownMove() {
    const bool wasShown = nextMoveShown_;
    nextMoveShown_ = false;
    view_.hideHintCounter();
    if (wasShown) view_.hideMoveMark(shownMove_);
}

void Game::AddMark(int position) {
    if (marks_.add(position)) RefreshMarks();
}

void Game::DropMarksFrom(int position) {
    if (marks_.dropFrom(position)) RefreshMarks();
}

void Game::ClearMarks() {
    marks_.clear();
    RefreshMarks();
}

void Game::RefreshMarks() {
    MarksState state;
    state.count = marks_.count();
    state.counterVisible = marks_.count() > 0;
    state.addEnabled = marks_.count() < MarkStack::Capacity;
    view_.showMarks(state);
}

void Game::TakeMarks(const MarksDialog& dialog) {
    dialog.writeBack(marks_);
    RefreshMarks();
}

void Game::WorkWithMarks(const std::function<std::optional<int>(MarksDialog&)>& showDialog) {
    MarksDialog dialog(
        marks_, [this](int k) { return k >= 1 && k <= HistorySize ? Position(k).TotalScore : 0; });
    const std::optional<int> chosen = showDialog(dialog);
    // Closing the window writes the list back, sorted and without the deleted lines.
    TakeMarks(dialog);
    if (chosen) JumpToPosition(*chosen);
}

} // namespace tumbla
