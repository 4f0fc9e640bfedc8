// The windows of the results and the demo: the end of a game and the
// ranking, the hall of fame, the copy and the mail of competition results.

#include "ui/GameWindow.h"

#include "situation/Blanks.h"
#include "ui/CopyWindow.h"
#include "ui/DemoMode.h"
#include "ui/DesktopDocumentOpener.h"
#include "ui/EndGameWindow.h"
#include "ui/HallOfFameWindow.h"
#include "ui/SoundPlayer.h"
#include "ui/WindowPlacement.h"

#include <QAction>
#include <QDir>

namespace tumbla {

void GameWindow::buildResultWindows() {
    // The player made is the one the glass sound uses too; it touches
    // nothing of the sound system before its first clip.
    if (!sound_) sound_ = new SoundPlayer(this);

    endGameWindow_ = new EndGameWindow(messages_, files_, this);
    endGameWindow_->setProgramDirectory(options_.folders.data);
    endGameWindow_->setGame(game_.get());
    endGameWindow_->setAbbreviation(koruAbbreviation());
    endGameWindow_->setSoundPlayer(sound_);
    keepPlace(endGameWindow_, IniSection::EndGameWindow);

    hallOfFameWindow_ = new HallOfFameWindow(messages_, this);
    hallOfFameWindow_->setProgramDirectory(options_.folders.data);
    hallOfFameWindow_->setIniWritable(options_.folders.iniWritable);
    keepPlace(hallOfFameWindow_, IniSection::HallOfFameWindow);

    copyWindow_ = new CopyWindow(messages_, this);
    copyWindow_->setStartDirectory(QDir::currentPath());
    keepPlace(copyWindow_, IniSection::CopyWindow);

    demo_ = new DemoMode(*game_, board_, this);
    connect(demo_, &DemoMode::captionChanged, this, &QWidget::setWindowTitle);
    // The indicators follow PutSettingsInForce; the score fields are shown anew.
    connect(demo_, &DemoMode::settingsChanged, this,
            [this] { game_->ShowScoreFields(game_->Current()); });

    connect(this, &GameWindow::gameOverShown, this, &GameWindow::showEndOfGame);
    connect(this, &GameWindow::rankingRequested, this, &GameWindow::showRanking);
    connect(this, &GameWindow::saveForKoruRequested, this, &GameWindow::saveForKoru);
    connect(this, &GameWindow::hallOfFameRequested, this, &GameWindow::openHallOfFame);
    connect(this, &GameWindow::koruDiskRequested, this, &GameWindow::copyKoruFiles);
    connect(this, &GameWindow::koruMailRequested, this, &GameWindow::openKoruMail);
    connect(this, &GameWindow::demoRequested, this, &GameWindow::toggleDemo);
    for (const Command c : {Command::HallOfFame, Command::Ranking, Command::KoruMail,
                            Command::KoruDisk, Command::SaveForKoru, Command::Demo})
        actions_.at(c)->setEnabled(true);
}

QString GameWindow::koruAbbreviation() const {
    const std::string_view name = TrimBlanks(settingsState_.koruName);
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

void GameWindow::showEndOfGame() {
    // The demo's own game ends quietly.
    if (demo_->isRunning()) return;
    endGameWindow_->setAbbreviation(koruAbbreviation());
    endGameWindow_->execEndMode();
}

void GameWindow::showRanking() {
    endGameWindow_->setAbbreviation(koruAbbreviation());
    endGameWindow_->execRankingMode();
}

void GameWindow::saveForKoru() {
    // The name may have changed in the settings since the last save.
    endGameWindow_->setAbbreviation(koruAbbreviation());
    endGameWindow_->saveWithCompetitionName();
}

void GameWindow::openHallOfFame() {
    const std::optional<GameSettings> taken = hallOfFameWindow_->execList();
    if (!taken) return;
    // The settings carry their situation number, so this is that game again.
    game_->PutSettingsInForce(*taken);
    game_->NewSituation();
    game_->ShowScoreFields(game_->Current());
}

void GameWindow::copyKoruFiles() {
    copyWindow_->execCopy();
}

void GameWindow::openKoruMail() {
    OpenCompetitionForm(options_.folders.resources, messages_);
}

void GameWindow::toggleDemo() {
    demo_->toggle(windowTitle());
}

} // namespace tumbla
