#include "results/FameRanking.h"

#include "results/FameSortKey.h"

namespace tumbla {

bool MatchesCurrentGame(const GameSettings& stored, const GameSettings& current,
                        const RankingSwitches& switches) {
    if (stored.Count != current.Count || stored.Rows != current.Rows ||
        stored.Cols != current.Cols || stored.Sklo != current.Sklo ||
        stored.Rating != current.Rating || stored.Joly != current.Joly ||
        stored.Skala != current.Skala)
        return false;
    if (switches.gravity && stored.Directions != current.Directions) return false;
    // Join left and join right count as the same.
    if (switches.join && (stored.Doraz == 0) != (current.Doraz == 0)) return false;
    if (switches.situationNumber && stored.BeginNumber != current.BeginNumber) return false;
    return true;
}

std::vector<RankEntry> RankCurrentGame(const std::vector<FameRecord>& records,
                                       const GameSettings& current, const RankingSwitches& switches,
                                       std::optional<std::int32_t> currentPoints) {
    std::vector<RankEntry> ranking;
    ranking.reserve(RankingSize + 1);
    if (currentPoints) ranking.push_back({*currentPoints, std::nullopt});

    for (std::size_t n = 0; n < records.size(); ++n) {
        if (!MatchesCurrentGame(records[n].settings, current, switches)) continue;
        const RankEntry entry{records[n].points, n};
        const std::int32_t p = entry.points;
        if (ranking.empty()) {
            ranking.push_back(entry);
            continue;
        }
        if (ranking.size() < RankingSize && ranking.back().points >= p) {
            ranking.push_back(entry);
            continue;
        }
        if (ranking.size() >= RankingSize && p < ranking.back().points) continue;
        // Before the first entry with fewer points; the fifteenth falls off.
        auto at = ranking.begin();
        while (at != ranking.end() && at->points >= p) ++at;
        if (at == ranking.end()) continue; // a full table with nothing below p
        ranking.insert(at, entry);
        if (ranking.size() > RankingSize) ranking.pop_back();
    }
    return ranking;
}

RankingRow MakeRankingRow(std::size_t position, const RankEntry& entry,
                          const std::vector<FameRecord>& records, const std::string& currentName) {
    RankingRow row;
    row.rank = RightAligned(std::to_string(position), 2);
    row.points = RightAligned(std::to_string(entry.points), 10);
    if (entry.isCurrent()) {
        row.name = currentName;
    } else if (*entry.number < records.size()) {
        const FameRecord& r = records[*entry.number];
        row.name = FameName(r);
        row.entered = r.entered;
    }
    return row;
}

} // namespace tumbla
