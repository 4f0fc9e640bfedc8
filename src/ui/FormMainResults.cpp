// The windows of the results and the demo: the end of a game and the
// ranking, the hall of fame, the copy and the mail of competition results.

#include "ui/FormMain.h"

#include "situation/Blanks.h"
#include "ui/DemoMode.h"
#include "ui/DesktopDocumentOpener.h"
#include "ui/FormCopy.h"
#include "ui/FormEndG.h"
#include "ui/FormNFam.h"
#include "ui/SoundPlayer.h"

#include <QAction>
#include <QDir>

namespace tumbla {

void FormMain::buildResultWindows() {
    // The player made is the one the glass sound uses too; it touches
    // nothing of the sound system before its first clip.
    if (!sound_) sound_ = new SoundPlayer(this);

    endG_ = new FormEndG(messages_, files_, this);
    endG_->setProgramDirectory(options_.programDirectory);
    endG_->setGame(game_.get());
    endG_->setAbbreviation(koruAbbreviation());
    endG_->setSoundPlayer(sound_);
    keepPlace(endG_, "FormEndG");

    nFam_ = new FormNFam(messages_, this);
    nFam_->setProgramDirectory(options_.programDirectory);
    nFam_->setIniWritable(options_.iniWritable);
    keepPlace(nFam_, "FormNFam");

    copy_ = new FormCopy(messages_, this);
    copy_->setStartDirectory(QDir::currentPath());
    keepPlace(copy_, "FormCopy");

    demo_ = new DemoMode(*game_, board_, this);
    connect(demo_, &DemoMode::captionChanged, this, &QWidget::setWindowTitle);
    // The indicators follow PutSettingsInForce; the score fields are shown anew.
    connect(demo_, &DemoMode::settingsChanged, this,
            [this] { game_->ShowScoreFields(game_->Current()); });

    connect(this, &FormMain::gameOverShown, this, &FormMain::showEndOfGame);
    connect(this, &FormMain::rankingRequested, this, &FormMain::showRanking);
    connect(this, &FormMain::saveForKoruRequested, this, &FormMain::saveForKoru);
    connect(this, &FormMain::hallOfFameRequested, this, &FormMain::openHallOfFame);
    connect(this, &FormMain::koruDiskRequested, this, &FormMain::copyKoruFiles);
    connect(this, &FormMain::koruMailRequested, this, &FormMain::openKoruMail);
    connect(this, &FormMain::demoRequested, this, &FormMain::toggleDemo);
    for (const Command c : {Command::HallOfFame, Command::Ranking, Command::KoruMail,
                            Command::KoruDisk, Command::SaveForKoru, Command::Demo})
        actions_.at(c)->setEnabled(true);
}

QString FormMain::koruAbbreviation() const {
    const std::string_view name = TrimBlanks(nastav_.koruName);
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

void FormMain::showEndOfGame() {
    // The demo's own game ends quietly.
    if (demo_->isRunning()) return;
    endG_->setAbbreviation(koruAbbreviation());
    endG_->execEndMode();
}

void FormMain::showRanking() {
    endG_->setAbbreviation(koruAbbreviation());
    endG_->execRankingMode();
}

void FormMain::saveForKoru() {
    // The name may have changed in the settings since the last save.
    endG_->setAbbreviation(koruAbbreviation());
    endG_->saveWithCompetitionName();
}

void FormMain::openHallOfFame() {
    const std::optional<GameSettings> taken = nFam_->execList();
    if (!taken) return;
    // The settings carry their situation number, so this is that game again.
    game_->PutSettingsInForce(*taken);
    game_->NewSituation();
    game_->ShowScoreFields(game_->Current());
}

void FormMain::copyKoruFiles() {
    copy_->execCopy();
}

void FormMain::openKoruMail() {
    OpenCompetitionForm(options_.programDirectory, messages_);
}

void FormMain::toggleDemo() {
    demo_->toggle(windowTitle());
}

} // namespace tumbla
