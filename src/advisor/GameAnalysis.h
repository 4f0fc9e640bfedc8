#pragma once
// Where a played game lost its points: for each move, the best final total
// the advisor finds from the position before it and from the one after it.

#include "advisor/Advisor.h"

#include <atomic>
#include <functional>
#include <mutex>
#include <vector>

namespace tumbla {

struct AnalysisRow {
    int position = 0;            // the move is made from this position, 1..P-1
    int move = 0;                // its code
    std::int32_t bestBefore = 0; // from position `position`, never below `bestAfter`
    std::int32_t bestAfter = 0;  // from position `position` + 1, after the move played
    std::vector<int> bestLine;   // the line of `bestBefore`
    bool honest = false;
    std::int32_t Loss() const { return bestBefore - bestAfter; }
};

class GameAnalysis {
  public:
    // `game` holds positions 1..P; each position gets `limits` to think.
    GameAnalysis(SavedGame game, AdvisorLimits limits);

    // Gives each row when it is ready, from the last move back to the first:
    // the line from after a move, with the move in front, is where the advice
    // before it starts. Blocks; returns the rows in the order of the game
    // (fewer when stopped).
    std::vector<AnalysisRow> Run(const std::function<void(const AnalysisRow&)>& onRow = {});
    // From any thread: the advice under way ends at once and no other starts.
    void RequestStop();
    // Positions done, of P.
    double Fraction() const;

  private:
    AdvisorResult Advise(int positions, const std::vector<int>& offered);

    SavedGame game_;
    AdvisorLimits limits_;
    std::atomic<bool> stop_{false};
    std::atomic<int> done_{0};
    std::atomic<Advisor*> current_{nullptr};
    std::mutex currentMutex_;
};

} // namespace tumbla
