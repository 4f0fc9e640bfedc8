#include "ui/windows/SearchWindow.h"

#include "record/SearchFormat.h"
#include "record/SearchReporter.h"
#include "ui/platform/MessageBoxes.h"
#include "ui/windows/HeadStrip.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>
#include <mutex>
#include <optional>
#include <utility>

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

SearchWindow::SearchWindow(Messages& messages, QWidget* parent) : SearchWindow(&messages, parent) {}

SearchWindow::SearchWindow(QWidget* parent) : SearchWindow(nullptr, parent) {}

SearchWindow::SearchWindow(Messages* messages, QWidget* parent)
    : QWidget(parent, Qt::Window),
      ownMessages_(messages ? nullptr : std::make_unique<MessageBoxes>()),
      messages_(messages ? *messages : *ownMessages_), start_(Value(this)), now_(Value(this)),
      elapsed_(Value(this)), years_(Value(this)), stop_(new QToolButton(this)),
      grid_(new QTableWidget(GridRows, 2, this)), headerRow_(new QTableView(this)),
      timer_(new QTimer(this)), reporter_(std::make_unique<Reporter>()) {
    // The question box belongs to this window, so answering it hands the
    // focus back here rather than to the game window.
    if (ownMessages_) ownMessages_->setParent(this);
    setWindowTitle(QStringLiteral("        hledání:"));
    HeadStrip::AttachTo(this);
    auto* layout = new QVBoxLayout(this);
    // The times on one line, the estimate in years on a line of its own,
    // where it has room for all its digits.
    auto* bar = new QGridLayout;
    bar->setHorizontalSpacing(6);
    const auto caption = [&](int row, int column, const char* text, QLabel* value) {
        bar->addWidget(new QLabel(QString::fromUtf8(text), this), row, column);
        bar->addWidget(value, row, column + 1);
    };
    caption(0, 0, "start:", start_);
    caption(0, 2, "nyní:", now_);
    caption(0, 4, "trvání:", elapsed_);
    bar->addWidget(new QLabel(QString::fromUtf8("předp. doba v rocích:"), this), 1, 0, 1, 3);
    years_->setWordWrap(true);
    bar->addWidget(years_, 1, 3, 1, 3);
    bar->setColumnStretch(5, 1);
    stop_->setIcon(style()->standardIcon(QStyle::SP_BrowserStop));
    bar->addWidget(stop_, 0, 6, 2, 1, Qt::AlignRight | Qt::AlignVCenter);
    layout->addLayout(bar);

    // Row 0, the estimate and the share done, stands still above the rows of
    // the path: a second view of the same model showing that row alone.
    auto* rows = new QVBoxLayout;
    rows->setSpacing(0);
    rows->addWidget(headerRow_);
    rows->addWidget(grid_);
    layout->addLayout(rows);

    const int rowHeight = grid_->fontMetrics().height() + 4;
    for (QTableView* view : {static_cast<QTableView*>(grid_), headerRow_}) {
        view->horizontalHeader()->hide();
        view->verticalHeader()->hide();
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        view->setWordWrap(false);
        view->verticalHeader()->setMinimumSectionSize(1);
        view->verticalHeader()->setDefaultSectionSize(rowHeight);
    }
    // An estimate of many digits runs on over more lines of row 0.
    headerRow_->setWordWrap(true);
    for (int row = 0; row < GridRows; ++row)
        for (int column = 0; column < 2; ++column)
            grid_->setItem(row, column, new QTableWidgetItem);
    headerRow_->setModel(grid_->model());
    for (int row = 1; row < GridRows; ++row) headerRow_->setRowHidden(row, true);
    grid_->setRowHidden(0, true);
    headerRow_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    headerRow_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    headerRow_->setFixedHeight(rowHeight + 2 * headerRow_->frameWidth());
    headerRow_->setFocusPolicy(Qt::NoFocus);
    QFont bold = headerRow_->font();
    bold.setBold(true);
    headerRow_->setFont(bold);
    connect(grid_->horizontalScrollBar(), &QScrollBar::valueChanged,
            headerRow_->horizontalScrollBar(), &QScrollBar::setValue);
    for (int column = 0; column < 2; ++column)
        grid_->item(0, column)->setBackground(palette().button());
    resize(std::max(560, layout->sizeHint().width()), 460);
    layOutColumns();

    connect(stop_, &QToolButton::clicked, this, &SearchWindow::askToStop);
    connect(grid_, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { chooseTargetDepth(row); });
    connect(headerRow_, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { chooseTargetDepth(index.row()); });
    // Only the game window taking the focus ends the search; the stop
    // question, or a look at another program, does not.
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &SearchWindow::focusMoved);
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

void SearchWindow::focusMoved(QWindow* now) {
    if (!now) return; // on its way between two windows
    const QPointer<QWindow> before = std::exchange(lastFocus_, now);
    if (!parentWidget() || now != parentWidget()->window()->windowHandle()) return;
    // Focus handed back by the stop question's box is not the player turning
    // to the game; only a real activation of the game window stops the search.
    if (before && before != windowHandle() && before->transientParent() == windowHandle()) return;
    stopSearch();
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
    if (row == 0) layOutColumns();
}

void SearchWindow::layOutColumns() {
    // The share done keeps to one line; the estimate has the rest of the
    // width and as many lines of row 0 as its digits need.
    const QFontMetrics metrics = headerRow_->fontMetrics();
    const int share = std::max(149, metrics.horizontalAdvance(grid_->item(0, 1)->text()) + 16);
    const int first = std::max(178, grid_->viewport()->width() - share);
    for (QTableView* view : {static_cast<QTableView*>(grid_), headerRow_}) {
        view->setColumnWidth(0, first);
        view->setColumnWidth(1, share);
    }
    headerRow_->resizeRowToContents(0);
    const int lines = std::min(headerRow_->rowHeight(0), 10 * metrics.lineSpacing() + 4);
    headerRow_->setRowHeight(0, std::max(lines, metrics.height() + 4));
    headerRow_->setFixedHeight(headerRow_->rowHeight(0) + 2 * headerRow_->frameWidth());
}

void SearchWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layOutColumns();
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
    // Numbers of many digits may run on to another line after any group.
    const QString separator = locale.groupSeparator();
    const auto breakable = [&separator](const std::string& text) {
        QString shown = QString::fromStdString(text);
        if (!separator.isEmpty()) shown.replace(separator, separator + QChar(0x200B));
        return shown;
    };
    if (pending.estimate)
        setCell(0, 0, breakable(FormatGrouped(*pending.estimate, 0, group, decimal)));
    if (pending.share) {
        setCell(0, 1,
                QString::fromStdString(FormatShareDone(pending.share->leafCount,
                                                       pending.share->maxEstimate, decimal)));
        years_->setText(breakable(FormatGrouped(pending.share->years, 2, group, decimal)));
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
