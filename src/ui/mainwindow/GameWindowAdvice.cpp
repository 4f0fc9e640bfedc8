// The advisor in the game window: "Rada" for the position on the board and
// "Rozbor hry" for the whole game. Both think on copies of the game; only the
// player's own commands change it.

#include "ui/mainwindow/GameWindow.h"

#include "ui/mainwindow/AdviceFlow.h"
#include "ui/mainwindow/SecondaryWindows.h"
#include "ui/windows/AnalysisWindow.h"

#include <QAction>

#include <algorithm>

namespace tumbla {

namespace {

// The analysis gives each position a quarter of the advice's time.
constexpr int AnalysisShare = 4;

} // namespace

void GameWindow::connectAdvice() {
    connect(advice_, &AdviceFlow::adviceShown, this,
            [this] { actions_.at(Command::ShowMove)->setEnabled(true); });
}

void GameWindow::adviseMove() {
    advice_->start(std::chrono::milliseconds(settingsState_.adviceTenths * 100));
}

AnalysisWindow* GameWindow::makeAnalysisWindow() {
    auto* window = new AnalysisWindow(this);
    connect(window, &AnalysisWindow::positionChosen, this, [this, window](int k) {
        // Only while the game still holds the position the row was made for.
        const SavedGame& analysed = window->game();
        if (k < 1 || k > game_->LastPosition() || k > static_cast<int>(analysed.positions.size()) ||
            !(game_->Position(k).board ==
              analysed.positions[static_cast<std::size_t>(k - 1)].board))
            return;
        game_->JumpToPosition(k);
    });
    return window;
}

void GameWindow::showAnalysis() {
    if (firstActivationPending_) return;
    // The whole game, also the moves after the position on the board.
    SavedGame whole;
    whole.settings = game_->Settings();
    for (int k = 1; k <= game_->LastPosition(); ++k) whole.positions.push_back(game_->Position(k));
    AdvisorLimits limits;
    limits.time =
        std::chrono::milliseconds(std::max(100, settingsState_.adviceTenths * 100 / AnalysisShare));
    limits.playouts = advice_->playoutBudget();
    limits.threads = limits.playouts != 0 ? 1 : AdviceFlow::Threads();
    AnalysisWindow* window = windows_->get<AnalysisWindow>();
    window->analyse(std::move(whole), limits);
    window->activateWindow();
}

} // namespace tumbla
