#include "advisor/GameAnalysis.h"

#include <algorithm>

namespace tumbla {

GameAnalysis::GameAnalysis(SavedGame game, AdvisorLimits limits)
    : game_(std::move(game)), limits_(limits) {}

AdvisorResult GameAnalysis::Advise(int positions, const std::vector<int>& offered) {
    SavedGame upTo;
    upTo.settings = game_.settings;
    upTo.positions.assign(game_.positions.begin(), game_.positions.begin() + positions);
    Advisor advisor(std::move(upTo), limits_);
    if (!offered.empty()) advisor.Offer(offered);
    {
        const std::lock_guard lock(currentMutex_);
        if (stop_.load()) return {};
        current_.store(&advisor);
    }
    AdvisorResult result = advisor.Run();
    const std::lock_guard lock(currentMutex_);
    current_.store(nullptr);
    return result;
}

std::vector<AnalysisRow> GameAnalysis::Run(const std::function<void(const AnalysisRow&)>& onRow) {
    std::vector<AnalysisRow> rows;
    const int p = static_cast<int>(game_.positions.size());
    if (p < 1) return rows;
    AdvisorResult after = Advise(p, {});
    done_.store(1);
    for (int k = p - 1; k >= 1 && !stop_.load(); --k) {
        const MoveRecord& from = game_.positions[static_cast<std::size_t>(k - 1)];
        const int move = Move{from.MoveRow, from.MoveCol}.code();
        std::vector<int> played{move};
        played.insert(played.end(), after.line.begin(), after.line.end());
        AdvisorResult before = Advise(k, played);
        if (stop_.load()) break;
        AnalysisRow row;
        row.position = k;
        row.move = move;
        row.bestBefore = before.score;
        row.bestAfter = after.score;
        row.bestLine = before.line;
        row.honest = before.honest && after.honest;
        if (onRow) onRow(row);
        rows.push_back(std::move(row));
        after = std::move(before);
        done_.store(p - k + 1);
    }
    std::reverse(rows.begin(), rows.end());
    return rows;
}

void GameAnalysis::RequestStop() {
    const std::lock_guard lock(currentMutex_);
    stop_.store(true);
    if (Advisor* advisor = current_.load()) advisor->RequestStop();
}

double GameAnalysis::Fraction() const {
    const int p = static_cast<int>(game_.positions.size());
    return p == 0 ? 1.0 : static_cast<double>(done_.load()) / p;
}

} // namespace tumbla
