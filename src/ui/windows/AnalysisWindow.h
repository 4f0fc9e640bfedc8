#pragma once
// "rozbor hry:": where a played game lost its points. One row per move: the
// best final total the advisor finds from the position before the move, the
// best from the position after the move played, and the difference; the
// largest losses stand out. The advisor works in a thread of its own on a copy
// of the game, and the window picks its rows up a few times a second, so it
// can be closed at any moment; closing it ends the work. A click on a row asks
// for the position the move was made from.

#include "advisor/GameAnalysis.h"
#include "record/SavedGame.h"

#include <QString>
#include <QWidget>

#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class QLabel;
class QProgressBar;
class QTableWidget;
class QTimer;

namespace tumbla {

class AnalysisWindow : public QWidget {
    Q_OBJECT
  public:
    enum Column { MoveNumber, MovePlayed, BestBefore, BestAfter, Loss, ColumnCount };
    // The rows with the largest losses (above 0) that are marked.
    static constexpr int MarkedLosses = 3;

    explicit AnalysisWindow(QWidget* parent = nullptr);
    ~AnalysisWindow() override;

    // Shows the window and analyses `game` (positions 1..P), each position
    // with `limits`. A run under way is stopped first.
    void analyse(SavedGame game, AdvisorLimits limits);
    // Ends the work; the rows done stay.
    void stop();
    bool running() const { return worker_.joinable(); }

    // The game analysed, as it was given.
    const SavedGame& game() const { return game_; }
    // The position a row's move was made from, 1..P-1.
    int positionOfRow(int row) const { return row + 1; }
    // Whether a row stands out as one of the largest losses.
    bool isMarked(int row) const;

    QTableWidget* table() const { return table_; }
    QProgressBar* progressBar() const { return progress_; }
    QLabel* summaryLabel() const { return summary_; }

    // "48 210": points grouped by threes with a space, as the game writes them.
    static QString Points(std::int32_t points);
    // With its unit as Czech says it: 1 bod, 3 body, 1 410 bodů.
    static QString PointsWithUnit(std::int32_t points);

  signals:
    void positionChosen(int position);
    void analysisFinished();

  protected:
    void hideEvent(QHideEvent* event) override;

  private:
    struct Shared {
        std::mutex mutex;
        std::vector<AnalysisRow> rows; // ready, not yet shown
        bool done = false;
    };

    void pull();
    void showRow(const AnalysisRow& row);
    void markLosses();
    void showSummary();

    QTableWidget* table_;
    QProgressBar* progress_;
    QLabel* summary_;
    QTimer* timer_;

    SavedGame game_;
    std::vector<AnalysisRow> shown_; // by row, position 1 first; position 0 while pending
    std::unique_ptr<GameAnalysis> analysis_;
    std::shared_ptr<Shared> shared_;
    std::thread worker_;
    bool complete_ = false;
};

} // namespace tumbla
