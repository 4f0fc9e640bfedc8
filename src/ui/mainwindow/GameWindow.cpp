#include "ui/mainwindow/GameWindow.h"

#include "engine/EndTest.h"
#include "record/FallPlan.h"
#include "record/SavedGameFile.h"
#include "situation/Presets.h"
#include "situation/SettingsIni.h"
#include "ui/board/BoardWidget.h"
#include "ui/board/DemoMode.h"
#include "ui/dialogs/SettingsDialog.h"
#include "ui/mainwindow/AdviceFlow.h"
#include "ui/mainwindow/ClickPreview.h"
#include "ui/mainwindow/GamePanels.h"
#include "ui/mainwindow/PlayWindows.h"
#include "ui/mainwindow/ResultsFlow.h"
#include "ui/mainwindow/WindowFit.h"
#include "ui/platform/PluginLoading.h"
#include "ui/platform/Plugins.h"
#include "ui/platform/Utf8.h"
#include "ui/sound/SoundPlayer.h"
#include "ui/windows/HeadStrip.h"
#include "ui/windows/SearchWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>
#include <cctype>

namespace tumbla {

namespace {

constexpr char Version[] = "1.19";
constexpr char ReplaceGameQuestion[] = "Chcete skutečně ukončit rozehranou hru?";

} // namespace

bool GameWindow::WantsLargeCells(const std::vector<std::string>& arguments) {
    return std::any_of(arguments.begin(), arguments.end(), [](const std::string& a) {
        return a.size() == 2 && a[0] == '/' &&
               std::toupper(static_cast<unsigned char>(a[1])) == 'B';
    });
}

QString GameWindow::Caption() {
    return QStringLiteral("Tumbla ") + QLatin1String(Version) +
           QStringLiteral("  (verze pro Koru CD)");
}

GameWindow::GameWindow(StartupOptions options, QWidget* parent)
    : QMainWindow(parent), options_(std::move(options)),
      geometry_(WantsLargeCells(options_.arguments) ? CellGeometry::Large()
                                                    : CellGeometry::Normal()),
      messages_(this), files_(this), ini_(options_.folders.settings / "Tumbla.ini") {
    setObjectName(QStringLiteral("GameWindow"));
    setWindowTitle(Caption());
    headStrip_ = HeadStrip::AttachTo(this);
    game_ = std::make_unique<Game>(*this, messages_);

    actions_ = BuildMenusAndToolBar(
        *this, [this](Command command) { runCommand(command); }, [this] { nextHint(); },
        [this] { emit searchRequested(); });
    panels_ = std::make_unique<GamePanels>(this, *game_, [this] { nextHint(); });
    advice_ = &panels_->advice();
    connect(advice_, &AdviceFlow::adviceShown, this,
            [this] { actions_.at(Command::ShowMove)->setEnabled(true); });

    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(6, 6, 6, 4);
    outer->setSpacing(4);
    auto* top = new QHBoxLayout;
    top->setSpacing(8);
    // The field sits in the middle of an area of its own background colour,
    // so a small field does not leave a grey hole beside the score panel.
    playArea_ = new QFrame(central);
    playArea_->setObjectName(QStringLiteral("playArea"));
    playArea_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    playArea_->setAutoFillBackground(true);
    auto* area = new QGridLayout(playArea_);
    area->setContentsMargins(2, 2, 2, 2);
    board_ = new BoardWidget(playArea_);
    board_->setCellGeometry(geometry_);
    board_->setBusy(true); // "pracuji..." until the first activation is done
    board_->setEnabled(false);
    area->addWidget(board_, 0, 0);
    top->addWidget(playArea_, 1);
    top->addWidget(panels_->scorePanel());
    outer->addLayout(top, 1);
    outer->addWidget(panels_->indicatorPanel());
    setCentralWidget(central);

    connect(board_, &BoardWidget::cellClicked, this, [this](Move move) { game_->Click(move); });
    preview_ = std::make_unique<ClickPreview>(*game_, *board_, *panels_);

    fit_ = std::make_unique<WindowFit>(*this, *playArea_, *board_, ini_,
                                       options_.folders.iniWritable, geometry_.cellWidth);
    windows_ = std::make_unique<SecondaryWindows>(*this, ini_, options_.folders.iniWritable);
    const WindowParts parts{*this, *game_,           messages_,      files_,
                            ini_,  options_.folders, settingsState_, *windows_};
    play_ = std::make_unique<PlayWindows>(
        parts, PlayWindows::Hooks{[this] { takeDisplayOptions(); },
                                  [this](std::int32_t number) { panels_->showNumber(number); },
                                  [this](const GameSettings& s) { showLook(s); }});
    demo_ = new DemoMode(*game_, board_, this);
    connect(demo_, &DemoMode::captionChanged, this, &QWidget::setWindowTitle);
    // The indicators follow PutSettingsInForce; the score fields are shown anew.
    connect(demo_, &DemoMode::settingsChanged, this,
            [this] { game_->ShowScoreFields(game_->Current()); });
    results_ = std::make_unique<ResultsFlow>(
        parts, *board_, *headStrip_, *demo_, [this] { return soundPlayer(); },
        [this] { runCommand(Command::Analysis); });
    connect(this, &GameWindow::gameOverShown, this, [this] { results_->showEndOfGame(); });
    connect(this, &GameWindow::searchRequested, this, [this] {
        if (!firstActivationPending_) play_->startSearch();
    });
    // Without its plugin the chart cannot be shown; the file is only looked
    // for here, loading waits for the first showing.
    actions_.at(Command::ScoreGraph)->setEnabled(!FindPlugin(ScoreChartPluginName).isEmpty());
    addCommands();
    fit_->restore();
}

GameWindow::~GameWindow() {
    // The search window joins its worker, which still uses the run's memory;
    // the windows go before the members they were given.
    delete demo_;
    windows_.reset();
}

void GameWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The work waits until the window, "pracuji..." on it, is on screen: the
    // window system has then also framed it, so that fitting the window to
    // the field keeps it where it was put.
    if (!firstActivationPending_) return;
    // The score values are bold. Their face is read once the window is on its
    // way to the screen, before it is first painted: the layout measured them
    // in the regular face, which a bold one of the same family matches in height.
    QTimer::singleShot(0, this, [this] { panels_->boldenScores(); });
    if (QWindow* window = windowHandle()) window->installEventFilter(this);
    // A window that is never exposed (started minimised) still gets its game.
    QTimer::singleShot(2000, this, &GameWindow::firstActivation);
}

void GameWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (!firstActivationPending_) fit_->resized();
}

void GameWindow::changeEvent(QEvent* event) {
    // Every activation puts the caption back; a running demo keeps its suffix,
    // so that coming back to the window never hides that the demo is playing.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        setWindowTitle(demo_ && demo_->isRunning() ? Caption() + DemoMode::CaptionSuffix
                                                   : Caption());
    QMainWindow::changeEvent(event);
}

void GameWindow::closeEvent(QCloseEvent* event) {
    fit_->store();
    // The windows that stay open beside the game go with it, keeping their place.
    if (SearchWindow* search = windows_->made<SearchWindow>()) search->stopSearch();
    advice_->cancel();
    windows_->closeAll(); // the analysis stops as its window closes
    QMainWindow::closeEvent(event);
}

bool GameWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Expose && watched == windowHandle() && firstActivationPending_ &&
        windowHandle()->isExposed())
        QTimer::singleShot(0, this, &GameWindow::firstActivation);
    return QMainWindow::eventFilter(watched, event);
}

void GameWindow::firstActivation() {
    if (!firstActivationPending_) return;
    firstActivationPending_ = false;
    preview_->setReady();
    // Matching a font is a round of the font database each, and the pictures
    // need no one before the first paint.
    panels_->finish(devicePixelRatioF());
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const std::optional<std::string> file = StartupFile(options_.arguments, messages_);
    if (!file || !play_->loadFile(*file, true)) {
        game_->PutSettingsInForce(LoadSettingsFromIni(ini_, settingsState_, game_->Settings()));
        game_->NewSituation();
    }
    // A file named at the start leaves the settings of the file alone, but
    // the window's own options come from it in every case.
    LoadDisplayOptionsFromIni(ini_, settingsState_);
    takeDisplayOptions();
    board_->setBusy(false);
    board_->setEnabled(true);
    board_->resetHover();
    board_->setFocus();
}

void GameWindow::takeDisplayOptions() {
    preview_->setOn(settingsState_.previewBox);
    fallOn_ = settingsState_.dashingBox;
    if (!fallOn_) board_->finishAnimation();
    preview_->refresh();
}

void GameWindow::bringForward() {
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}

QString GameWindow::fieldText(const QString& name) const {
    return panels_->fieldText(name, isVisible());
}

// --- GameView

void GameWindow::showSettingsInForce(const GameSettings& s) {
    showLook(s);
    panels_->showIndicators(s, devicePixelRatioF());
    if (sound_) sound_->setSoundOn(s.Zvuk != 0);
    HeadStrip::SetColourValueForAll(SettingsDialog::BgrOf(SettingsDialog::ColourOf(s.Head)));
    play_->settingsInForce();
}

void GameWindow::showLook(const GameSettings& s) {
    board_->setSettings(s);
    board_->setBoard(shown_);
    QPalette palette = playArea_->palette();
    palette.setColor(QPalette::Window, board_->backgroundColour());
    playArea_->setPalette(palette);
}

void GameWindow::showNewField(const FieldLayout&, const Board& board) {
    board_->setSettings(game_->Settings());
    shown_ = board;
    board_->setBoard(shown_);
    board_->resetHover();
    fit_->fitToField();
    play_->dropStaleAnalysis();
}

void GameWindow::showSituation(std::int32_t number, std::string_view settingsCode) {
    panels_->showSituation(number, Utf8(settingsCode));
}

void GameWindow::showCell(int row, int col, StoneCode code) {
    // The cells collect here and reach the screen in one paint.
    shown_.at(row, col) = code;
    board_->setBoard(shown_);
}

void GameWindow::showMoveMade(const MoveRecord& from, const MoveRecord& to) {
    if (!fallOn_) return;
    if (const std::optional<FallPlan> plan = PlanFall(from, game_->CurrentRules(), to.board))
        board_->animate(*plan);
}

void GameWindow::showGravity(int, int to) {
    board_->setGravity(to);
}

void GameWindow::showScoreFields(const ScoreFields& fields) {
    panels_->showScoreFields(fields);
    preview_->refreshSoon();
}

void GameWindow::showStoneCounts(const std::array<int, 9>& counts) {
    play_->showStoneCounts(counts);
}

void GameWindow::showMoveCounter(int moves) {
    panels_->showMoveCounter(moves);
    if (results_) results_->refreshGameOverNote();
}

void GameWindow::showNavigation(const NavigationState& state) {
    // Every move and step ends the advice for the position left.
    advice_->positionChanged();
    if (results_) results_->refreshGameOverNote();
    actions_.at(Command::First)->setEnabled(state.backward);
    actions_.at(Command::Back)->setEnabled(state.backward);
    actions_.at(Command::Forward)->setEnabled(state.forward);
    actions_.at(Command::Last)->setEnabled(state.forward);
    actions_.at(Command::GoTo)->setEnabled(state.goToPosition);
    actions_.at(Command::ShowMove)->setEnabled(state.showNextMove);
}

void GameWindow::showLock(bool locked, int gravity) {
    board_->setGravity(gravity);
    board_->setLocked(locked);
    preview_->refreshSoon();
}

void GameWindow::showMoveMark(Move move) {
    board_->showMove(move, move.row > 0 ? game_->PreviewClick(move) : MovePreview{});
}

void GameWindow::hideMoveMark(Move) {
    board_->hideShownMove();
}

void GameWindow::showMarks(const MarksState& state) {
    panels_->showMarks(state.count, state.counterVisible);
    actions_.at(Command::Marks)->setEnabled(state.counterVisible);
    actions_.at(Command::AddMark)->setEnabled(state.addEnabled);
}

void GameWindow::showHintCounter(std::string_view text) {
    panels_->showHintCounter(Utf8(text));
}

void GameWindow::hideHintCounter() {
    panels_->hideHintCounter();
}

void GameWindow::playGlassSound() {
    if (game_->Settings().Zvuk == 0) return;
    soundPlayer()->setSoundOn(true);
    sound_->play(SoundClip::Glass);
}

void GameWindow::showGameOver() {
    // The end window plays the end sound itself, on every showing.
    emit gameOverShown();
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

// --- The commands

void GameWindow::addCommands() {
    const auto level = [this](int n) { return [this, n] { applyPreset(n); }; };
    commands_ = {
        {Command::NewGame,
         [this] {
             if (!mayReplaceGame()) return;
             game_->SetSituationNumber(0);
             game_->NewSituation();
         }},
        {Command::Load, [this] { play_->openSavedFile([this] { return mayReplaceGame(); }); }},
        {Command::Save, [this] { play_->saveGame(); }},
        {Command::Quit,
         [this] {
             close();
             QApplication::quit();
         }},
        {Command::First, [this] { game_->GoToStart(); }},
        {Command::Back, [this] { game_->StepBack(); }},
        {Command::Forward, [this] { game_->StepForward(); }},
        {Command::Last, [this] { game_->GoToLast(); }},
        // Under the advisor's marker the command plays the advice.
        {Command::ShowMove,
         [this] {
             if (!advice_->playShownAdvice()) game_->ShowNextMove();
         }},
        {Command::AddMark, [this] { game_->AddMark(game_->CurrentPosition()); }},
        {Command::Level1, level(0)},
        {Command::Level2, level(1)},
        {Command::Level3, level(2)},
        {Command::Level4, level(3)},
        {Command::Level5, level(4)},
        {Command::SavedSettings, [this] { play_->loadSettings(true); }},
        {Command::KoruTasks, [this] { play_->loadSettings(false); }},
        {Command::Rules, [this] { play_->showRules(); }},
        {Command::About, [this] { play_->showAbout(); }},
        {Command::ByNumber, [this] { play_->chooseSituationNumber(); }},
        {Command::GoTo, [this] { play_->goToPosition(); }},
        {Command::Marks, [this] { play_->workWithMarks(); }},
        {Command::HallOfFame, [this] { results_->openHallOfFame(); }},
        {Command::Ranking, [this] { results_->showRanking(); }},
        {Command::KoruMail, [this] { results_->openKoruMail(); }},
        {Command::KoruDisk, [this] { results_->copyKoruFiles(); }},
        {Command::SaveForKoru, [this] { results_->saveForKoru(); }},
        {Command::Settings, [this] { play_->openSettingsDialog(); }},
        {Command::Demo,
         [this] {
             if (demo_->isRunning() || mayReplaceGame()) demo_->toggle(windowTitle());
         }},
        {Command::ScoreTable, [this] { play_->showScoreTable(); }},
        // A plugin that is found but does not load (Qt Charts missing, say)
        // leaves the item off from now on.
        {Command::ScoreGraph,
         [this] {
             if (!play_->showScoreGraph()) actions_.at(Command::ScoreGraph)->setEnabled(false);
         }},
        {Command::StoneCounts, [this] { play_->showStoneCountsWindow(); }},
        {Command::Advice,
         [this] { advice_->start(std::chrono::milliseconds(settingsState_.adviceTenths * 100)); }},
        {Command::Analysis, [this] { play_->showAnalysis(*advice_); }},
    };
}

void GameWindow::runCommand(Command command) {
    if (firstActivationPending_ && command != Command::Quit) return;
    commands_.at(command)();
}

void GameWindow::nextHint() {
    if (!firstActivationPending_) game_->NextHint();
}

bool GameWindow::mayReplaceGame() {
    // A game with a move that is not over is the player's work: it goes only
    // when the player says so. A finished game stays finished when stepped back in.
    if (game_->LastPosition() <= 1 || game_->GameOver() ||
        IsGameOver(game_->Position(game_->LastPosition()), game_->CurrentRules(), game_->Engine(),
                   nullptr))
        return true;
    return messages_.askConfirmation(ReplaceGameQuestion) == Answer::Yes;
}

void GameWindow::applyPreset(int level) {
    if (!mayReplaceGame()) return;
    GameSettings s = game_->Settings();
    ApplyPresetLevel(s, PresetLevels[static_cast<std::size_t>(level)]);
    game_->PutSettingsInForce(s);
    game_->NewSituation();
}

} // namespace tumbla
