// The windows the game window opens: each made the first time it is needed
// and kept for the whole run, except the two score views, which live for one
// showing.

#include "ui/mainwindow/GameWindow.h"

#include "record/ScoreTableText.h"
#include "situation/SettingsIni.h"
#include "ui/art/StonePictures.h"
#include "ui/board/BoardWidget.h"
#include "ui/dialogs/GoToPositionDialog.h"
#include "ui/dialogs/SettingsDialog.h"
#include "ui/dialogs/SituationNumberDialog.h"
#include "ui/platform/PluginLoading.h"
#include "ui/platform/Plugins.h"
#include "ui/platform/WindowPlacement.h"
#include "ui/windows/HeadStrip.h"
#include "ui/windows/MarksWindow.h"
#include "ui/windows/ScoreTableWindow.h"
#include "ui/windows/SearchWindow.h"
#include "ui/windows/StoneCountsWindow.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <memory>
#include <vector>

namespace tumbla {

void GameWindow::connectDialogs() {
    connect(this, &GameWindow::searchRequested, this, &GameWindow::startSearch);
    // Without its plugin the chart cannot be shown; the file is only looked
    // for here, loading waits for the first showing.
    actions_.at(Command::ScoreGraph)->setEnabled(!FindPlugin(ScoreChartPluginName).isEmpty());
}

SettingsDialog* GameWindow::settingsDialog() {
    if (settingsDialog_) return settingsDialog_;
    settingsDialog_ = new SettingsDialog(settingsState_, this);
    keepPlace(settingsDialog_, IniSection::SettingsDialog);
    settingsDialog_->setOkAction([this](SettingsDialogState& d) {
        // Settings come into force only through the file: written, then read back.
        const IniSaveResult saved =
            SaveSettingsToIni(ini_, options_.folders.iniWritable, d, game_->Settings(), messages_);
        game_->PutSettingsInForce(saved.settings);
        takeDisplayOptions();
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
    return settingsDialog_;
}

SituationNumberDialog* GameWindow::situationNumberDialog() {
    if (situationNumberDialog_) return situationNumberDialog_;
    situationNumberDialog_ = new SituationNumberDialog(messages_, this);
    keepPlace(situationNumberDialog_, IniSection::SituationNumberDialog);
    // The number is in view before the situation is generated from it.
    connect(situationNumberDialog_, &SituationNumberDialog::numberChosen, this,
            [this](qint32 number) {
                edits_.at(QStringLiteral("number"))->setText(QString::number(number));
            });
    return situationNumberDialog_;
}

GoToPositionDialog* GameWindow::goToPositionDialog() {
    if (!goToPositionDialog_) {
        goToPositionDialog_ = new GoToPositionDialog(messages_, this);
        keepPlace(goToPositionDialog_, IniSection::GoToPositionDialog);
    }
    return goToPositionDialog_;
}

MarksWindow* GameWindow::marksWindow() {
    if (!marksWindow_) {
        marksWindow_ = new MarksWindow(this);
        keepPlace(marksWindow_, IniSection::MarksWindow);
    }
    return marksWindow_;
}

StoneCountsWindow* GameWindow::stoneCountsWindow() {
    if (!stoneCountsWindow_) {
        stoneCountsWindow_ = new StoneCountsWindow(this);
        // Without a place of its own it opens beside the game, not at the screen's corner.
        if (!keepPlace(stoneCountsWindow_, IniSection::StoneCountsWindow))
            stoneCountsWindow_->move(PlaceBeside(frameGeometry(),
                                                 StoneCountsWindow::OuterSize(8, 6),
                                                 screen()->availableGeometry()));
    }
    return stoneCountsWindow_;
}

SearchWindow* GameWindow::searchWindow() {
    if (!searchWindow_) {
        searchWindow_ = new SearchWindow(this); // asks in boxes of its own
        keepPlace(searchWindow_, IniSection::SearchWindow);
    }
    return searchWindow_;
}

SettingsFlowContext GameWindow::settingsFlow() {
    return SettingsFlowContext{ini_,      options_.folders.iniWritable, settingsState_, files_,
                               messages_, options_.folders.data};
}

// --- Window places

bool GameWindow::keepPlace(QWidget* window, const char* section) {
    const bool restored =
        options_.folders.iniWritable && RestoreWindowPlacement(*window, ini_, section);
    placeSections_[window] = section;
    window->installEventFilter(this);
    return restored;
}

void GameWindow::savePlace(const QWidget* window) {
    const auto it = placeSections_.find(window);
    if (!options_.folders.iniWritable || it == placeSections_.end()) return;
    if (!SaveWindowPlacement(*window, ini_, it->second) || !ini_.commit()) ini_.discard();
}

bool GameWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Expose && watched == windowHandle() && firstActivationPending_ &&
        windowHandle()->isExposed())
        QTimer::singleShot(0, this, &GameWindow::firstActivation);
    if (event->type() == QEvent::Hide && placeSections_.count(watched))
        savePlace(static_cast<QWidget*>(watched));
    return QMainWindow::eventFilter(watched, event);
}

namespace {

constexpr char ChartMissingText[] = "Bodování nelze zobrazit graficky: chybí potřebná knihovna.";

// A score view is made for one showing and kept in its place like the others.
void ShowScoreView(QDialog& view, IniStore& ini, bool iniWritable, const char* section) {
    if (iniWritable) RestoreWindowPlacement(view, ini, section);
    view.exec();
    if (iniWritable && (!SaveWindowPlacement(view, ini, section) || !ini.commit())) ini.discard();
}

} // namespace

// --- The commands

void GameWindow::openSettingsDialog() {
    const GameSettings kept = game_->Settings();
    if (!settingsDialog()->ask(kept)) {
        // A refused OK may already have put the dialog's settings in force.
        if (PackSettings(kept) != PackSettings(game_->Settings())) game_->PutSettingsInForce(kept);
        return;
    }
    const int change = CompareSettings(kept, game_->Settings());
    if (change == 1) {
        // Only the look changed: the same stones in new pictures and grid.
        board_->setSettings(game_->Settings());
        board_->setBoard(shown_);
        if (stoneCountsWindow_ && stoneCountsWindow_->isVisible()) setUpStoneCountsWindow();
    } else if (change == 2) {
        game_->NewSituation();
    }
    if (change != 0) game_->ShowScoreFields(game_->Current());
}

void GameWindow::chooseSituationNumber() {
    const std::optional<std::int32_t> number = situationNumberDialog()->ask();
    if (!number) return;
    game_->SetSituationNumber(*number);
    game_->NewSituation();
}

void GameWindow::goToPosition() {
    game_->GoToPosition([this] { return goToPositionDialog()->ask(game_->LastPosition()); });
}

void GameWindow::workWithMarks() {
    game_->WorkWithMarks([this](MarksDialog& marks) {
        // Each deletion in the window shows on the counter at once.
        const auto follow = connect(marksWindow(), &MarksWindow::marksChanged, this,
                                    [this, &marks] { game_->TakeMarks(marks); });
        const std::optional<int> chosen = marksWindow_->ask(marks);
        disconnect(follow);
        return chosen;
    });
}

void GameWindow::showScoreTable() {
    ScoreTableWindow view(this);
    ShowScoreView(view, ini_, options_.folders.iniWritable, IniSection::ScoreTableWindow);
}

void GameWindow::showScoreGraph() {
    auto* charts = LoadPluginAs<ScoreChartPlugin>(ScoreChartPluginName);
    if (!charts) {
        // The plugin was found but does not load (Qt Charts missing, say):
        // the item stays off from now on.
        actions_.at(Command::ScoreGraph)->setEnabled(false);
        messages_.showError(ChartMissingText);
        return;
    }
    std::vector<ScoreColumns> columns;
    for (int n = 1; n <= 70; ++n) columns.push_back(ScoreColumnsFor(n));
    const std::unique_ptr<QDialog> view(charts->makeScoreChart(columns, this));
    HeadStrip::AttachTo(view.get()); // the plugin knows nothing of the game's strips
    ShowScoreView(*view, ini_, options_.folders.iniWritable, IniSection::ScoreChartWindow);
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
    stoneCountsWindow();
    setUpStoneCountsWindow();
    stoneCountsWindow_->show();
    stoneCountsWindow_->raise();
    stoneCountsWindow_->refreshCounts(stoneCounts_);
}

void GameWindow::startSearch() {
    // The search works on its own copies in a worker thread, so the game and
    // its drawing go on untouched; a second start while one runs is ignored.
    if (firstActivationPending_ || searchWindow()->running()) return;
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
    HeadStrip::SetColourValueForAll(SettingsDialog::BgrOf(colour));
}

} // namespace tumbla
