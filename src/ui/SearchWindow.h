#pragma once
// "        hledání:": watches the exhaustive search, which runs in a worker
// thread on its own copies, so the game window stays alive meanwhile. The
// window picks up the search's reports a few times a second.

#include "engine/MoveRecord.h"
#include "engine/Rules.h"
#include "record/Search.h"
#include "situation/Ports.h"

#include <QTime>
#include <QWidget>

#include <memory>

class QLabel;
class QTableWidget;
class QThread;
class QTimer;
class QToolButton;

namespace tumbla {

class SearchWindow : public QWidget {
    Q_OBJECT
  public:
    static constexpr int GridRows = 250;

    explicit SearchWindow(Messages& messages, QWidget* parent = nullptr);
    ~SearchWindow() override;

    // Shows the window and searches from `position1`. Ignored (false) while a
    // search runs. `memory` keeps the best of the program run and must outlive
    // the window.
    bool startSearch(const Rules& rules, const MoveRecord& position1, SearchMemory& memory);
    bool running() const { return thread_ != nullptr; }
    // Asks the search to stop without a question, as losing focus does.
    void stopSearch();
    // The search of the last run, for its results; null before the first.
    const Search* lastSearch() const { return search_.get(); }

    QTableWidget* grid() const { return grid_; }
    QToolButton* stopButton() const { return stop_; }
    QLabel* clockLabel() const { return now_; }
    QLabel* elapsedLabel() const { return elapsed_; }
    QLabel* yearsLabel() const { return years_; }

  signals:
    void searchFinished();

  protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    class Reporter;

    void askToStop();
    void chooseTargetDepth(int row);
    void tick();
    void pullReports();
    void finish();
    void setCell(int row, int column, const QString& text);

    Messages& messages_;
    QLabel* start_;
    QLabel* now_;
    QLabel* elapsed_;
    QLabel* years_;
    QToolButton* stop_;
    QTableWidget* grid_;
    QTimer* timer_;

    std::unique_ptr<Reporter> reporter_;
    std::unique_ptr<Search> search_;
    QThread* thread_ = nullptr;
    QTime startTime_;
    bool stopped_ = false;
};

} // namespace tumbla
