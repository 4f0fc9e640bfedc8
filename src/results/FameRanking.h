#pragma once
// The ranking of the game in force: at most 15 results of the same game, best
// first, that the end-of-game window shows.

#include "results/FameRecord.h"
#include "results/HallOfFame.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tumbla {

inline constexpr std::size_t RankingSize = 15;

// The three switches of the end-of-game window, all on at start.
struct RankingSwitches {
    bool gravity = true;         // "gravitace:" compare the gravity set
    bool join = true;            // "spojování:" compare join on/off
    bool situationNumber = true; // "číslo situace:" compare the situation number
};

struct RankEntry {
    std::int32_t points = 0;
    std::optional<std::size_t> number; // the stored record; none for the current result

    bool isCurrent() const { return !number.has_value(); }
    bool operator==(const RankEntry&) const = default;
};

// Whether a stored result belongs to the same game. Wells and the transformer
// are not compared.
bool MatchesCurrentGame(const GameSettings& stored, const GameSettings& current,
                        const RankingSwitches& switches);

// Ranks stored results one at a time, in file order, keeping no more than the
// table holds: among equal points the current result comes first, then the
// stored ones in file order.
class FameRanker {
  public:
    FameRanker(const GameSettings& current, const RankingSwitches& switches,
               std::optional<std::int32_t> currentPoints);
    void add(std::size_t number, const FameRecord& record);

    const std::vector<RankEntry>& ranking() const { return ranking_; }
    // The stored record of each entry, in ranking order; none for the current result.
    const std::vector<std::optional<FameRecord>>& records() const { return records_; }

  private:
    GameSettings current_;
    RankingSwitches switches_;
    std::vector<RankEntry> ranking_;
    std::vector<std::optional<FameRecord>> records_;
};

// Ranks the stored `records` (numbered by position) that match `current`,
// together with the not yet stored result when `currentPoints` is given.
std::vector<RankEntry> RankCurrentGame(const std::vector<FameRecord>& records,
                                       const GameSettings& current, const RankingSwitches& switches,
                                       std::optional<std::int32_t> currentPoints);

// The same over the file, read once; a missing file ranks the current result alone.
FameRanker RankHallOfFame(const HallOfFame& hall, const GameSettings& current,
                          const RankingSwitches& switches,
                          std::optional<std::int32_t> currentPoints);

// Columns 1 to 3 of a ranking row: rank (width 2), name, points (width 10).
// The date of column 4 is shown in the system's own format: `entered` is the
// stored date, or none for the current result, which shows the present moment.
struct RankingRow {
    std::string rank;
    std::string name;
    std::string points;
    std::optional<double> entered;
};

// Row `position` (from 1) of `entry`, whose stored record is `record` (none for
// the current result); `currentName` is what the current result's row shows
// (empty until the name is confirmed).
RankingRow MakeRankingRow(std::size_t position, const RankEntry& entry,
                          const std::optional<FameRecord>& record, const std::string& currentName);

} // namespace tumbla
