// The windows of the results and the demo: the end of a game and the
// ranking, the hall of fame, the copy and the mail of competition results.

#include "ui/mainwindow/GameWindow.h"

#include "situation/Blanks.h"
#include "ui/board/DemoMode.h"
#include "ui/platform/DesktopDocumentOpener.h"
#include "ui/platform/WindowPlacement.h"
#include "ui/sound/SoundPlayer.h"
#include "ui/windows/CopyWindow.h"
#include "ui/windows/EndGameWindow.h"
#include "ui/windows/HallOfFameWindow.h"

#include <QAction>

namespace tumbla {

void GameWindow::connectResultWindows() {
    demo_ = new DemoMode(*game_, board_, this);
    connect(demo_, &DemoMode::captionChanged, this, &QWidget::setWindowTitle);
    // The indicators follow PutSettingsInForce; the score fields are shown anew.
    connect(demo_, &DemoMode::settingsChanged, this,
            [this] { game_->ShowScoreFields(game_->Current()); });

    connect(this, &GameWindow::gameOverShown, this, &GameWindow::showEndOfGame);
}

SoundPlayer* GameWindow::soundPlayer() {
    // The glass sound and the end window share it; it touches nothing of the
    // sound system before its first clip.
    if (!sound_) {
        sound_ = new SoundPlayer(this);
        sound_->setSoundOn(game_->Settings().Zvuk != 0);
    }
    return sound_;
}

QString GameWindow::koruAbbreviation() const {
    const std::string_view name = TrimBlanks(settingsState_.koruName);
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

void GameWindow::showEndOfGame() {
    // The demo's own game ends quietly.
    if (demo_->isRunning()) return;
    EndGameWindow* window = windows_->get<EndGameWindow>();
    window->setAbbreviation(koruAbbreviation());
    window->execEndMode();
}

void GameWindow::showRanking() {
    EndGameWindow* window = windows_->get<EndGameWindow>();
    window->setAbbreviation(koruAbbreviation());
    window->execRankingMode();
}

void GameWindow::saveForKoru() {
    // The name may have changed in the settings since the last save.
    EndGameWindow* window = windows_->get<EndGameWindow>();
    window->setAbbreviation(koruAbbreviation());
    window->saveWithCompetitionName();
}

void GameWindow::openHallOfFame() {
    const std::optional<GameSettings> taken = windows_->get<HallOfFameWindow>()->execList();
    if (!taken) return;
    // The settings carry their situation number, so this is that game again.
    game_->PutSettingsInForce(*taken);
    game_->NewSituation();
    game_->ShowScoreFields(game_->Current());
}

void GameWindow::copyKoruFiles() {
    windows_->get<CopyWindow>()->execCopy();
}

void GameWindow::openKoruMail() {
    OpenCompetitionForm(options_.folders.resources, messages_);
}

void GameWindow::toggleDemo() {
    demo_->toggle(windowTitle());
}

} // namespace tumbla
