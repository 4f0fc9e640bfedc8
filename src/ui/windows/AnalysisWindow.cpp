#include "ui/windows/AnalysisWindow.h"

#include "record/SearchFormat.h"
#include "ui/windows/HeadStrip.h"

#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QShortcut>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace tumbla {
namespace {

constexpr int PullInterval = 100; // ms

QTableWidgetItem* Cell(const QString& text, Qt::Alignment alignment = Qt::AlignRight) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

// Thousands and their unit are held together by no-break spaces, so that a
// wrapped line never leaves "4" at its end and "229 bodů" on the next.
QString AnalysisWindow::Points(std::int32_t points) {
    return QString::fromStdString(FormatGrouped(points, 0, "\u00a0", ","));
}

QString AnalysisWindow::PointsWithUnit(std::int32_t points) {
    const std::int64_t size = points < 0 ? -std::int64_t{points} : points;
    const char* unit = size == 1 ? "bod" : size >= 2 && size <= 4 ? "body" : "bodů";
    return Points(points) + QChar(0x00a0) + QString::fromUtf8(unit);
}

AnalysisWindow::AnalysisWindow(QWidget* parent)
    : QWidget(parent, Qt::Tool), table_(new QTableWidget(0, ColumnCount, this)),
      progress_(new QProgressBar(this)), summary_(new QLabel(this)), timer_(new QTimer(this)) {
    setObjectName(QStringLiteral("AnalysisWindow"));
    setWindowTitle(QStringLiteral("rozbor hry:"));
    HeadStrip::AttachTo(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, contentsRect().top() + 4, 6, 6);
    table_->setHorizontalHeaderLabels({QStringLiteral("č."), QStringLiteral("tah"),
                                       QStringLiteral("před tahem"), QStringLiteral("po tahu"),
                                       QStringLiteral("ztráta")});
    table_->setToolTip(
        QStringLiteral("nejlepší konečný stav, který rádce našel před tahem a po "
                       "zahraném tahu;\nkliknutím se hra vrátí k pozici před tahem"));
    table_->verticalHeader()->hide();
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table_, 1);
    progress_->setRange(0, 1000);
    progress_->setTextVisible(false);
    progress_->setMaximumHeight(12);
    layout->addWidget(progress_);
    summary_->setWordWrap(true);
    layout->addWidget(summary_);
    resize(420, 480);

    const auto choose = [this](int row, int) {
        if (row >= 0 && row < table_->rowCount()) emit positionChosen(positionOfRow(row));
    };
    connect(table_, &QTableWidget::cellClicked, this, choose);
    connect(table_, &QTableWidget::cellActivated, this, choose);
    // Esc closes it, as it closes the game's dialogs.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);
    timer_->setInterval(PullInterval);
    connect(timer_, &QTimer::timeout, this, &AnalysisWindow::pull);
}

AnalysisWindow::~AnalysisWindow() {
    // Whoever listens may be going too.
    blockSignals(true);
    stop();
}

void AnalysisWindow::analyse(SavedGame game, AdvisorLimits limits) {
    stop();
    game_ = std::move(game);
    complete_ = false;
    const int moves = std::max(0, static_cast<int>(game_.positions.size()) - 1);
    shown_.assign(static_cast<std::size_t>(moves), AnalysisRow{});
    table_->clearContents();
    table_->setRowCount(moves);
    for (int k = 1; k <= moves; ++k) {
        const MoveRecord& from = game_.positions[static_cast<std::size_t>(k - 1)];
        const int row = k - 1;
        table_->setItem(row, MoveNumber, Cell(QString::number(k)));
        table_->setItem(
            row, MovePlayed,
            Cell(QString::fromStdString(SearchMoveText(Move{from.MoveRow, from.MoveCol}.code())),
                 Qt::AlignHCenter));
        for (int column : {BestBefore, BestAfter, Loss})
            table_->setItem(row, column, Cell(QStringLiteral("…")));
    }
    progress_->setValue(0);
    progress_->show();
    show();
    raise();
    if (moves == 0) {
        complete_ = true;
        progress_->hide();
        showSummary();
        emit analysisFinished();
        return;
    }
    summary_->setText(QStringLiteral("rádce prochází hru od posledního tahu..."));

    analysis_ = std::make_unique<GameAnalysis>(game_, limits);
    shared_ = std::make_shared<Shared>();
    // The worker sees only its own copy of the game and the shared list.
    worker_ = std::thread([analysis = analysis_.get(), shared = shared_] {
        analysis->Run([&shared](const AnalysisRow& row) {
            const std::lock_guard lock(shared->mutex);
            shared->rows.push_back(row);
        });
        const std::lock_guard lock(shared->mutex);
        shared->done = true;
    });
    timer_->start();
}

void AnalysisWindow::stop() {
    timer_->stop();
    if (!worker_.joinable()) return;
    analysis_->RequestStop();
    worker_.join();
    // What came in before the stop is still worth showing.
    pull();
    if (!complete_) {
        progress_->hide();
        showSummary();
    }
}

void AnalysisWindow::hideEvent(QHideEvent* event) {
    stop();
    QWidget::hideEvent(event);
}

void AnalysisWindow::pull() {
    if (!shared_) return;
    std::vector<AnalysisRow> rows;
    bool done = false;
    {
        const std::lock_guard lock(shared_->mutex);
        rows.swap(shared_->rows);
        done = shared_->done;
    }
    for (const AnalysisRow& row : rows) showRow(row);
    if (!rows.empty()) markLosses();
    if (analysis_) progress_->setValue(static_cast<int>(std::lround(analysis_->Fraction() * 1000)));
    if (!done) return;
    timer_->stop();
    if (worker_.joinable()) worker_.join();
    shared_.reset();
    if (complete_) return;
    complete_ = std::all_of(shown_.begin(), shown_.end(),
                            [](const AnalysisRow& r) { return r.position != 0; });
    progress_->hide();
    showSummary();
    if (complete_) emit analysisFinished();
}

void AnalysisWindow::showRow(const AnalysisRow& row) {
    const int index = row.position - 1;
    if (index < 0 || index >= static_cast<int>(shown_.size())) return;
    shown_[static_cast<std::size_t>(index)] = row;
    table_->item(index, BestBefore)->setText(Points(row.bestBefore));
    table_->item(index, BestAfter)->setText(Points(row.bestAfter));
    table_->item(index, Loss)->setText(row.Loss() > 0 ? Points(row.Loss()) : QStringLiteral("0"));
}

bool AnalysisWindow::isMarked(int row) const {
    const QTableWidgetItem* item = table_->item(row, Loss);
    return item && item->data(Qt::UserRole).toBool();
}

void AnalysisWindow::markLosses() {
    // The largest losses of the rows done so far; ties go to the earlier move.
    std::vector<int> order;
    for (int i = 0; i < static_cast<int>(shown_.size()); ++i)
        if (shown_[static_cast<std::size_t>(i)].position != 0 &&
            shown_[static_cast<std::size_t>(i)].Loss() > 0)
            order.push_back(i);
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
        return shown_[static_cast<std::size_t>(a)].Loss() >
               shown_[static_cast<std::size_t>(b)].Loss();
    });
    order.resize(std::min<std::size_t>(order.size(), MarkedLosses));
    const QColor marked(0xFF, 0xD0, 0xC8);
    for (int row = 0; row < table_->rowCount(); ++row) {
        const bool on = std::find(order.begin(), order.end(), row) != order.end();
        for (int column = 0; column < ColumnCount; ++column) {
            QTableWidgetItem* item = table_->item(row, column);
            item->setBackground(on ? QBrush(marked) : QBrush());
            QFont font = item->font();
            font.setBold(on);
            item->setFont(font);
            item->setData(Qt::UserRole, on);
        }
    }
}

void AnalysisWindow::showSummary() {
    const int moves = static_cast<int>(shown_.size());
    if (moves == 0) {
        summary_->setText(QStringLiteral("V této hře ještě nebyl proveden žádný tah."));
        return;
    }
    const std::int32_t final = game_.positions.back().TotalScore;
    QString text = QStringLiteral("dosaženo: %1").arg(PointsWithUnit(final));
    if (shown_.front().position != 0)
        text += QStringLiteral(", nejlepší nalezené pokračování od začátku: %1")
                    .arg(PointsWithUnit(shown_.front().bestBefore));
    if (!complete_) {
        const auto done = std::count_if(shown_.begin(), shown_.end(),
                                        [](const AnalysisRow& r) { return r.position != 0; });
        text += QStringLiteral(" (rozbor přerušen, hotovo %1 z %2 tahů)").arg(done).arg(moves);
    }
    summary_->setText(text);
}

} // namespace tumbla
