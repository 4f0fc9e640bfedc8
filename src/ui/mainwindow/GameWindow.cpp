#include "ui/mainwindow/GameWindow.h"

#include "engine/Scoring.h"
#include "record/FallPlan.h"
#include "record/SavedGameFile.h"
#include "situation/SettingsIni.h"
#include "ui/art/StonePictures.h"
#include "ui/board/BoardWidget.h"
#include "ui/board/DemoMode.h"
#include "ui/dialogs/GoToPositionDialog.h"
#include "ui/dialogs/SettingsDialog.h"
#include "ui/dialogs/SituationNumberDialog.h"
#include "ui/mainwindow/AdviceFlow.h"
#include "ui/platform/Utf8.h"
#include "ui/platform/WindowPlacement.h"
#include "ui/sound/SoundPlayer.h"
#include "ui/windows/CopyWindow.h"
#include "ui/windows/EndGameWindow.h"
#include "ui/windows/HallOfFameWindow.h"
#include "ui/windows/HeadStrip.h"
#include "ui/windows/HelpWindow.h"
#include "ui/windows/MarksWindow.h"
#include "ui/windows/SearchWindow.h"
#include "ui/windows/StoneCountsWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>
#include <cctype>

namespace tumbla {

namespace {

constexpr char Version[] = "1.19";

QPixmap IndicatorPixmap(PictureRef picture, const QWidget* w) {
    return StonePictures::pixmap(picture, 22, w->devicePixelRatioF());
}

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

    buildMenus();
    buildToolBar();

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
    preferredCell_ = geometry_.cellWidth;
    board_->setBusy(true); // "pracuji..." until the first activation is done
    board_->setEnabled(false);
    area->addWidget(board_, 0, 0);
    top->addWidget(playArea_, 1);
    top->addWidget(buildScorePanel());
    outer->addLayout(top, 1);
    outer->addWidget(buildIndicatorPanel());
    setCentralWidget(central);

    connect(board_, &BoardWidget::cellClicked, this, [this](Move move) { game_->Click(move); });
    connect(board_, &BoardWidget::cellHovered, this, &GameWindow::onCellHovered);
    connect(board_, &BoardWidget::cursorMoved, this, [this](Move cursor) {
        cursorCell_ = cursor;
        cursorNewer_ = true;
        refreshPreview();
        showPositionOf(cursor);
    });
    connect(board_, &BoardWidget::animationFinished, this, &GameWindow::refreshPreview);

    startDirectory_ = QDir::currentPath();
    windows_ = std::make_unique<SecondaryWindows>(*this, ini_, options_.folders.iniWritable);
    addWindows();
    connectDialogs();
    connectResultWindows();
    connectAdvice();
    restoreGeometry();
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
    QTimer::singleShot(0, this, [this] {
        for (QLabel* value : scoreValues_) {
            QFont bold = value->font();
            bold.setBold(true);
            value->setFont(bold);
        }
    });
    if (QWindow* window = windowHandle()) window->installEventFilter(this);
    // A window that is never exposed (started minimised) still gets its game.
    QTimer::singleShot(2000, this, &GameWindow::firstActivation);
}

void GameWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (firstActivationPending_ || fitting_ || sizeRestored_ || size() == fittedSize_) return;
    // The player gave the window this size: the cells that fill it now are
    // the ones the next field of another size gets.
    const BoardLayout fitted = BoardLayout::Fitting(board_->baseGeometry(), board_->layout().rows(),
                                                    board_->layout().cols(), board_->size());
    preferredCell_ = fitted.geometry().cellWidth;
    board_->setPreferredCell(preferredCell_);
    fittedSize_ = size();
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
    storeGeometry();
    // The windows that stay open beside the game go with it, keeping their place.
    if (SearchWindow* search = windows_->made<SearchWindow>()) search->stopSearch();
    advice_->cancel();
    windows_->closeAll(); // the analysis stops as its window closes
    QMainWindow::closeEvent(event);
}

void GameWindow::firstActivation() {
    if (!firstActivationPending_) return;
    firstActivationPending_ = false;
    finishPanels();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const std::optional<std::string> file = StartupFile(options_.arguments, messages_);
    if (!file || !loadFile(*file)) {
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
    previewOn_ = settingsState_.previewBox;
    fallOn_ = settingsState_.dashingBox;
    if (!fallOn_) board_->finishAnimation();
    refreshPreview();
}

void GameWindow::bringForward() {
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}

QString GameWindow::fieldText(const QString& name) const {
    if (const auto it = labels_.find(name); it != labels_.end())
        return it->second->isVisible() || !isVisible() ? it->second->text() : QString();
    if (const auto it = edits_.find(name); it != edits_.end()) return it->second->text();
    return {};
}

void GameWindow::onCellHovered(Move cell) {
    if (firstActivationPending_) return;
    hoveredCell_ = cell;
    cursorNewer_ = false;
    refreshPreview();
    showPositionOf(cell);
}

void GameWindow::showPositionOf(Move cell) {
    const int row = cell.row;
    const int col = cell.col;
    QLabel* position = labels_.at(QStringLiteral("position"));
    if (row <= 0 || col <= 0) {
        position->setText(QStringLiteral("   "));
        return;
    }
    QString suffix;
    const int rating = game_->Settings().Rating;
    const StoneCode code = game_->Current().board.at(row, col);
    if (rating >= 5 && rating <= 7 && code >= 1 && code <= 8)
        suffix = QStringLiteral(" (%1)").arg(PriceTable[code]);
    position->setText(QStringLiteral("pozice: %1/%2").arg(row).arg(col) + suffix);
}

// --- GameView

void GameWindow::showSettingsInForce(const GameSettings& s) {
    board_->setSettings(s);
    QPalette palette = playArea_->palette();
    palette.setColor(QPalette::Window, board_->backgroundColour());
    playArea_->setPalette(palette);
    const PictureRef joker = JokerIndicator(s);
    const PictureRef glass = GlassIndicator(s);
    joker_->setPixmap(IndicatorPixmap(joker, this));
    glass_->setPixmap(IndicatorPixmap(glass, this));
    joker_->setVisible(s.Joly != 0);
    jokerLabel_->setVisible(s.Joly != 0);
    glass_->setVisible(s.Sklo != 0);
    glassLabel_->setVisible(s.Sklo != 0);
    join_->setPixmap(IndicatorPixmap(JoinIndicator(s), this));
    labels_.at(QStringLiteral("rating"))->setText(Utf8(RatingName(s.Rating)));
    if (sound_) sound_->setSoundOn(s.Zvuk != 0);
    previewHeadColour(SettingsDialog::ColourOf(s.Head));
    if (const StoneCountsWindow* counts = windows_->made<StoneCountsWindow>();
        counts && counts->isVisible())
        setUpStoneCountsWindow();
}

void GameWindow::showNewField(const FieldLayout&, const Board& board) {
    board_->setSettings(game_->Settings());
    shown_ = board;
    board_->setBoard(shown_);
    board_->resetHover();
    fitToField();
}

void GameWindow::showSituation(std::int32_t number, std::string_view settingsCode) {
    edits_.at(QStringLiteral("number"))->setText(QString::number(number));
    edits_.at(QStringLiteral("code"))->setText(Utf8(settingsCode));
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

// --- The preview of a click

void GameWindow::refreshPreview() {
    const Move at = cursorNewer_ || hoveredCell_.row == 0 ? cursorCell_ : hoveredCell_;
    const bool cursorShown = board_->isCursorVisible() && board_->hasFocus();
    if (!previewOn_ || firstActivationPending_ || board_->isAnimating() || board_->isBusy() ||
        at.row == 0 || (at == cursorCell_ && at != hoveredCell_ && !cursorShown)) {
        board_->clearPreview();
        return;
    }
    board_->setPreview(at, game_->PreviewClick(at));
}

void GameWindow::refreshPreviewSoon() {
    // Once per change of the position, however many requests it makes.
    if (previewRefreshPending_) return;
    previewRefreshPending_ = true;
    QTimer::singleShot(0, this, [this] {
        previewRefreshPending_ = false;
        refreshPreview();
    });
}

void GameWindow::showGravity(int, int to) {
    board_->setGravity(to);
}

void GameWindow::showScoreFields(const ScoreFields& fields) {
    labels_.at(QStringLiteral("total"))->setText(Utf8(fields.total));
    labels_.at(QStringLiteral("removed"))->setText(Utf8(fields.removed));
    labels_.at(QStringLiteral("points"))->setText(Utf8(fields.points));
    refreshPreviewSoon();
}

void GameWindow::showStoneCounts(const std::array<int, 9>& counts) {
    stoneCounts_ = counts;
    if (StoneCountsWindow* window = windows_->made<StoneCountsWindow>())
        window->refreshCounts(counts); // ignored while the window is hidden
}

void GameWindow::showMoveCounter(int moves) {
    labels_.at(QStringLiteral("moves"))->setText(QString::number(moves));
    refreshGameOverNote();
}

void GameWindow::refreshGameOverNote() {
    // An ended game says so until the player moves on from its last position.
    headStrip_->setNote(game_ && game_->GameOver() ? QStringLiteral("konec hry") : QString());
}

void GameWindow::showNavigation(const NavigationState& state) {
    // Every move and step ends the advice for the position left.
    advice_->positionChanged();
    refreshGameOverNote();
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
    refreshPreviewSoon();
}

void GameWindow::showMoveMark(Move move) {
    board_->showMove(move);
}

void GameWindow::hideMoveMark(Move) {
    board_->hideShownMove();
}

void GameWindow::showMarks(const MarksState& state) {
    marks_->setText(QStringLiteral("[%1]").arg(state.count));
    marks_->setVisible(state.counterVisible);
    actions_.at(Command::Marks)->setEnabled(state.counterVisible);
    actions_.at(Command::AddMark)->setEnabled(state.addEnabled);
}

void GameWindow::showHintCounter(std::string_view text) {
    hintCounter_->setText(Utf8(text));
    hintCounter_->setVisible(true);
}

void GameWindow::hideHintCounter() {
    hintCounter_->setVisible(false);
}

void GameWindow::playGlassSound() {
    if (game_->Settings().Zvuk == 0) return;
    soundPlayer()->setSoundOn(true);
    sound_->play(SoundClip::Glass);
}

void GameWindow::showGameOver() {
    refreshGameOverNote();
    // The end window plays the end sound itself, on every showing.
    emit gameOverShown();
}

// --- Window size and place

void GameWindow::fitToField() {
    // The window follows the size of the field, at the cells the player chose.
    // Every resize on the way is the window's own, not the player's.
    fitting_ = true;
    board_->setPreferredCell(preferredCell_);
    // The sizes the layouts ask for, and the window's least size, follow the
    // new field before the window is resized: a smaller field lets it shrink.
    for (QLayout* l : {playArea_->layout(), centralWidget()->layout(), layout()}) {
        l->invalidate();
        l->activate();
    }
    const bool restored = sizeRestored_;
    sizeRestored_ = false;
    // The stored size comes first; the cells fill it.
    if (!restored && !isMaximized() && !isFullScreen()) {
        QSize target = sizeHint();
        if (const QScreen* s = screen())
            target =
                target.boundedTo(s->availableGeometry().size() - (frameGeometry().size() - size()));
        resize(target.expandedTo(minimumSizeHint()));
    }
    // Lay the field out now, so that it is drawn in its place in the first paint.
    for (QLayout* l : {layout(), centralWidget()->layout(), playArea_->layout()}) l->activate();
    fittedSize_ = size();
    fitting_ = false;
    // The stored size is the player's: its cells are the ones to keep. A
    // field the screen cannot hold at the player's cells leaves them as they are.
    if (restored) {
        preferredCell_ = BoardLayout::Fitting(board_->baseGeometry(), board_->layout().rows(),
                                              board_->layout().cols(), board_->size())
                             .geometry()
                             .cellWidth;
        board_->setPreferredCell(preferredCell_);
    }
}

void GameWindow::restoreGeometry() {
    if (!options_.folders.iniWritable) return;
    // The size is the window's inside, the place that of its frame, as they were stored.
    const int width = ini_.readInteger(IniSection::GameWindow, "Width", -1);
    const int height = ini_.readInteger(IniSection::GameWindow, "Height", -1);
    if (width > 0 && height > 0) {
        QSize size(width, height);
        if (const QScreen* s = QGuiApplication::primaryScreen())
            size = size.boundedTo(s->availableGeometry().size());
        resize(size);
        fittedSize_ = this->size();
        sizeRestored_ = true;
    }
    const int x = ini_.readInteger(IniSection::GameWindow, "Left", -1);
    const int y = ini_.readInteger(IniSection::GameWindow, "Top", -1);
    if (x >= 0 && y >= 0) {
        const QScreen* screen = QGuiApplication::screenAt(QPoint(x + 20, y + 20));
        if (screen) move(x, y);
    }
}

void GameWindow::storeGeometry() {
    if (!options_.folders.iniWritable) return;
    const QRect frame = frameGeometry();
    ini_.writeInteger(IniSection::GameWindow, "Left", frame.x());
    ini_.writeInteger(IniSection::GameWindow, "Top", frame.y());
    ini_.writeInteger(IniSection::GameWindow, "Width", width());
    ini_.writeInteger(IniSection::GameWindow, "Height", height());
    if (!ini_.commit()) ini_.discard();
}

} // namespace tumbla
