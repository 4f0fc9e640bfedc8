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

FameRanker::FameRanker(const GameSettings& current, const RankingSwitches& switches,
                       std::optional<std::int32_t> currentPoints)
    : current_(current), switches_(switches) {
    ranking_.reserve(RankingSize + 1);
    records_.reserve(RankingSize + 1);
    if (currentPoints) {
        ranking_.push_back({*currentPoints, std::nullopt});
        records_.emplace_back();
    }
}

void FameRanker::add(std::size_t number, const FameRecord& record) {
    if (!MatchesCurrentGame(record.settings, current_, switches_)) return;
    const RankEntry entry{record.points, number};
    const std::int32_t p = entry.points;
    if (ranking_.empty() || (ranking_.size() < RankingSize && ranking_.back().points >= p)) {
        ranking_.push_back(entry);
        records_.emplace_back(record);
        return;
    }
    if (ranking_.size() >= RankingSize && p < ranking_.back().points) return;
    // Before the first entry with fewer points; the fifteenth falls off.
    std::size_t at = 0;
    while (at < ranking_.size() && ranking_[at].points >= p) ++at;
    if (at == ranking_.size()) return; // a full table with nothing below p
    ranking_.insert(ranking_.begin() + static_cast<std::ptrdiff_t>(at), entry);
    records_.insert(records_.begin() + static_cast<std::ptrdiff_t>(at), record);
    if (ranking_.size() > RankingSize) {
        ranking_.pop_back();
        records_.pop_back();
    }
}

std::vector<RankEntry> RankCurrentGame(const std::vector<FameRecord>& records,
                                       const GameSettings& current, const RankingSwitches& switches,
                                       std::optional<std::int32_t> currentPoints) {
    FameRanker ranker(current, switches, currentPoints);
    for (std::size_t n = 0; n < records.size(); ++n) ranker.add(n, records[n]);
    return ranker.ranking();
}

FameRanker RankHallOfFame(const HallOfFame& hall, const GameSettings& current,
                          const RankingSwitches& switches,
                          std::optional<std::int32_t> currentPoints) {
    FameRanker ranker(current, switches, currentPoints);
    hall.forEach([&](std::size_t number, const PackedFameRecord& bytes) {
        ranker.add(number, UnpackFameRecord(bytes));
    });
    return ranker;
}

RankingRow MakeRankingRow(std::size_t position, const RankEntry& entry,
                          const std::optional<FameRecord>& record, const std::string& currentName) {
    RankingRow row;
    row.rank = RightAligned(std::to_string(position), 2);
    row.points = RightAligned(std::to_string(entry.points), 10);
    if (entry.isCurrent()) {
        row.name = currentName;
    } else if (record) {
        row.name = FameName(*record);
        row.entered = record->entered;
    }
    return row;
}

} // namespace tumbla
