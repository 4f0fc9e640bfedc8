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

EndGameWindow* GameWindow::endGameWindow() {
    if (endGameWindow_) return endGameWindow_;
    endGameWindow_ = new EndGameWindow(messages_, files_, this);
    endGameWindow_->setProgramDirectory(options_.folders.data);
    endGameWindow_->setGame(game_.get());
    endGameWindow_->setAbbreviation(koruAbbreviation());
    endGameWindow_->setSoundPlayer(soundPlayer());
    keepPlace(endGameWindow_, IniSection::EndGameWindow);
    return endGameWindow_;
}

HallOfFameWindow* GameWindow::hallOfFameWindow() {
    if (!hallOfFameWindow_) {
        hallOfFameWindow_ = new HallOfFameWindow(messages_, this);
        hallOfFameWindow_->setProgramDirectory(options_.folders.data);
        hallOfFameWindow_->setIniWritable(options_.folders.iniWritable);
        keepPlace(hallOfFameWindow_, IniSection::HallOfFameWindow);
    }
    return hallOfFameWindow_;
}

CopyWindow* GameWindow::copyWindow() {
    // Made when it opens: only then does it read the file system.
    if (!copyWindow_) {
        copyWindow_ = new CopyWindow(messages_, this);
        copyWindow_->setStartDirectory(startDirectory_);
        keepPlace(copyWindow_, IniSection::CopyWindow);
    }
    return copyWindow_;
}

QString GameWindow::koruAbbreviation() const {
    const std::string_view name = TrimBlanks(settingsState_.koruName);
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

void GameWindow::showEndOfGame() {
    // The demo's own game ends quietly.
    if (demo_->isRunning()) return;
    endGameWindow()->setAbbreviation(koruAbbreviation());
    endGameWindow_->execEndMode();
}

void GameWindow::showRanking() {
    endGameWindow()->setAbbreviation(koruAbbreviation());
    endGameWindow_->execRankingMode();
}

void GameWindow::saveForKoru() {
    // The name may have changed in the settings since the last save.
    endGameWindow()->setAbbreviation(koruAbbreviation());
    endGameWindow_->saveWithCompetitionName();
}

void GameWindow::openHallOfFame() {
    const std::optional<GameSettings> taken = hallOfFameWindow()->execList();
    if (!taken) return;
    // The settings carry their situation number, so this is that game again.
    game_->PutSettingsInForce(*taken);
    game_->NewSituation();
    game_->ShowScoreFields(game_->Current());
}

void GameWindow::copyKoruFiles() {
    copyWindow()->execCopy();
}

void GameWindow::openKoruMail() {
    OpenCompetitionForm(options_.folders.resources, messages_);
}

void GameWindow::toggleDemo() {
    demo_->toggle(windowTitle());
}

} // namespace tumbla
