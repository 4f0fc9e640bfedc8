// What the commands of the menu and the toolbar do in the game window.

#include "ui/mainwindow/GameWindow.h"

#include "record/SavedGameFile.h"
#include "situation/Presets.h"
#include "situation/SettingsFileFlows.h"
#include "ui/dialogs/AboutBox.h"
#include "ui/dialogs/SettingsDialog.h"
#include "ui/mainwindow/AdviceFlow.h"
#include "ui/windows/HelpWindow.h"

#include <QAction>
#include <QApplication>

namespace tumbla {

namespace {

std::string DirectoryText(const std::filesystem::path& dir) {
    std::string text = dir.string();
    if (!text.empty() && text.back() != '/') text += '/';
    return text;
}

} // namespace

void GameWindow::runCommand(Command command) {
    if (firstActivationPending_ && command != Command::Quit) return;
    switch (command) {
    case Command::NewGame:
        game_->SetSituationNumber(0);
        game_->NewSituation();
        break;
    case Command::Load:
        openSavedFile();
        break;
    case Command::Save:
        saveGame();
        break;
    case Command::Quit:
        close();
        QApplication::quit();
        break;
    case Command::First:
        game_->GoToStart();
        break;
    case Command::Back:
        game_->StepBack();
        break;
    case Command::Forward:
        game_->StepForward();
        break;
    case Command::Last:
        game_->GoToLast();
        break;
    case Command::ShowMove:
        // Under the advisor's marker the command plays the advice.
        if (!advice_->playShownAdvice()) game_->ShowNextMove();
        break;
    case Command::AddMark:
        game_->AddMark(game_->CurrentPosition());
        break;
    case Command::Level1:
        applyPreset(0);
        break;
    case Command::Level2:
        applyPreset(1);
        break;
    case Command::Level3:
        applyPreset(2);
        break;
    case Command::Level4:
        applyPreset(3);
        break;
    case Command::Level5:
        applyPreset(4);
        break;
    case Command::SavedSettings:
    case Command::KoruTasks: {
        SettingsFlowContext c = settingsFlow();
        const SettingsFlowOutcome outcome = command == Command::SavedSettings
                                                ? LoadSavedSettings(c, game_->Settings())
                                                : LoadKoruTask(c, game_->Settings());
        game_->PutSettingsInForce(outcome.settings);
        takeDisplayOptions();
        if (outcome.newSituation) game_->NewSituation();
        break;
    }
    case Command::Rules:
        showRules();
        break;
    case Command::About:
        showAbout();
        break;
    case Command::ByNumber:
        chooseSituationNumber();
        break;
    case Command::GoTo:
        goToPosition();
        break;
    case Command::Marks:
        workWithMarks();
        break;
    case Command::HallOfFame:
        openHallOfFame();
        break;
    case Command::Ranking:
        showRanking();
        break;
    case Command::KoruMail:
        openKoruMail();
        break;
    case Command::KoruDisk:
        copyKoruFiles();
        break;
    case Command::SaveForKoru:
        saveForKoru();
        break;
    case Command::Settings:
        openSettingsDialog();
        break;
    case Command::Demo:
        toggleDemo();
        break;
    case Command::ScoreTable:
        showScoreTable();
        break;
    case Command::ScoreGraph:
        showScoreGraph();
        break;
    case Command::StoneCounts:
        showStoneCountsWindow();
        break;
    case Command::Advice:
        adviseMove();
        break;
    case Command::Analysis:
        showAnalysis();
        break;
    }
}

void GameWindow::nextHint() {
    if (!firstActivationPending_) game_->NextHint();
}

void GameWindow::applyPreset(int level) {
    GameSettings s = game_->Settings();
    ApplyPresetLevel(s, PresetLevels[static_cast<std::size_t>(level)]);
    game_->PutSettingsInForce(s);
    game_->NewSituation();
}

void GameWindow::openSavedFile() {
    const auto path = files_.chooseOpen(OpenSavedFileRequest(DirectoryText(options_.folders.data)));
    if (path) loadFile(*path);
}

bool GameWindow::loadFile(const std::string& path) {
    switch (LoadSavedFile(*game_, messages_, path)) {
    case LoadOutcome::Loaded:
        return true;
    case LoadOutcome::Refused:
        return false;
    case LoadOutcome::SettingsFile:
        return applySettingsFile(path);
    }
    return false;
}

bool GameWindow::applySettingsFile(const std::string& path) {
    SettingsFlowContext c = settingsFlow();
    const SettingsFlowOutcome outcome = OpenSettingsFile(c, game_->Settings(), path);
    game_->PutSettingsInForce(outcome.settings);
    // At start there is no game yet, so the settings always bring a new one.
    if (outcome.newSituation || firstActivationPending_) game_->NewSituation();
    return true;
}

void GameWindow::saveGame() {
    const FileDialogRequest request =
        SaveGameInProgressRequest(*game_, DirectoryText(options_.folders.data));
    WriteSavedGame(*game_, files_, messages_, request, {});
}

void GameWindow::showRules() {
    HelpWindow* help = windows_->get<HelpWindow>();
    // Its caption strip takes the colour of the settings, as every window's does.
    previewHeadColour(SettingsDialog::ColourOf(game_->Settings().Head));
    help->show();
    help->raise();
    help->activateWindow();
}

void GameWindow::showAbout() {
    AboutBox box(this);
    previewHeadColour(SettingsDialog::ColourOf(game_->Settings().Head));
    // Its place is kept like every window's, in a section of its own.
    if (options_.folders.iniWritable) {
        const int x = ini_.readInteger("AboutBox", "Left", -1);
        const int y = ini_.readInteger("AboutBox", "Top", -1);
        if (x >= 0 && y >= 0) box.move(x, y);
    }
    box.exec();
    if (options_.folders.iniWritable) {
        ini_.writeInteger("AboutBox", "Left", box.frameGeometry().x());
        ini_.writeInteger("AboutBox", "Top", box.frameGeometry().y());
        if (!ini_.commit()) ini_.discard();
    }
}

} // namespace tumbla
