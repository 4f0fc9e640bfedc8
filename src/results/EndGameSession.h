#pragma once
// The end-of-game window's state: the ranking it shows, the three switches and
// the name entry, which keeps its text from one showing to the next.

#include "results/FameRanking.h"
#include "results/HallOfFame.h"
#include "situation/Ports.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tumbla {

enum class EndGameMode {
    End,     // a game has just ended: its result can be entered
    Ranking, // the stored results of the game in force only
};

class EndGameSession {
  public:
    // A new showing: the stored results are read and ranked, with the current
    // result in end mode. The entry opens when the current result has a row.
    void begin(EndGameMode mode, const GameSettings& settings, std::int32_t totalScore,
               const HallOfFame& hall);

    // A switch was clicked: the stored results alone are ranked again. An
    // entry holding text closes (its name would go with a result no longer
    // shown); an empty one stays open for a later Enter.
    void setSwitches(const RankingSwitches& switches, const HallOfFame& hall);
    const RankingSwitches& switches() const { return switches_; }

    // Typing while the entry is open; `erase` takes back one character.
    void type(std::string_view utf8);
    void erase();

    // Enter: closes the entry and stores a non-empty name. False when the
    // entry was not open.
    bool confirmWithEnter(const HallOfFame& hall, Messages& messages);
    // "OK": only an open entry with more than blanks in it is confirmed.
    bool confirmWithOk(const HallOfFame& hall, Messages& messages);

    EndGameMode mode() const { return mode_; }
    bool entryOpen() const { return entryOpen_; }
    const std::string& entryText() const { return entryText_; }
    // "jméno:" shows the text, with "_" as the cursor while the entry is open.
    std::string nameLabel() const;
    // The row (from 0) of the current result, remembered when the entry opened.
    std::optional<std::size_t> currentRow() const { return currentRow_; }

    const std::vector<RankEntry>& ranking() const { return ranking_; }
    std::int32_t totalScore() const { return total_; }
    // The rows of the table, 15 of them, empty after the last entry.
    std::vector<std::optional<RankingRow>> rows() const;

  private:
    void confirm(const HallOfFame& hall, Messages& messages);
    // Reads the file once and keeps the ranked entries with their records.
    void rank(const HallOfFame& hall, std::optional<std::int32_t> currentPoints);

    EndGameMode mode_ = EndGameMode::Ranking;
    GameSettings settings_;
    std::int32_t total_ = 0;
    RankingSwitches switches_;
    std::vector<std::optional<FameRecord>> records_; // of ranking_, entry by entry
    std::vector<RankEntry> ranking_;
    std::string entryText_;
    bool entryOpen_ = false;
    std::optional<std::size_t> currentRow_;
    std::string currentName_; // what the current result's row shows
};

} // namespace tumbla
