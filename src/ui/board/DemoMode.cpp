#include "ui/board/DemoMode.h"

#include "engine/Groups.h"
#include "record/Game.h"
#include "ui/board/BoardWidget.h"

#include <QTimer>

#include <cmath>

namespace tumbla {

DemoMode::DemoMode(Game& game, BoardWidget* board, QObject* parent)
    : QObject(parent), game_(game), board_(board), timer_(new QTimer(this)) {
    timer_->setInterval(TickMilliseconds);
    connect(timer_, &QTimer::timeout, this, &DemoMode::tick);
}

bool DemoMode::isRunning() const {
    return timer_->isActive();
}

void DemoMode::toggle(const QString& caption) {
    if (isRunning()) {
        stop();
    } else {
        start(caption);
    }
}

void DemoMode::start(const QString& caption) {
    if (isRunning()) return;
    savedSettings_ = game_.Settings();
    GameSettings demo = DemoSettings(savedSettings_);
    demo.BeginNumber = situationNumber_;
    game_.PutSettingsInForce(demo);
    game_.NewSituation();
    emit settingsChanged();
    choosePhase_ = true;
    pick_.reset();
    savedCaption_ = caption;
    emit captionChanged(savedCaption_ + CaptionSuffix);
    if (board_) board_->setPointerVisible(true);
    timer_->start();
}

void DemoMode::stop() {
    if (!isRunning()) return;
    emit captionChanged(savedCaption_);
    if (board_) board_->setPointerVisible(false);
    game_.HideShownMove();
    timer_->stop();
    restorePlayer();
    emit finished();
}

void DemoMode::restorePlayer() {
    game_.PutSettingsInForce(savedSettings_);
    game_.NewSituation();
    emit settingsChanged();
}

void DemoMode::endDemo() {
    timer_->stop();
    if (board_) board_->setPointerVisible(false);
    game_.HideShownMove();
    restorePlayer();
}

void DemoMode::tick() {
    if (!isRunning()) return;
    if (choosePhase_) {
        const bool previousWasGravity = pick_ && pick_->gravity;
        const Rules& rules = game_.CurrentRules();
        pick_ = ChooseDemoMove(
            game_.Generator(), previousWasGravity, rules.rows, rules.cols, [this](Move m) {
                if (m.isGravityChange() && !game_.GravityButtonEnabled(m.col)) return false;
                return IsMoveValid(game_.Current(), game_.CurrentRules(), game_.Engine(), m);
            });
        if (!pick_) {
            // Nothing can be clicked: the demo ends as its game would.
            endDemo();
        } else {
            if (!pick_->gravity) game_.ShowMove(pick_->move);
            movePointerTo(pick_->move);
        }
    } else if (pick_) {
        if (pick_->gravity) {
            game_.HideShownMove();
            game_.MakeMove(0, pick_->move.col);
        } else {
            game_.MakeMove(pick_->move.row, pick_->move.col);
            if (game_.GameOver()) endDemo();
        }
    }
    choosePhase_ = !choosePhase_;
    if (!isRunning()) {
        emit captionChanged(savedCaption_);
        emit finished();
    }
}

void DemoMode::movePointerTo(Move move) {
    if (!board_) return;
    const QRect target = board_->moveRect(move);
    const QPoint from = board_->pointerPosition();
    // The pointer's offset grows with the cells.
    const double scale = board_->cellGeometry().scale;
    const QPoint to(target.left() + static_cast<int>(std::lround(DemoPointerOffsetX * scale)),
                    target.top() + static_cast<int>(std::lround(DemoPointerOffsetY * scale)));
    for (int i = 1; i <= DemoPointerSteps; ++i) {
        board_->setPointerPosition(
            QPoint(DemoPointerStep(from.x(), to.x(), i), DemoPointerStep(from.y(), to.y(), i)));
    }
}

} // namespace tumbla
