// The windows the game window opens: made once at start and kept for the
// whole run, except the two score views, which live for one showing.

#include "ui/FormMain.h"

#include "situation/SettingsIni.h"
#include "ui/BoardWidget.h"
#include "ui/FormBody.h"
#include "ui/FormBodyGr.h"
#include "ui/FormCiSit.h"
#include "ui/FormHle.h"
#include "ui/FormInfo.h"
#include "ui/FormNaPoz.h"
#include "ui/FormNastav.h"
#include "ui/FormZnac.h"
#include "ui/HeadStrip.h"
#include "ui/StonePictures.h"
#include "ui/WindowPlacement.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QLineEdit>

namespace tumbla {

void FormMain::buildDialogs() {
    nastavForm_ = new FormNastav(nastav_, this);
    keepPlace(nastavForm_, "FormNastav");
    nastavForm_->setOkAction([this](FormNastavState& d) {
        // Settings come into force only through the file: written, then read back.
        const IniSaveResult saved =
            SaveSettingsToIni(ini_, options_.iniWritable, d, game_->Settings(), messages_);
        game_->PutSettingsInForce(saved.settings);
    });
    nastavForm_->setSaveAction([this](FormNastavState&) {
        SettingsFlowContext c = settingsFlow();
        SaveSettingsByName(c);
    });
    nastavForm_->setLoadAction([this](FormNastavState&) {
        SettingsFlowContext c = settingsFlow();
        LoadSettingsByName(c);
    });
    connect(nastavForm_, &FormNastav::backColourPreview, this, &FormMain::previewBackColour);
    connect(nastavForm_, &FormNastav::headColourPreview, this, &FormMain::previewHeadColour);

    ciSit_ = new FormCiSit(messages_, this);
    keepPlace(ciSit_, "FormCiSit");
    // The number is in view before the situation is generated from it.
    connect(ciSit_, &FormCiSit::numberChosen, this, [this](qint32 number) {
        edits_.at(QStringLiteral("number"))->setText(QString::number(number));
    });

    naPoz_ = new FormNaPoz(messages_, this);
    keepPlace(naPoz_, "FormNaPoz");
    znac_ = new FormZnac(this);
    keepPlace(znac_, "FormZnac");
    info_ = new FormInfo(this);
    keepPlace(info_, "FormInfo");
    hle_ = new FormHle(messages_, this);
    keepPlace(hle_, "FormHle");

    connect(this, &FormMain::settingsDialogRequested, this, &FormMain::openSettingsDialog);
    connect(this, &FormMain::situationNumberRequested, this, &FormMain::chooseSituationNumber);
    connect(this, &FormMain::goToPositionRequested, this, &FormMain::goToPosition);
    connect(this, &FormMain::marksWindowRequested, this, &FormMain::workWithMarks);
    connect(this, &FormMain::scoreTableRequested, this, &FormMain::showScoreTable);
    connect(this, &FormMain::scoreGraphRequested, this, &FormMain::showScoreGraph);
    connect(this, &FormMain::stoneCountsRequested, this, &FormMain::showStoneCountsWindow);
    connect(this, &FormMain::searchRequested, this, &FormMain::startSearch);
    for (const Command c : {Command::ByNumber, Command::Settings, Command::ScoreTable,
                            Command::ScoreGraph, Command::StoneCounts})
        actions_.at(c)->setEnabled(true);
}

SettingsFlowContext FormMain::settingsFlow() {
    return SettingsFlowContext{ini_,      options_.iniWritable,     nastav_, files_,
                               messages_, options_.programDirectory};
}

// --- Window places

void FormMain::keepPlace(QWidget* window, const char* section) {
    if (options_.iniWritable) RestoreWindowPlacement(*window, ini_, section);
    placeSections_[window] = section;
    window->installEventFilter(this);
}

void FormMain::savePlace(const QWidget* window) {
    const auto it = placeSections_.find(window);
    if (!options_.iniWritable || it == placeSections_.end()) return;
    if (!SaveWindowPlacement(*window, ini_, it->second) || !ini_.commit()) ini_.discard();
}

bool FormMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide && placeSections_.count(watched))
        savePlace(static_cast<QWidget*>(watched));
    return QMainWindow::eventFilter(watched, event);
}

namespace {

// A score view is made for one showing and kept in its place like the others.
template <typename View>
void ShowScoreView(QWidget* parent, IniStoreQt& ini, bool iniWritable, const char* section) {
    View view(parent);
    if (iniWritable) RestoreWindowPlacement(view, ini, section);
    view.exec();
    if (iniWritable && (!SaveWindowPlacement(view, ini, section) || !ini.commit())) ini.discard();
}

} // namespace

// --- The commands

void FormMain::openSettingsDialog() {
    const GameSettings kept = game_->Settings();
    if (!nastavForm_->ask(kept)) {
        // A refused OK may already have put the dialog's settings in force.
        if (PackSettings(kept) != PackSettings(game_->Settings())) game_->PutSettingsInForce(kept);
        return;
    }
    const int change = CompareSettings(kept, game_->Settings());
    if (change == 1) {
        // Only the look changed: the same stones in new pictures and grid.
        board_->setSettings(game_->Settings());
        board_->setBoard(shown_);
        if (info_->isVisible()) setUpStoneCountsWindow();
    } else if (change == 2) {
        game_->NewSituation();
    }
    if (change != 0) game_->ShowScoreFields(game_->Current());
}

void FormMain::chooseSituationNumber() {
    const std::optional<std::int32_t> number = ciSit_->ask();
    if (!number) return;
    game_->SetSituationNumber(*number);
    game_->NewSituation();
}

void FormMain::goToPosition() {
    game_->GoToPosition([this] { return naPoz_->ask(game_->LastPosition()); });
}

void FormMain::workWithMarks() {
    game_->WorkWithMarks([this](MarksDialog& marks) {
        // Each deletion in the window shows on the counter at once.
        const auto follow = connect(znac_, &FormZnac::marksChanged, this,
                                    [this, &marks] { game_->TakeMarks(marks); });
        const std::optional<int> chosen = znac_->ask(marks);
        disconnect(follow);
        return chosen;
    });
}

void FormMain::showScoreTable() {
    ShowScoreView<FormBody>(this, ini_, options_.iniWritable, "FormBody");
}

void FormMain::showScoreGraph() {
    ShowScoreView<FormBodyGr>(this, ini_, options_.iniWritable, "FormBodyGr");
}

void FormMain::setUpStoneCountsWindow() {
    const GameSettings& s = game_->Settings();
    std::array<QPixmap, 8> pictures;
    for (int c = 1; c <= 8; ++c)
        pictures[std::size_t(c - 1)] = StonePictures::pixmap(
            PictureOfCode(static_cast<StoneCode>(c), s), FormInfo::CellSize, devicePixelRatioF());
    info_->setUp(s.Count, s.Rating, pictures);
}

void FormMain::showStoneCountsWindow() {
    setUpStoneCountsWindow();
    info_->show();
    info_->raise();
    info_->refreshCounts(stoneCounts_);
}

void FormMain::startSearch() {
    // The search works on its own copies in a worker thread, so the game and
    // its drawing go on untouched; a second start while one runs is ignored.
    if (firstActivationPending_ || hle_->running()) return;
    hle_->startSearch(game_->CurrentRules(), game_->Position(1), searchMemory_);
}

// --- Previews of the settings dialog

void FormMain::previewBackColour(const QColor& colour) {
    GameSettings s = game_->Settings();
    s.Back = FormNastav::BgrOf(colour);
    board_->setSettings(s);
    QPalette palette = playArea_->palette();
    palette.setColor(QPalette::Window, board_->backgroundColour());
    playArea_->setPalette(palette);
}

void FormMain::previewHeadColour(const QColor& colour) {
    const std::int32_t value = FormNastav::BgrOf(colour);
    for (QWidget* window : QApplication::topLevelWidgets())
        for (HeadStrip* strip : window->findChildren<HeadStrip*>()) strip->setColourValue(value);
}

} // namespace tumbla
