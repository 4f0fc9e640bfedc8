// The windows the game window opens: made once at start and kept for the
// whole run, except the two score views, which live for one showing.

#include "ui/GameWindow.h"

#include "situation/SettingsIni.h"
#include "ui/BoardWidget.h"
#include "ui/GoToPositionDialog.h"
#include "ui/HeadStrip.h"
#include "ui/MarksWindow.h"
#include "ui/ScoreChartWindow.h"
#include "ui/ScoreTableWindow.h"
#include "ui/SearchWindow.h"
#include "ui/SettingsDialog.h"
#include "ui/SituationNumberDialog.h"
#include "ui/StoneCountsWindow.h"
#include "ui/StonePictures.h"
#include "ui/WindowPlacement.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QLineEdit>

namespace tumbla {

void GameWindow::buildDialogs() {
    settingsDialog_ = new SettingsDialog(settingsState_, this);
    keepPlace(settingsDialog_, IniSection::SettingsDialog);
    settingsDialog_->setOkAction([this](SettingsDialogState& d) {
        // Settings come into force only through the file: written, then read back.
        const IniSaveResult saved =
            SaveSettingsToIni(ini_, options_.iniWritable, d, game_->Settings(), messages_);
        game_->PutSettingsInForce(saved.settings);
    });
    settingsDialog_->setSaveAction([this](SettingsDialogState&) {
        SettingsFlowContext c = settingsFlow();
        SaveSettingsByName(c);
    });
    settingsDialog_->setLoadAction([this](SettingsDialogState&) {
        SettingsFlowContext c = settingsFlow();
        LoadSettingsByName(c);
    });
    connect(settingsDialog_, &SettingsDialog::backColourPreview, this,
            &GameWindow::previewBackColour);
    connect(settingsDialog_, &SettingsDialog::headColourPreview, this,
            &GameWindow::previewHeadColour);

    situationNumberDialog_ = new SituationNumberDialog(messages_, this);
    keepPlace(situationNumberDialog_, IniSection::SituationNumberDialog);
    // The number is in view before the situation is generated from it.
    connect(situationNumberDialog_, &SituationNumberDialog::numberChosen, this,
            [this](qint32 number) {
                edits_.at(QStringLiteral("number"))->setText(QString::number(number));
            });

    goToPositionDialog_ = new GoToPositionDialog(messages_, this);
    keepPlace(goToPositionDialog_, IniSection::GoToPositionDialog);
    marksWindow_ = new MarksWindow(this);
    keepPlace(marksWindow_, IniSection::MarksWindow);
    stoneCountsWindow_ = new StoneCountsWindow(this);
    keepPlace(stoneCountsWindow_, IniSection::StoneCountsWindow);
    searchWindow_ = new SearchWindow(messages_, this);
    keepPlace(searchWindow_, IniSection::SearchWindow);

    connect(this, &GameWindow::settingsDialogRequested, this, &GameWindow::openSettingsDialog);
    connect(this, &GameWindow::situationNumberRequested, this, &GameWindow::chooseSituationNumber);
    connect(this, &GameWindow::goToPositionRequested, this, &GameWindow::goToPosition);
    connect(this, &GameWindow::marksWindowRequested, this, &GameWindow::workWithMarks);
    connect(this, &GameWindow::scoreTableRequested, this, &GameWindow::showScoreTable);
    connect(this, &GameWindow::scoreGraphRequested, this, &GameWindow::showScoreGraph);
    connect(this, &GameWindow::stoneCountsRequested, this, &GameWindow::showStoneCountsWindow);
    connect(this, &GameWindow::searchRequested, this, &GameWindow::startSearch);
    for (const Command c : {Command::ByNumber, Command::Settings, Command::ScoreTable,
                            Command::ScoreGraph, Command::StoneCounts})
        actions_.at(c)->setEnabled(true);
}

SettingsFlowContext GameWindow::settingsFlow() {
    return SettingsFlowContext{ini_,      options_.iniWritable,     settingsState_, files_,
                               messages_, options_.programDirectory};
}

// --- Window places

void GameWindow::keepPlace(QWidget* window, const char* section) {
    if (options_.iniWritable) RestoreWindowPlacement(*window, ini_, section);
    placeSections_[window] = section;
    window->installEventFilter(this);
}

void GameWindow::savePlace(const QWidget* window) {
    const auto it = placeSections_.find(window);
    if (!options_.iniWritable || it == placeSections_.end()) return;
    if (!SaveWindowPlacement(*window, ini_, it->second) || !ini_.commit()) ini_.discard();
}

bool GameWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide && placeSections_.count(watched))
        savePlace(static_cast<QWidget*>(watched));
    return QMainWindow::eventFilter(watched, event);
}

namespace {

// A score view is made for one showing and kept in its place like the others.
template <typename View>
void ShowScoreView(QWidget* parent, IniStore& ini, bool iniWritable, const char* section) {
    View view(parent);
    if (iniWritable) RestoreWindowPlacement(view, ini, section);
    view.exec();
    if (iniWritable && (!SaveWindowPlacement(view, ini, section) || !ini.commit())) ini.discard();
}

} // namespace

// --- The commands

void GameWindow::openSettingsDialog() {
    const GameSettings kept = game_->Settings();
    if (!settingsDialog_->ask(kept)) {
        // A refused OK may already have put the dialog's settings in force.
        if (PackSettings(kept) != PackSettings(game_->Settings())) game_->PutSettingsInForce(kept);
        return;
    }
    const int change = CompareSettings(kept, game_->Settings());
    if (change == 1) {
        // Only the look changed: the same stones in new pictures and grid.
        board_->setSettings(game_->Settings());
        board_->setBoard(shown_);
        if (stoneCountsWindow_->isVisible()) setUpStoneCountsWindow();
    } else if (change == 2) {
        game_->NewSituation();
    }
    if (change != 0) game_->ShowScoreFields(game_->Current());
}

void GameWindow::chooseSituationNumber() {
    const std::optional<std::int32_t> number = situationNumberDialog_->ask();
    if (!number) return;
    game_->SetSituationNumber(*number);
    game_->NewSituation();
}

void GameWindow::goToPosition() {
    game_->GoToPosition([this] { return goToPositionDialog_->ask(game_->LastPosition()); });
}

void GameWindow::workWithMarks() {
    game_->WorkWithMarks([this](MarksDialog& marks) {
        // Each deletion in the window shows on the counter at once.
        const auto follow = connect(marksWindow_, &MarksWindow::marksChanged, this,
                                    [this, &marks] { game_->TakeMarks(marks); });
        const std::optional<int> chosen = marksWindow_->ask(marks);
        disconnect(follow);
        return chosen;
    });
}

void GameWindow::showScoreTable() {
    ShowScoreView<ScoreTableWindow>(this, ini_, options_.iniWritable, IniSection::ScoreTableWindow);
}

void GameWindow::showScoreGraph() {
    ShowScoreView<ScoreChartWindow>(this, ini_, options_.iniWritable, IniSection::ScoreChartWindow);
}

void GameWindow::setUpStoneCountsWindow() {
    const GameSettings& s = game_->Settings();
    std::array<QPixmap, 8> pictures;
    for (int c = 1; c <= 8; ++c)
        pictures[std::size_t(c - 1)] =
            StonePictures::pixmap(PictureOfCode(static_cast<StoneCode>(c), s),
                                  StoneCountsWindow::CellSize, devicePixelRatioF());
    stoneCountsWindow_->setUp(s.Count, s.Rating, pictures);
}

void GameWindow::showStoneCountsWindow() {
    setUpStoneCountsWindow();
    stoneCountsWindow_->show();
    stoneCountsWindow_->raise();
    stoneCountsWindow_->refreshCounts(stoneCounts_);
}

void GameWindow::startSearch() {
    // The search works on its own copies in a worker thread, so the game and
    // its drawing go on untouched; a second start while one runs is ignored.
    if (firstActivationPending_ || searchWindow_->running()) return;
    searchWindow_->startSearch(game_->CurrentRules(), game_->Position(1), searchMemory_);
}

// --- Previews of the settings dialog

void GameWindow::previewBackColour(const QColor& colour) {
    GameSettings s = game_->Settings();
    s.Back = SettingsDialog::BgrOf(colour);
    board_->setSettings(s);
    QPalette palette = playArea_->palette();
    palette.setColor(QPalette::Window, board_->backgroundColour());
    playArea_->setPalette(palette);
}

void GameWindow::previewHeadColour(const QColor& colour) {
    const std::int32_t value = SettingsDialog::BgrOf(colour);
    for (QWidget* window : QApplication::topLevelWidgets())
        for (HeadStrip* strip : window->findChildren<HeadStrip*>()) strip->setColourValue(value);
}

} // namespace tumbla
