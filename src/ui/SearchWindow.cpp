#include "ui/SearchWindow.h"

#include "record/SearchFormat.h"
#include "record/SearchReporter.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QStyle>
#include <QTableWidget>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <mutex>
#include <optional>

namespace tumbla {

// Takes the search's reports in its thread and keeps them until the window
// fetches them: the latest progress and figures, and every best path in turn.
class SearchWindow::Reporter : public SearchReporter {
  public:
    struct BestPath {
        std::vector<std::string> rows;
        int clearTo = 0;
    };
    struct Pending {
        std::optional<std::vector<std::string>> progress;
        std::vector<BestPath> paths;
        std::optional<double> estimate;
        std::optional<SearchShareDone> share;
    };

    void ShowProgress(const std::vector<std::string>& rows) override {
        const std::lock_guard lock(mutex_);
        pending_.progress = rows;
    }
    void ShowBestPath(const std::vector<std::string>& rows, int clearTo) override {
        const std::lock_guard lock(mutex_);
        pending_.paths.push_back({rows, clearTo});
    }
    void ShowEstimate(double maxEstimate) override {
        const std::lock_guard lock(mutex_);
        pending_.estimate = maxEstimate;
    }
    void ShowShareDone(const SearchShareDone& share) override {
        const std::lock_guard lock(mutex_);
        pending_.share = share;
    }
    Pending take() {
        const std::lock_guard lock(mutex_);
        return std::exchange(pending_, Pending{});
    }

  private:
    std::mutex mutex_;
    Pending pending_;
};

namespace {

QString TimeText(const QTime& time) {
    return time.toString(QStringLiteral("H:mm:ss"));
}

QLabel* Value(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setMinimumWidth(60);
    return label;
}

} // namespace

SearchWindow::SearchWindow(Messages& messages, QWidget* parent)
    : QWidget(parent, Qt::Window), messages_(messages), start_(Value(this)), now_(Value(this)),
      elapsed_(Value(this)), years_(Value(this)), stop_(new QToolButton(this)),
      grid_(new QTableWidget(GridRows, 2, this)), timer_(new QTimer(this)),
      reporter_(std::make_unique<Reporter>()) {
    setWindowTitle(QStringLiteral("        hledání:"));
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    const auto caption = [&](const char* text, QLabel* value) {
        bar->addWidget(new QLabel(QString::fromUtf8(text), this));
        bar->addWidget(value);
    };
    caption("start:", start_);
    caption("nyní:", now_);
    caption("trvání:", elapsed_);
    caption("předp. doba v rocích:", years_);
    stop_->setIcon(style()->standardIcon(QStyle::SP_BrowserStop));
    bar->addWidget(stop_);
    bar->addStretch(1);
    layout->addLayout(bar);
    layout->addWidget(grid_);

    grid_->horizontalHeader()->hide();
    grid_->verticalHeader()->hide();
    grid_->setColumnWidth(0, 178);
    grid_->setColumnWidth(1, 149);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setWordWrap(false);
    grid_->verticalHeader()->setMinimumSectionSize(1);
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 4);
    for (int row = 0; row < GridRows; ++row)
        for (int column = 0; column < 2; ++column)
            grid_->setItem(row, column, new QTableWidgetItem);
    // Row 0 is the fixed header row with the estimate and the share done.
    for (int column = 0; column < 2; ++column)
        grid_->item(0, column)->setBackground(palette().button());
    resize(178 + 149 + 60, 420);

    connect(stop_, &QToolButton::clicked, this, &SearchWindow::askToStop);
    connect(grid_, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { chooseTargetDepth(row); });
    timer_->setInterval(250);
    connect(timer_, &QTimer::timeout, this, &SearchWindow::tick);
}

// The clock and the reports run only while there is a window to show them in.
void SearchWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    tick();
    timer_->start();
}

void SearchWindow::hideEvent(QHideEvent* event) {
    timer_->stop();
    QWidget::hideEvent(event);
}

SearchWindow::~SearchWindow() {
    if (thread_) {
        search_->RequestStop();
        thread_->wait();
    }
}

bool SearchWindow::startSearch(const Rules& rules, const MoveRecord& position1,
                               SearchMemory& memory) {
    // A second start while one runs would share nothing, but the player asked
    // for one search; the running one goes on.
    if (running()) return false;
    search_ = std::make_unique<Search>(rules, memory, reporter_.get());
    stopped_ = false;
    startTime_ = QTime::currentTime();
    start_->setText(TimeText(startTime_));
    elapsed_->setText(TimeText(QTime(0, 0)));
    show();
    raise();
    activateWindow();

    Search* search = search_.get();
    thread_ = QThread::create([search, position1] { search->StartSearch(position1); });
    connect(thread_, &QThread::finished, this, &SearchWindow::finish);
    thread_->start();
    return true;
}

void SearchWindow::stopSearch() {
    if (!running()) return;
    stopped_ = true;
    search_->RequestStop();
}

void SearchWindow::askToStop() {
    if (!running()) return;
    if (messages_.askConfirmation("Chcete skutečně ukončit hledání?") == Answer::No) return;
    stopSearch();
}

void SearchWindow::chooseTargetDepth(int row) {
    if (running()) search_->SetTargetDepth(row);
}

void SearchWindow::changeEvent(QEvent* event) {
    // Turning to another window, the game's included, ends the search.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) stopSearch();
    QWidget::changeEvent(event);
}

void SearchWindow::tick() {
    const QTime now = QTime::currentTime();
    now_->setText(TimeText(now));
    // The elapsed time stands still once the search is stopped or done.
    if (running() && !stopped_)
        elapsed_->setText(TimeText(QTime(0, 0).addSecs(startTime_.secsTo(now) % 86400)));
    pullReports();
}

void SearchWindow::setCell(int row, int column, const QString& text) {
    if (row < 0 || row >= GridRows) return; // deeper levels have no row to show
    grid_->item(row, column)->setText(text);
}

void SearchWindow::pullReports() {
    Reporter::Pending pending = reporter_->take();
    const QLocale locale;
    const std::string group = QString(locale.groupSeparator()).toStdString();
    const std::string decimal = QString(locale.decimalPoint()).toStdString();
    for (const Reporter::BestPath& path : pending.paths) {
        const int k = static_cast<int>(path.rows.size());
        for (int j = 1; j <= k; ++j)
            setCell(j, 1, QString::fromStdString(path.rows[std::size_t(j - 1)]));
        for (int j = k + 1; j <= path.clearTo; ++j) {
            setCell(j, 0, {});
            setCell(j, 1, {});
        }
    }
    if (pending.progress)
        for (std::size_t i = 0; i < pending.progress->size(); ++i)
            setCell(static_cast<int>(i) + 1, 0, QString::fromStdString((*pending.progress)[i]));
    if (pending.estimate)
        setCell(0, 0, QString::fromStdString(FormatGrouped(*pending.estimate, 0, group, decimal)));
    if (pending.share) {
        setCell(0, 1,
                QString::fromStdString(FormatShareDone(pending.share->leafCount,
                                                       pending.share->maxEstimate, decimal)));
        years_->setText(
            QString::fromStdString(FormatGrouped(pending.share->years, 2, group, decimal)));
    }
}

void SearchWindow::finish() {
    thread_->deleteLater();
    thread_ = nullptr;
    stopped_ = true;
    pullReports();
    emit searchFinished();
}

} // namespace tumbla
