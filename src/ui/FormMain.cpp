#include "ui/FormMain.h"

#include "engine/Scoring.h"
#include "record/SavedGameFile.h"
#include "situation/SettingsIni.h"
#include "ui/BoardWidget.h"
#include "ui/DemoMode.h"
#include "ui/FormCiSit.h"
#include "ui/FormCopy.h"
#include "ui/FormEndG.h"
#include "ui/FormHle.h"
#include "ui/FormInfo.h"
#include "ui/FormNFam.h"
#include "ui/FormNaPoz.h"
#include "ui/FormNastav.h"
#include "ui/FormZnac.h"
#include "ui/HelpWindow.h"
#include "ui/SoundPlayer.h"
#include "ui/StonePictures.h"

#include <QAction>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cctype>

namespace tumbla {

namespace {

constexpr char Version[] = "1.19";

QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QPixmap IndicatorPixmap(PictureRef picture, const QWidget* w) {
    return StonePictures::pixmap(picture, 22, w->devicePixelRatioF());
}

} // namespace

bool FormMain::WantsLargeCells(const std::vector<std::string>& arguments) {
    return std::any_of(arguments.begin(), arguments.end(), [](const std::string& a) {
        return a.size() == 2 && a[0] == '/' &&
               std::toupper(static_cast<unsigned char>(a[1])) == 'B';
    });
}

QString FormMain::Caption() {
    return QStringLiteral("Tumbla ") + QLatin1String(Version) +
           QStringLiteral("  (verze pro Koru CD)");
}

FormMain::FormMain(StartupOptions options, QWidget* parent)
    : QMainWindow(parent), options_(std::move(options)),
      geometry_(WantsLargeCells(options_.arguments) ? CellGeometry::Large()
                                                    : CellGeometry::Normal()),
      messages_(this), files_(this),
      ini_(QString::fromStdString((options_.programDirectory / "Tumbla.ini").string())) {
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(Caption());
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
    board_->setBusy(true); // "pracuji..." until the first activation is done
    board_->setEnabled(false);
    area->addWidget(board_, 0, 0, Qt::AlignCenter);
    top->addWidget(playArea_, 1);
    top->addWidget(buildScorePanel());
    outer->addLayout(top, 1);
    outer->addWidget(buildIndicatorPanel());
    setCentralWidget(central);

    connect(board_, &BoardWidget::cellClicked, this,
            [this](int row, int col) { game_->Click(Move::FromCode(row * 100 + col)); });
    connect(board_, &BoardWidget::cellHovered, this, &FormMain::onCellHovered);

    buildDialogs();
    buildResultWindows();
    restoreGeometry();
}

FormMain::~FormMain() {
    // The search window joins its worker, which still uses the run's memory;
    // the windows go before the members they were given.
    delete demo_;
    delete copy_;
    delete nFam_;
    delete endG_;
    delete hle_;
    delete info_;
    delete znac_;
    delete naPoz_;
    delete ciSit_;
    delete nastavForm_;
    placeSections_.clear();
}

void FormMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The work waits until the window, "pracuji..." on it, is on screen.
    if (firstActivationPending_) QTimer::singleShot(0, this, &FormMain::firstActivation);
}

void FormMain::changeEvent(QEvent* event) {
    // Every activation puts the caption back; a running demo keeps its suffix,
    // so that coming back to the window never hides that the demo is playing.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        setWindowTitle(demo_ && demo_->isRunning() ? Caption() + DemoMode::CaptionSuffix : Caption());
    QMainWindow::changeEvent(event);
}

void FormMain::closeEvent(QCloseEvent* event) {
    storeGeometry();
    if (help_) help_->close();
    // The windows that stay open beside the game go with it, keeping their place.
    if (hle_) {
        hle_->stopSearch();
        hle_->close();
    }
    if (info_) info_->close();
    QMainWindow::closeEvent(event);
}

void FormMain::firstActivation() {
    if (!firstActivationPending_) return;
    firstActivationPending_ = false;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const std::optional<std::string> file = StartupFile(options_.arguments, messages_);
    if (!file || !loadFile(*file)) {
        game_->PutSettingsInForce(LoadSettingsFromIni(ini_, nastav_, game_->Settings()));
        game_->NewSituation();
    }
    board_->setBusy(false);
    board_->setEnabled(true);
    board_->resetHover();
    board_->setFocus();
}

void FormMain::bringForward() {
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}

QString FormMain::fieldText(const QString& name) const {
    if (const auto it = labels_.find(name); it != labels_.end())
        return it->second->isVisible() || !isVisible() ? it->second->text() : QString();
    if (const auto it = edits_.find(name); it != edits_.end()) return it->second->text();
    return {};
}

void FormMain::onCellHovered(int row, int col) {
    if (firstActivationPending_) return;
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

void FormMain::showSettingsInForce(const GameSettings& s) {
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
    previewHeadColour(FormNastav::ColourOf(s.Head));
    if (info_ && info_->isVisible()) setUpStoneCountsWindow();
}

void FormMain::showNewField(const FieldLayout&, const Board& board) {
    board_->setSettings(game_->Settings());
    shown_ = board;
    board_->setBoard(shown_);
    board_->resetHover();
    fitToField();
}

void FormMain::showSituation(std::int32_t number, std::string_view settingsCode) {
    edits_.at(QStringLiteral("number"))->setText(QString::number(number));
    edits_.at(QStringLiteral("code"))->setText(Utf8(settingsCode));
}

void FormMain::showCell(int row, int col, StoneCode code) {
    // The cells collect here and reach the screen in one paint.
    shown_.at(row, col) = code;
    board_->setBoard(shown_);
}

void FormMain::showGravity(int, int to) {
    board_->setGravity(to);
}

void FormMain::showScoreFields(const ScoreFields& fields) {
    labels_.at(QStringLiteral("total"))->setText(Utf8(fields.total));
    labels_.at(QStringLiteral("removed"))->setText(Utf8(fields.removed));
    labels_.at(QStringLiteral("points"))->setText(Utf8(fields.points));
}

void FormMain::showStoneCounts(const std::array<int, 9>& counts) {
    stoneCounts_ = counts;
    if (info_) info_->refreshCounts(counts); // ignored while the window is hidden
}

void FormMain::showMoveCounter(int moves) {
    labels_.at(QStringLiteral("moves"))->setText(QString::number(moves));
}

void FormMain::showNavigation(const NavigationState& state) {
    actions_.at(Command::First)->setEnabled(state.backward);
    actions_.at(Command::Back)->setEnabled(state.backward);
    actions_.at(Command::Forward)->setEnabled(state.forward);
    actions_.at(Command::Last)->setEnabled(state.forward);
    actions_.at(Command::GoTo)->setEnabled(state.goToPosition);
    actions_.at(Command::ShowMove)->setEnabled(state.showNextMove);
}

void FormMain::showLock(bool locked, int gravity) {
    board_->setGravity(gravity);
    board_->setLocked(locked);
}

void FormMain::showMoveMark(Move move) {
    board_->showMove(move);
}

void FormMain::hideMoveMark(Move) {
    board_->hideShownMove();
}

void FormMain::showMarks(const MarksState& state) {
    marks_->setText(QStringLiteral("[%1]").arg(state.count));
    marks_->setVisible(state.counterVisible);
    actions_.at(Command::Marks)->setEnabled(state.counterVisible);
    actions_.at(Command::AddMark)->setEnabled(state.addEnabled);
}

void FormMain::showHintCounter(std::string_view text) {
    hintCounter_->setText(Utf8(text));
    hintCounter_->setVisible(true);
}

void FormMain::hideHintCounter() {
    hintCounter_->setVisible(false);
}

void FormMain::playGlassSound() {
    if (game_->Settings().Zvuk == 0) return;
    if (!sound_) sound_ = new SoundPlayer(this);
    sound_->setSoundOn(true);
    sound_->play(SoundClip::Glass);
}

void FormMain::showGameOver() {
    // The end window plays the end sound itself, on every showing.
    emit gameOverShown();
}

// --- Window size and place

void FormMain::fitToField() {
    // The window follows the size of the field.
    board_->setFixedSize(board_->sizeHint());
    for (QLayout* l : {playArea_->layout(), centralWidget()->layout(), layout()}) l->invalidate();
    resize(sizeHint());
    // Lay the field out now, so that it is drawn in its place in the first paint.
    for (QLayout* l : {layout(), centralWidget()->layout(), playArea_->layout()}) l->activate();
}

void FormMain::restoreGeometry() {
    if (!options_.iniWritable) return;
    const int x = ini_.readInteger("FormMain", "Left", -1);
    const int y = ini_.readInteger("FormMain", "Top", -1);
    if (x >= 0 && y >= 0) {
        const QScreen* screen = QGuiApplication::screenAt(QPoint(x + 20, y + 20));
        if (screen) move(x, y);
    }
}

void FormMain::storeGeometry() {
    if (!options_.iniWritable) return;
    const QRect frame = frameGeometry();
    ini_.writeInteger("FormMain", "Left", frame.x());
    ini_.writeInteger("FormMain", "Top", frame.y());
    ini_.writeInteger("FormMain", "Width", width());
    ini_.writeInteger("FormMain", "Height", height());
    if (!ini_.commit()) ini_.discard();
}

} // namespace tumbla
