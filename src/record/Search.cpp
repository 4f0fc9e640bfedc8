#include "record/Search.h"

#include "engine/Groups.h"
#include "engine/PlayMove.h"
#include "record/SearchFormat.h"

#include <algorithm>

namespace tumbla {

void ListSearchCandidates(const MoveRecord& rec, const Rules& rules, const EngineState& state,
                          int depth, CandidateList& out) {
    // Position 1 holds the move recorded from it, not one that produced it.
    const bool afterGravityChange = depth > 1 && rec.MoveRow == 0;
    ListCandidates(rec, rules, state, afterGravityChange, out);
}

Search::Search(const Rules& rules, SearchMemory& memory, SearchReporter* reporter)
    : rules_(rules), memory_(memory), reporter_(reporter),
      levels_(static_cast<std::size_t>(SearchDepthLimit) + 1) {
    highestPath_.reserve(SearchDepthLimit);
}

void Search::SetDepthLimit(int depth) {
    depthLimit_ = std::clamp(depth, 1, SearchDepthLimit);
}

void Search::StartSearch(const MoveRecord& position1) {
    // 1. A fresh run; the best score and the rows of its path stay from earlier runs.
    // The stop and the chosen row were cleared when the last run ended, so a
    // stop asked before the worker thread got here is not lost.
    finished_.store(false, std::memory_order_release);
    maxEstimate_ = 0;
    leafCounter_ = 0;
    leaves_ = 0;
    nodes_ = 0;
    complete_ = true;
    anyLeaf_ = false;
    highest_ = 0;
    highestPath_.clear();
    rows_.fill(ProgressRow{});
    rowsTouched_ = 0;
    // 2. The clock of the window's "trvání:".
    started_ = std::chrono::steady_clock::now();
    lastPublish_ = started_;
    ticks_ = 0;
    // 3. The depth the last end position was reached at.
    lastDepth_ = 0;
    // 4. Position 1 with the lock clear, as a new game starts.
    Level& first = levels_[1];
    first.position = position1;
    first.state = EngineState{};
    first.estimate = 1;
    SearchNode(1);
    // 5. The window ends up showing exactly where the search stopped.
    if (reporter_ != nullptr) PublishProgress();
    stop_.store(false, std::memory_order_relaxed);
    targetDepth_.store(-1, std::memory_order_relaxed);
    finished_.store(true, std::memory_order_release);
}

std::int32_t Search::SearchNode(int depth) {
    Level& here = levels_[static_cast<std::size_t>(depth)];
    ++nodes_;
    // 1. The candidates; the deepest level the tables hold ends its path.
    if (depth < depthLimit_)
        ListSearchCandidates(here.position, rules_, here.state, depth, here.candidates);
    else
        here.candidates.clear();
    const int count = here.candidates.count;
    // 2. No candidate: an end position.
    if (count == 0) return Leaf(depth);
    // 3. The list is this level's own; the levels below fill theirs.
    std::int32_t best = -1;
    Level& child = levels_[static_cast<std::size_t>(depth) + 1];
    const double childEstimate = here.estimate * count;
    // 4. Every candidate in turn.
    for (int i = 0; i < count; ++i) {
        // 4.1 The progress line of this depth.
        rows_[static_cast<std::size_t>(depth)] = ProgressRow{true, i + 1, count, best};
        rowsTouched_ = std::max(rowsTouched_, depth);
        // 4.2 The window learns of it a few times a second.
        if (reporter_ != nullptr) MaybePublishProgress();
        // 4.3 A stop asked for ends the search here.
        if (stop_.load(std::memory_order_relaxed)) {
            complete_ = false;
            return 0;
        }
        // 4.4 A row chosen in the grid: deeper levels give up, that level goes on.
        int target = targetDepth_.load(std::memory_order_relaxed);
        if (target >= 0) {
            if (target < depth) {
                complete_ = false;
                return best;
            }
            targetDepth_.compare_exchange_strong(target, -1, std::memory_order_relaxed);
        }
        // 4.5-4.9 The child as a performed move leaves it, lock included; the
        // glass sound it may ask for stays silent during the search.
        const int value = here.candidates.items[static_cast<std::size_t>(i)];
        pathMove_[static_cast<std::size_t>(depth)] = value;
        child.position = here.position;
        child.state = here.state;
        child.estimate = childEstimate;
        PlayMove(child.position, rules_, child.state, Move::FromCode(value));
        // 4.10 The best end score below this child.
        const std::int32_t result = SearchNode(depth + 1);
        if (result > best) best = result;
    }
    // 5. The best end score below this position.
    return best;
}

std::int32_t Search::Leaf(int depth) {
    const Level& here = levels_[static_cast<std::size_t>(depth)];
    // 1. The end score of this path, and the best path so far.
    const std::int32_t result = here.position.TotalScore;
    if (!anyLeaf_ || result > highest_) {
        anyLeaf_ = true;
        highest_ = result;
        highestPath_.assign(pathMove_.begin() + 1, pathMove_.begin() + depth);
    }
    // 2. A new best score shows its path.
    if (result > memory_.BestScore) {
        memory_.BestScore = result;
        ShowBestPath(depth - 1);
    }
    // 3. Rows of deeper paths searched before are cleared.
    if (lastDepth_ > depth) ClearProgressRows(depth, lastDepth_);
    lastDepth_ = depth;
    // 4. Counts the end positions, the counter wrapping at 1000.
    ++leaves_;
    leafCounter_ = (leafCounter_ + 1) % 1000;
    // 5. As many end positions as if every position had the candidates of this path.
    const double estimate = here.estimate;
    // 6. The largest estimate so far goes to the window.
    if (estimate > maxEstimate_) {
        maxEstimate_ = estimate;
        if (reporter_ != nullptr) reporter_->ShowEstimate(maxEstimate_);
    }
    // 7. Every 1000th end position.
    if (leafCounter_ == 0 && reporter_ != nullptr) {
        SearchShareDone share;
        share.leafCount = static_cast<double>(leaves_);
        share.maxEstimate = maxEstimate_;
        share.elapsedSeconds = ElapsedSeconds();
        share.years = EstimatedYears(share.maxEstimate, share.leafCount, share.elapsedSeconds);
        reporter_->ShowShareDone(share);
    }
    if (leafLimit_ != 0 && leaves_ >= leafLimit_) stop_.store(true, std::memory_order_relaxed);
    // 8. The end score is the value of this path.
    return result;
}

void Search::ShowBestPath(int length) {
    const int clearTo = memory_.BestPathShown;
    if (reporter_ != nullptr) {
        std::vector<std::string> rows;
        rows.reserve(static_cast<std::size_t>(length));
        for (int j = 1; j <= length; ++j)
            rows.push_back(SearchPathRow(pathMove_[static_cast<std::size_t>(j)], j == length,
                                         memory_.BestScore));
        reporter_->ShowBestPath(rows, clearTo);
    }
    // Clearing the rows after the path empties column 0 there too.
    ClearProgressRows(length + 1, clearTo);
    memory_.BestPathShown = length;
}

void Search::ClearProgressRows(int from, int to) {
    to = std::min(to, SearchDepthLimit);
    for (int r = std::max(from, 1); r <= to; ++r) rows_[static_cast<std::size_t>(r)].filled = false;
    rowsTouched_ = std::max(rowsTouched_, to);
}

void Search::MaybePublishProgress() {
    // The clock is read only every 64 candidates unless every change is wanted.
    if (interval_.count() > 0 && ++ticks_ < 64) return;
    ticks_ = 0;
    const auto now = std::chrono::steady_clock::now();
    if (now - lastPublish_ < interval_) return;
    lastPublish_ = now;
    PublishProgress();
}

void Search::PublishProgress() {
    std::vector<std::string> rows;
    rows.reserve(static_cast<std::size_t>(rowsTouched_));
    for (int r = 1; r <= rowsTouched_; ++r) {
        const ProgressRow& row = rows_[static_cast<std::size_t>(r)];
        rows.push_back(row.filled ? SearchProgressLine(r, row.index, row.count, row.best)
                                  : std::string());
    }
    reporter_->ShowProgress(rows);
}

std::int64_t Search::ElapsedSeconds() const {
    return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() -
                                                            started_)
        .count();
}

} // namespace tumbla
