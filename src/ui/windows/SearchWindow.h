#pragma once
// "        hledání:": watches the exhaustive search, which runs in a worker
// thread on its own copies, so the game window stays alive meanwhile. The
// window picks up the search's reports a few times a second.

#include "engine/MoveRecord.h"
#include "engine/Rules.h"
#include "record/Search.h"
#include "situation/Ports.h"

#include <QPointer>
#include <QTime>
#include <QWidget>

#include <memory>

class QLabel;
class QTableView;
class QTableWidget;
class QThread;
class QTimer;
class QToolButton;
class QWindow;

namespace tumbla {

class MessageBoxes;

class SearchWindow : public QWidget {
    Q_OBJECT
  public:
    static constexpr int GridRows = 250;

    // The stop question goes through `messages`; without them the window
    // asks in boxes of its own, so that the answer comes back to it.
    explicit SearchWindow(Messages& messages, QWidget* parent = nullptr);
    explicit SearchWindow(QWidget* parent = nullptr);
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

    // Rows 1.. of the grid; row 0 stands still above them in a view of its own.
    QTableWidget* grid() const { return grid_; }
    QTableView* headerRow() const { return headerRow_; }
    QToolButton* stopButton() const { return stop_; }
    QLabel* clockLabel() const { return now_; }
    QLabel* elapsedLabel() const { return elapsed_; }
    QLabel* yearsLabel() const { return years_; }

  signals:
    void searchFinished();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    class Reporter;

    SearchWindow(Messages* messages, QWidget* parent);
    void askToStop();
    void focusMoved(QWindow* now);
    void chooseTargetDepth(int row);
    void tick();
    void pullReports();
    void finish();
    void setCell(int row, int column, const QString& text);
    void layOutColumns();

    std::unique_ptr<MessageBoxes> ownMessages_;
    Messages& messages_;
    QLabel* start_;
    QLabel* now_;
    QLabel* elapsed_;
    QLabel* years_;
    QToolButton* stop_;
    QTableWidget* grid_;
    QTableView* headerRow_;
    QTimer* timer_;

    std::unique_ptr<Reporter> reporter_;
    std::unique_ptr<Search> search_;
    QThread* thread_ = nullptr;
    QTime startTime_;
    bool stopped_ = false;
    QPointer<QWindow> lastFocus_;
};

} // namespace tumbla
