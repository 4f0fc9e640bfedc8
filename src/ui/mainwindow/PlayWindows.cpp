#include "ui/mainwindow/PlayWindows.h"

#include "record/SavedGameFile.h"
#include "record/ScoreTableText.h"
#include "situation/SettingsIni.h"
#include "ui/art/StonePictures.h"
#include "ui/dialogs/AboutBox.h"
#include "ui/dialogs/GoToPositionDialog.h"
#include "ui/dialogs/SettingsDialog.h"
#include "ui/dialogs/SituationNumberDialog.h"
#include "ui/mainwindow/AdviceFlow.h"
#include "ui/mainwindow/SecondaryWindows.h"
#include "ui/platform/PluginLoading.h"
#include "ui/platform/Plugins.h"
#include "ui/platform/WindowPlacement.h"
#include "ui/windows/AnalysisWindow.h"
#include "ui/windows/HeadStrip.h"
#include "ui/windows/HelpWindow.h"
#include "ui/windows/MarksWindow.h"
#include "ui/windows/ScoreTableWindow.h"
#include "ui/windows/SearchWindow.h"
#include "ui/windows/StoneCountsWindow.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <memory>
#include <vector>

namespace tumbla {

namespace {

constexpr char ChartMissingText[] = "Bodování nelze zobrazit graficky: chybí potřebná knihovna.";

std::string DirectoryText(const std::filesystem::path& dir) {
    std::string text = dir.string();
    if (!text.empty() && text.back() != '/') text += '/';
    return text;
}

// The analysis gives each position a quarter of the advice's time.
constexpr int AnalysisShare = 4;

} // namespace

PlayWindows::PlayWindows(const WindowParts& parts, Hooks hooks)
    : parts_(parts), hooks_(std::move(hooks)) {
    SecondaryWindows& windows = parts_.windows;
    QWidget* owner = &parts_.owner;
    windows.add<SettingsDialog>(IniSection::SettingsDialog, [this, owner] {
        auto* dialog = new SettingsDialog(parts_.settingsState, owner);
        dialog->setOkAction([this](SettingsDialogState& d) {
            // Settings come into force only through the file: written, then read back.
            const IniSaveResult saved = SaveSettingsToIni(parts_.ini, parts_.folders.iniWritable, d,
                                                          parts_.game.Settings(), parts_.messages);
            parts_.game.PutSettingsInForce(saved.settings);
            hooks_.takeDisplayOptions();
        });
        dialog->setSaveAction([this](SettingsDialogState&) {
            SettingsFlowContext c = settingsFlow();
            SaveSettingsByName(c);
        });
        dialog->setLoadAction([this](SettingsDialogState&) {
            SettingsFlowContext c = settingsFlow();
            LoadSettingsByName(c);
        });
        QObject::connect(dialog, &SettingsDialog::backColourPreview, owner,
                         [this](const QColor& colour) {
                             GameSettings s = parts_.game.Settings();
                             s.Back = SettingsDialog::BgrOf(colour);
                             hooks_.showLook(s);
                         });
        QObject::connect(dialog, &SettingsDialog::headColourPreview, owner,
                         [this](const QColor& colour) { previewHeadColour(colour); });
        return dialog;
    });
    windows.add<SituationNumberDialog>(IniSection::SituationNumberDialog, [this, owner] {
        auto* dialog = new SituationNumberDialog(parts_.messages, owner);
        // The number is in view before the situation is generated from it.
        QObject::connect(dialog, &SituationNumberDialog::numberChosen, owner,
                         [this](qint32 number) { hooks_.showNumber(number); });
        return dialog;
    });
    windows.add<GoToPositionDialog>(IniSection::GoToPositionDialog, [this, owner] {
        return new GoToPositionDialog(parts_.messages, owner);
    });
    windows.add<MarksWindow>(IniSection::MarksWindow, [owner] { return new MarksWindow(owner); });
    windows.add<StoneCountsWindow>(
        IniSection::StoneCountsWindow, [owner] { return new StoneCountsWindow(owner); },
        // Without a place of its own it opens beside the game, not at the screen's corner.
        [owner](StoneCountsWindow& window) {
            window.move(PlaceBeside(owner->frameGeometry(), StoneCountsWindow::OuterSize(8, 6),
                                    owner->screen()->availableGeometry()));
        });
    // The analysis keeps no place in Tumbla.ini: it opens beside the game.
    windows.add<AnalysisWindow>(
        nullptr, [this, owner] { return makeAnalysisWindow(owner); },
        [owner](AnalysisWindow& window) {
            window.move(PlaceBeside(owner->frameGeometry(), FramedSize(window, *owner),
                                    owner->screen()->availableGeometry()));
        });
    windows.add<SearchWindow>(IniSection::SearchWindow, [owner] {
        return new SearchWindow(owner); // asks in boxes of its own
    });
    windows.add<HelpWindow>(nullptr, [owner] { return new HelpWindow(owner); });
}

SettingsFlowContext PlayWindows::settingsFlow() {
    return SettingsFlowContext{parts_.ini,           parts_.folders.iniWritable,
                               parts_.settingsState, parts_.files,
                               parts_.messages,      parts_.folders.data};
}

void PlayWindows::openSavedFile(const std::function<bool()>& mayReplace) {
    const auto path =
        parts_.files.chooseOpen(OpenSavedFileRequest(DirectoryText(parts_.folders.data)));
    if (path && mayReplace()) loadFile(*path, false);
}

bool PlayWindows::loadFile(const std::string& path, bool atStart) {
    switch (LoadSavedFile(parts_.game, parts_.messages, path)) {
    case LoadOutcome::Loaded:
        return true;
    case LoadOutcome::Refused:
        return false;
    case LoadOutcome::SettingsFile:
        applySettingsFile(path, atStart);
        return true;
    }
    return false;
}

void PlayWindows::saveGame() {
    const FileDialogRequest request =
        SaveGameInProgressRequest(parts_.game, DirectoryText(parts_.folders.data));
    WriteSavedGame(parts_.game, parts_.files, parts_.messages, request, {});
}

void PlayWindows::openSettingsDialog() {
    Game& game = parts_.game;
    const GameSettings kept = game.Settings();
    if (!parts_.windows.get<SettingsDialog>()->ask(kept)) {
        // A refused OK may already have put the dialog's settings in force.
        if (PackSettings(kept) != PackSettings(game.Settings())) game.PutSettingsInForce(kept);
        return;
    }
    const int change = CompareSettings(kept, game.Settings());
    if (change == 1) {
        // Only the look changed: the same stones in new pictures and grid.
        hooks_.showLook(game.Settings());
        settingsInForce();
    } else if (change == 2) {
        game.NewSituation();
    }
    if (change != 0) game.ShowScoreFields(game.Current());
}

void PlayWindows::loadSettings(bool saved) {
    SettingsFlowContext c = settingsFlow();
    const SettingsFlowOutcome outcome = saved ? LoadSavedSettings(c, parts_.game.Settings())
                                              : LoadKoruTask(c, parts_.game.Settings());
    parts_.game.PutSettingsInForce(outcome.settings);
    hooks_.takeDisplayOptions();
    if (outcome.newSituation) parts_.game.NewSituation();
}

void PlayWindows::applySettingsFile(const std::string& path, bool atStart) {
    SettingsFlowContext c = settingsFlow();
    const SettingsFlowOutcome outcome = OpenSettingsFile(c, parts_.game.Settings(), path);
    parts_.game.PutSettingsInForce(outcome.settings);
    // At start there is no game yet, so the settings always bring a new one.
    if (outcome.newSituation || atStart) parts_.game.NewSituation();
}

void PlayWindows::chooseSituationNumber() {
    const std::optional<std::int32_t> number = parts_.windows.get<SituationNumberDialog>()->ask();
    if (!number) return;
    parts_.game.SetSituationNumber(*number);
    parts_.game.NewSituation();
}

void PlayWindows::goToPosition() {
    parts_.game.GoToPosition([this] {
        return parts_.windows.get<GoToPositionDialog>()->ask(parts_.game.LastPosition());
    });
}

void PlayWindows::workWithMarks() {
    parts_.game.WorkWithMarks([this](MarksDialog& marks) {
        // Each deletion in the window shows on the counter at once.
        MarksWindow* window = parts_.windows.get<MarksWindow>();
        const auto follow = QObject::connect(window, &MarksWindow::marksChanged, &parts_.owner,
                                             [this, &marks] { parts_.game.TakeMarks(marks); });
        const std::optional<int> chosen = window->ask(marks);
        QObject::disconnect(follow);
        return chosen;
    });
}

void PlayWindows::showScoreTable() {
    // A score view is made for one showing and kept in its place like the others.
    ScoreTableWindow view(&parts_.owner);
    parts_.windows.execInPlace(view, IniSection::ScoreTableWindow);
}

bool PlayWindows::showScoreGraph() {
    auto* charts = LoadPluginAs<ScoreChartPlugin>(ScoreChartPluginName);
    if (!charts) {
        // The plugin was found but does not load (Qt Charts missing, say).
        parts_.messages.showError(ChartMissingText);
        return false;
    }
    std::vector<ScoreColumns> columns;
    for (int n = 1; n <= 70; ++n) columns.push_back(ScoreColumnsFor(n));
    const std::unique_ptr<QDialog> view(charts->makeScoreChart(columns, &parts_.owner));
    HeadStrip::AttachTo(view.get()); // the plugin knows nothing of the game's strips
    parts_.windows.execInPlace(*view, IniSection::ScoreChartWindow);
    return true;
}

void PlayWindows::setUpStoneCountsWindow() {
    const GameSettings& s = parts_.game.Settings();
    std::array<QPixmap, 8> pictures;
    for (int c = 1; c <= 8; ++c)
        pictures[std::size_t(c - 1)] =
            StonePictures::pixmap(PictureOfCode(static_cast<StoneCode>(c), s),
                                  StoneCountsWindow::CellSize, parts_.owner.devicePixelRatioF());
    parts_.windows.get<StoneCountsWindow>()->setUp(s.Count, s.Rating, pictures);
}

void PlayWindows::settingsInForce() {
    if (const auto* counts = parts_.windows.made<StoneCountsWindow>();
        counts && counts->isVisible())
        setUpStoneCountsWindow();
}

void PlayWindows::showStoneCountsWindow() {
    StoneCountsWindow* window = parts_.windows.get<StoneCountsWindow>();
    setUpStoneCountsWindow();
    window->show();
    window->raise();
    window->refreshCounts(stoneCounts_);
}

void PlayWindows::showStoneCounts(const std::array<int, 9>& counts) {
    stoneCounts_ = counts;
    if (StoneCountsWindow* window = parts_.windows.made<StoneCountsWindow>())
        window->refreshCounts(counts); // ignored while the window is hidden
}

void PlayWindows::startSearch() {
    // The search works on its own copies in a worker thread, so the game and
    // its drawing go on untouched; a second start while one runs is ignored.
    SearchWindow* window = parts_.windows.get<SearchWindow>();
    if (window->running()) return;
    window->startSearch(parts_.game.CurrentRules(), parts_.game.Position(1), searchMemory_);
}

AnalysisWindow* PlayWindows::makeAnalysisWindow(QWidget* owner) {
    auto* window = new AnalysisWindow(owner);
    QObject::connect(window, &AnalysisWindow::positionChosen, owner, [this, window](int k) {
        if (holdsAnalysedPosition(*window, k)) parts_.game.JumpToPosition(k);
    });
    return window;
}

bool PlayWindows::holdsAnalysedPosition(const AnalysisWindow& window, int k) const {
    const SavedGame& analysed = window.game();
    return k >= 1 && k <= parts_.game.LastPosition() &&
           k <= static_cast<int>(analysed.positions.size()) &&
           parts_.game.Position(k).board ==
               analysed.positions[static_cast<std::size_t>(k - 1)].board;
}

void PlayWindows::dropStaleAnalysis() {
    AnalysisWindow* window = parts_.windows.made<AnalysisWindow>();
    if (window && window->isVisible() && !holdsAnalysedPosition(*window, 1)) window->close();
}

void PlayWindows::showAnalysis(const AdviceFlow& advice) {
    SavedGame whole;
    whole.settings = parts_.game.Settings();
    for (int k = 1; k <= parts_.game.LastPosition(); ++k)
        whole.positions.push_back(parts_.game.Position(k));
    AdvisorLimits limits;
    limits.time = std::chrono::milliseconds(
        std::max(100, parts_.settingsState.adviceTenths * 100 / AnalysisShare));
    limits.playouts = advice.playoutBudget();
    limits.threads = limits.playouts != 0 ? 1 : AdviceFlow::Threads();
    AnalysisWindow* window = parts_.windows.get<AnalysisWindow>();
    window->analyse(std::move(whole), limits);
    window->activateWindow();
}

void PlayWindows::showRules() {
    HelpWindow* help = parts_.windows.get<HelpWindow>();
    // Its caption strip takes the colour of the settings, as every window's does.
    previewHeadColour(SettingsDialog::ColourOf(parts_.game.Settings().Head));
    help->show();
    help->raise();
    help->activateWindow();
}

void PlayWindows::showAbout() {
    AboutBox box(&parts_.owner);
    previewHeadColour(SettingsDialog::ColourOf(parts_.game.Settings().Head));
    // Its place is kept like every window's, in a section of its own.
    parts_.windows.execInPlace(box, "AboutBox");
}

void PlayWindows::previewHeadColour(const QColor& colour) {
    HeadStrip::SetColourValueForAll(SettingsDialog::BgrOf(colour));
}

} // namespace tumbla
