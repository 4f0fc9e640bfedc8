#pragma once
// "Rada": the advisor thinks about the position on the board in a thread of
// its own, on a copy of the game, while the window stays alive; a bar in the
// indicator panel shows how far it is. Its best move is then shown with the
// shown-move marker, so that "Ukaž/proveď tah" plays it, and the final total
// of its line is said beside the bar. A move, a navigation step or Esc ends
// the thinking. The flow never changes the game by itself.

#include "advisor/Advisor.h"
#include "engine/MoveRecord.h"

#include <QObject>
#include <QStringList>

#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

class QLabel;
class QProgressBar;
class QTimer;
class QWidget;

namespace tumbla {

class Game;

class AdviceFlow : public QObject {
    Q_OBJECT
  public:
    static constexpr int ProgressWidth = 80; // the thinking bar's, in pixels
    // The bar and the text are made as children of `panel`; the caller lays them out.
    AdviceFlow(Game& game, QWidget* panel);
    ~AdviceFlow() override;

    QProgressBar* progressBar() const { return progress_; }
    QLabel* statusLabel() const { return status_; }
    // What the text beside the bar says in full; the label shows it shorter
    // where the panel has less room.
    QString statusText() const { return said_.isEmpty() ? QString() : said_.front(); }

    // Starts thinking about the current position for `time` (ignored while
    // thinking). A budget of playouts, when set, takes the place of the time
    // and makes the advice the same on every machine.
    void start(std::chrono::milliseconds time);
    void setPlayoutBudget(std::uint64_t playouts) { playouts_ = playouts; }
    std::uint64_t playoutBudget() const { return playouts_; }
    // The advisor's threads: every core but one, so the window keeps one.
    static int Threads();
    // Ends the thinking without advice.
    void cancel();
    bool running() const { return worker_.joinable(); }

    // The advised move while the marker still shows it.
    std::optional<Move> shownAdvice() const;
    // "Ukaž/proveď tah" over a shown advice plays it; false when none is shown.
    bool playShownAdvice();
    // The game moved or stepped: thinking ends and the advice is forgotten.
    void positionChanged();

  signals:
    // The marker shows `move`; "Ukaž/proveď tah" can play it now.
    void adviceShown(Move move);
    void runningChanged(bool running);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Shared {
        std::mutex mutex;
        double fraction = 0;
        bool done = false;
        AdvisorResult result;
    };

    void poll();
    void finish(const AdvisorResult& result);
    void stopWorker();
    // The texts, longest first, of which the label shows the longest that fits.
    void say(QStringList variants);
    void fitStatus();

    Game& game_;
    QProgressBar* progress_;
    QLabel* status_;
    QTimer* timer_;
    std::uint64_t playouts_ = 0;
    QStringList said_;

    std::unique_ptr<Advisor> advisor_;
    std::shared_ptr<Shared> shared_;
    std::thread worker_;
    // Where the thinking began: its advice is for this position only.
    int position_ = 0;
    Board board_{};
    std::optional<Move> advised_;
};

} // namespace tumbla
