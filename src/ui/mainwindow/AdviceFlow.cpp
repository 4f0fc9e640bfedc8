#include "ui/mainwindow/AdviceFlow.h"

#include "record/Game.h"
#include "record/SavedGame.h"
#include "ui/windows/AnalysisWindow.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QProgressBar>
#include <QShortcut>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace tumbla {
namespace {

constexpr int PollInterval = 50; // ms

} // namespace

int AdviceFlow::Threads() {
    const int cores = static_cast<int>(std::thread::hardware_concurrency());
    return std::clamp(cores - 1, 1, 16);
}

AdviceFlow::AdviceFlow(Game& game, QWidget* panel)
    : QObject(panel), game_(game), progress_(new QProgressBar(panel)), status_(new QLabel(panel)),
      timer_(new QTimer(this)) {
    progress_->setObjectName(QStringLiteral("adviceProgress"));
    progress_->setRange(0, 1000);
    progress_->setTextVisible(false);
    progress_->setFixedSize(ProgressWidth, 12);
    progress_->setToolTip(QStringLiteral("rádce přemýšlí (Esc přeruší)"));
    progress_->hide();
    status_->setObjectName(QStringLiteral("adviceStatus"));
    // The text takes the room the panel has left and never widens the window.
    status_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    status_->setMinimumWidth(0);
    status_->installEventFilter(this);
    timer_->setInterval(PollInterval);
    connect(timer_, &QTimer::timeout, this, &AdviceFlow::poll);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), panel);
    connect(escape, &QShortcut::activated, this, [this] {
        if (running()) cancel();
    });
    connect(this, &AdviceFlow::runningChanged, escape, &QShortcut::setEnabled);
    escape->setEnabled(false);
}

AdviceFlow::~AdviceFlow() {
    blockSignals(true);
    stopWorker();
}

void AdviceFlow::start(std::chrono::milliseconds time) {
    if (running()) return;
    advised_.reset();
    position_ = game_.CurrentPosition();
    board_ = game_.Current().board;
    AdvisorLimits limits;
    limits.time = time;
    limits.playouts = playouts_;
    // A budget is for the same advice on every machine, which a thread count
    // of the machine's own would change.
    limits.threads = playouts_ != 0 ? 1 : Threads();
    advisor_ = std::make_unique<Advisor>(SavedGameOf(game_), limits);
    shared_ = std::make_shared<Shared>();
    advisor_->SetProgressHandler(
        [shared = shared_](const AdvisorProgress& p) {
            const std::lock_guard lock(shared->mutex);
            shared->fraction = p.fraction;
        },
        std::chrono::milliseconds(PollInterval));
    // The worker sees only the advisor's copy of the game and the shared record.
    worker_ = std::thread([advisor = advisor_.get(), shared = shared_] {
        AdvisorResult result = advisor->Run();
        const std::lock_guard lock(shared->mutex);
        shared->result = std::move(result);
        shared->done = true;
    });
    progress_->setValue(0);
    progress_->show();
    say({QStringLiteral("rádce přemýšlí..."), QStringLiteral("...")});
    timer_->start();
    emit runningChanged(true);
}

void AdviceFlow::stopWorker() {
    timer_->stop();
    if (!worker_.joinable()) return;
    advisor_->RequestStop();
    worker_.join();
    shared_.reset();
    advisor_.reset();
}

void AdviceFlow::cancel() {
    const bool was = running();
    stopWorker();
    progress_->hide();
    say({});
    if (was) emit runningChanged(false);
}

void AdviceFlow::poll() {
    if (!shared_) return;
    double fraction = 0;
    bool done = false;
    AdvisorResult result;
    {
        const std::lock_guard lock(shared_->mutex);
        fraction = shared_->fraction;
        done = shared_->done;
        if (done) result = std::move(shared_->result);
    }
    progress_->setValue(static_cast<int>(std::lround(fraction * 1000)));
    if (!done) return;
    stopWorker();
    progress_->hide();
    emit runningChanged(false);
    finish(result);
}

void AdviceFlow::finish(const AdvisorResult& result) {
    // Advice for another position than the one on the board is no advice.
    if (game_.CurrentPosition() != position_ || !(game_.Current().board == board_) ||
        !result.honest) {
        say({});
        return;
    }
    if (result.line.empty()) {
        say({QStringLiteral("nejsou žádné další tahy"), QStringLiteral("žádné tahy")});
        return;
    }
    const Move move = Move::FromCode(result.line.front());
    game_.HideShownMove();
    game_.ShowMove(move);
    advised_ = move;
    const QString points = AnalysisWindow::PointsWithUnit(result.score);
    say({QStringLiteral("nejlepší nalezené pokračování: %1").arg(points),
         QStringLiteral("pokračování: %1").arg(points), points});
    emit adviceShown(move);
}

std::optional<Move> AdviceFlow::shownAdvice() const {
    if (advised_ && game_.NextMoveShown() && game_.ShownMove() == *advised_) return advised_;
    return std::nullopt;
}

bool AdviceFlow::playShownAdvice() {
    const std::optional<Move> move = shownAdvice();
    if (!move) return false;
    advised_.reset();
    game_.Click(*move);
    return true;
}

void AdviceFlow::say(QStringList variants) {
    said_ = std::move(variants);
    status_->setToolTip(said_.isEmpty() ? QString() : said_.front());
    fitStatus();
}

void AdviceFlow::fitStatus() {
    // The longest of the texts that fits the room the panel has left.
    const QFontMetrics metrics = status_->fontMetrics();
    const int room = status_->contentsRect().width();
    QString shown;
    for (const QString& text : said_) {
        shown = text;
        if (metrics.horizontalAdvance(text) <= room) break;
    }
    status_->setText(shown);
}

bool AdviceFlow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == status_ && event->type() == QEvent::Resize) fitStatus();
    return QObject::eventFilter(watched, event);
}

void AdviceFlow::positionChanged() {
    advised_.reset();
    if (running()) cancel();
    say({});
}

} // namespace tumbla
