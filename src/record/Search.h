#pragma once
// The exhaustive search: every sequence of candidate moves from position 1 of
// a situation to its end, depth first, for the highest final score. It works
// on its own copies, candidate lists and engine state, so it can run in a
// worker thread while the game goes on untouched. Its window reads it through
// a SearchReporter and steers it through RequestStop and SetTargetDepth.

#include "engine/MoveRecord.h"
#include "engine/Rules.h"
#include "record/SearchReporter.h"

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <vector>

namespace tumbla {

// The tables of a search hold this many depths; a position that deep ends its path.
constexpr int SearchDepthLimit = 300;

// Kept for the whole program run: a later search shows a best path only when
// it beats the best of an earlier one.
struct SearchMemory {
    std::int32_t BestScore = 0;
    int BestPathShown = 0;
};

// The candidates the search tries at a position of the given depth: those of
// the hint, with the lock of the path and "after a gravity change" judged by
// the move that produced the position (position 1 counts as after a stone
// move), and only moves a player could make.
void ListSearchCandidates(const MoveRecord& rec, const Rules& rules, const EngineState& state,
                          int depth, CandidateList& out);

class Search {
  public:
    // `memory` and `reporter` (may be null) must outlive the search.
    Search(const Rules& rules, SearchMemory& memory, SearchReporter* reporter = nullptr);

    // Searches from `position1` with the lock clear until every sequence has
    // been tried or the search is stopped. Blocks; run it in a worker thread.
    void StartSearch(const MoveRecord& position1);

    // From any thread while the search runs, or before StartSearch begins
    // (they apply to that run). A stop takes effect at the next candidate, a
    // few microseconds later.
    void RequestStop() { stop_.store(true, std::memory_order_relaxed); }
    // A grid row chosen by the player: deeper levels give up their branches and
    // that level goes on with its next candidate; row 0 ends the search.
    void SetTargetDepth(int row) { targetDepth_.store(row, std::memory_order_relaxed); }
    bool Finished() const { return finished_.load(std::memory_order_acquire); }

    // Settings for a run, made before StartSearch.
    void SetLeafLimit(std::uint64_t leaves) { leafLimit_ = leaves; } // 0 = none
    void SetDepthLimit(int depth);                                   // 1..300
    void SetProgressInterval(std::chrono::milliseconds interval) { interval_ = interval; }

    // Results of the last run, read after it.
    std::uint64_t LeafCount() const { return leaves_; }
    std::uint64_t NodeCount() const { return nodes_; }
    double MaxEstimate() const { return maxEstimate_; }
    bool Complete() const { return complete_; }
    // The highest final score reached in this run (whatever earlier runs found)
    // and the moves to the first end position that reached it.
    std::int32_t HighestScore() const { return highest_; }
    const std::vector<int>& HighestPath() const { return highestPath_; }

  private:
    struct Level {
        MoveRecord position;
        EngineState state;
        CandidateList candidates;
        double estimate = 1; // product of the candidate counts above this depth
    };
    // What grid column 0 holds in a row this search has touched.
    struct ProgressRow {
        bool filled = false;
        int index = 0;
        int count = 0;
        std::int32_t best = 0;
    };

    std::int32_t SearchNode(int depth);
    std::int32_t Leaf(int depth);
    void ShowBestPath(int length);
    void ClearProgressRows(int from, int to);
    void MaybePublishProgress();
    void PublishProgress();
    std::int64_t ElapsedSeconds() const;

    Rules rules_;
    SearchMemory& memory_;
    SearchReporter* reporter_;

    std::atomic<bool> stop_{false};
    std::atomic<int> targetDepth_{-1};
    std::atomic<bool> finished_{true};

    std::uint64_t leafLimit_ = 0;
    int depthLimit_ = SearchDepthLimit;
    std::chrono::milliseconds interval_{250};

    std::vector<Level> levels_; // [1..depthLimit]
    std::array<int, SearchDepthLimit + 1> pathMove_{};
    std::array<ProgressRow, SearchDepthLimit + 1> rows_{};
    int rowsTouched_ = 0;
    int lastDepth_ = 0;

    std::uint64_t leaves_ = 0;
    std::uint64_t nodes_ = 0;
    int leafCounter_ = 0;
    double maxEstimate_ = 0;
    bool complete_ = false;
    bool anyLeaf_ = false;
    std::int32_t highest_ = 0;
    std::vector<int> highestPath_;

    std::chrono::steady_clock::time_point started_;
    std::chrono::steady_clock::time_point lastPublish_;
    int ticks_ = 0;
};

} // namespace tumbla
