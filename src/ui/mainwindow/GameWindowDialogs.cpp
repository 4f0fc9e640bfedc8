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
#include "ui/windows/AnalysisWindow.h"
#include "ui/windows/CopyWindow.h"
#include "ui/windows/EndGameWindow.h"
#include "ui/windows/HallOfFameWindow.h"
#include "ui/windows/HeadStrip.h"
#include "ui/windows/HelpWindow.h"
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

void GameWindow::addWindows() {
    windows_->add<SettingsDialog>(IniSection::SettingsDialog, [this] {
        auto* dialog = new SettingsDialog(settingsState_, this);
        dialog->setOkAction([this](SettingsDialogState& d) {
            // Settings come into force only through the file: written, then read back.
            const IniSaveResult saved = SaveSettingsToIni(ini_, options_.folders.iniWritable, d,
                                                          game_->Settings(), messages_);
            game_->PutSettingsInForce(saved.settings);
            takeDisplayOptions();
        });
        dialog->setSaveAction([this](SettingsDialogState&) {
            SettingsFlowContext c = settingsFlow();
            SaveSettingsByName(c);
        });
        dialog->setLoadAction([this](SettingsDialogState&) {
            SettingsFlowContext c = settingsFlow();
            LoadSettingsByName(c);
        });
        connect(dialog, &SettingsDialog::backColourPreview, this, &GameWindow::previewBackColour);
        connect(dialog, &SettingsDialog::headColourPreview, this, &GameWindow::previewHeadColour);
        return dialog;
    });
    windows_->add<SituationNumberDialog>(IniSection::SituationNumberDialog, [this] {
        auto* dialog = new SituationNumberDialog(messages_, this);
        // The number is in view before the situation is generated from it.
        connect(dialog, &SituationNumberDialog::numberChosen, this, [this](qint32 number) {
            edits_.at(QStringLiteral("number"))->setText(QString::number(number));
        });
        return dialog;
    });
    windows_->add<GoToPositionDialog>(IniSection::GoToPositionDialog,
                                      [this] { return new GoToPositionDialog(messages_, this); });
    windows_->add<MarksWindow>(IniSection::MarksWindow, [this] { return new MarksWindow(this); });
    windows_->add<StoneCountsWindow>(
        IniSection::StoneCountsWindow, [this] { return new StoneCountsWindow(this); },
        // Without a place of its own it opens beside the game, not at the screen's corner.
        [this](StoneCountsWindow& window) {
            window.move(PlaceBeside(frameGeometry(), StoneCountsWindow::OuterSize(8, 6),
                                    screen()->availableGeometry()));
        });
    // The analysis keeps no place in Tumbla.ini: it opens beside the game.
    windows_->add<AnalysisWindow>(
        nullptr, [this] { return makeAnalysisWindow(); },
        [this](AnalysisWindow& window) {
            window.move(PlaceBeside(frameGeometry(), window.frameGeometry().size(),
                                    screen()->availableGeometry()));
        });
    windows_->add<SearchWindow>(IniSection::SearchWindow, [this] {
        return new SearchWindow(this); // asks in boxes of its own
    });
    windows_->add<EndGameWindow>(IniSection::EndGameWindow, [this] {
        auto* window = new EndGameWindow(messages_, files_, this);
        window->setProgramDirectory(options_.folders.data);
        window->setGame(game_.get());
        window->setAbbreviation(koruAbbreviation());
        window->setSoundPlayer(soundPlayer());
        // Once the modal window has gone, the analysis opens beside the game.
        connect(window, &EndGameWindow::analysisRequested, this, &GameWindow::showAnalysis,
                Qt::QueuedConnection);
        return window;
    });
    windows_->add<HallOfFameWindow>(IniSection::HallOfFameWindow, [this] {
        auto* window = new HallOfFameWindow(messages_, this);
        window->setProgramDirectory(options_.folders.data);
        window->setIniWritable(options_.folders.iniWritable);
        return window;
    });
    windows_->add<CopyWindow>(IniSection::CopyWindow, [this] {
        // Made when it opens: only then does it read the file system.
        auto* window = new CopyWindow(messages_, this);
        window->setStartDirectory(startDirectory_);
        return window;
    });
    windows_->add<HelpWindow>(nullptr, [this] { return new HelpWindow(this); });
}

SettingsFlowContext GameWindow::settingsFlow() {
    return SettingsFlowContext{ini_,      options_.folders.iniWritable, settingsState_, files_,
                               messages_, options_.folders.data};
}

bool GameWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Expose && watched == windowHandle() && firstActivationPending_ &&
        windowHandle()->isExposed())
        QTimer::singleShot(0, this, &GameWindow::firstActivation);
    return QMainWindow::eventFilter(watched, event);
}

namespace {

constexpr char ChartMissingText[] = "Bodování nelze zobrazit graficky: chybí potřebná knihovna.";

} // namespace

// --- The commands

void GameWindow::openSettingsDialog() {
    const GameSettings kept = game_->Settings();
    if (!windows_->get<SettingsDialog>()->ask(kept)) {
        // A refused OK may already have put the dialog's settings in force.
        if (PackSettings(kept) != PackSettings(game_->Settings())) game_->PutSettingsInForce(kept);
        return;
    }
    const int change = CompareSettings(kept, game_->Settings());
    if (change == 1) {
        // Only the look changed: the same stones in new pictures and grid.
        board_->setSettings(game_->Settings());
        board_->setBoard(shown_);
        if (const auto* counts = windows_->made<StoneCountsWindow>(); counts && counts->isVisible())
            setUpStoneCountsWindow();
    } else if (change == 2) {
        game_->NewSituation();
    }
    if (change != 0) game_->ShowScoreFields(game_->Current());
}

void GameWindow::chooseSituationNumber() {
    const std::optional<std::int32_t> number = windows_->get<SituationNumberDialog>()->ask();
    if (!number) return;
    game_->SetSituationNumber(*number);
    game_->NewSituation();
}

void GameWindow::goToPosition() {
    game_->GoToPosition(
        [this] { return windows_->get<GoToPositionDialog>()->ask(game_->LastPosition()); });
}

void GameWindow::workWithMarks() {
    game_->WorkWithMarks([this](MarksDialog& marks) {
        // Each deletion in the window shows on the counter at once.
        MarksWindow* window = windows_->get<MarksWindow>();
        const auto follow = connect(window, &MarksWindow::marksChanged, this,
                                    [this, &marks] { game_->TakeMarks(marks); });
        const std::optional<int> chosen = window->ask(marks);
        disconnect(follow);
        return chosen;
    });
}

void GameWindow::showScoreTable() {
    // A score view is made for one showing and kept in its place like the others.
    ScoreTableWindow view(this);
    windows_->execInPlace(view, IniSection::ScoreTableWindow);
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
    windows_->execInPlace(*view, IniSection::ScoreChartWindow);
}

void GameWindow::setUpStoneCountsWindow() {
    const GameSettings& s = game_->Settings();
    std::array<QPixmap, 8> pictures;
    for (int c = 1; c <= 8; ++c)
        pictures[std::size_t(c - 1)] =
            StonePictures::pixmap(PictureOfCode(static_cast<StoneCode>(c), s),
                                  StoneCountsWindow::CellSize, devicePixelRatioF());
    windows_->get<StoneCountsWindow>()->setUp(s.Count, s.Rating, pictures);
}

void GameWindow::showStoneCountsWindow() {
    StoneCountsWindow* window = windows_->get<StoneCountsWindow>();
    setUpStoneCountsWindow();
    window->show();
    window->raise();
    window->refreshCounts(stoneCounts_);
}

void GameWindow::startSearch() {
    // The search works on its own copies in a worker thread, so the game and
    // its drawing go on untouched; a second start while one runs is ignored.
    if (firstActivationPending_ || windows_->get<SearchWindow>()->running()) return;
    windows_->get<SearchWindow>()->startSearch(game_->CurrentRules(), game_->Position(1),
                                               searchMemory_);
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
