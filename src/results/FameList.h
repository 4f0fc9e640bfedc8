#pragma once
// The list of all results that the hall-of-fame window shows: sorted entries
// and the texts of their rows.

#include "results/FameRecord.h"
#include "results/FameSortKey.h"
#include "results/HallOfFame.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tumbla {

struct FameListEntry {
    std::string key;    // the five segments
    std::size_t number; // the record it stands for
};

// Entries of `records` (numbered by position) in ascending key order. Keys
// that the collation finds equal keep record number order, which is what the
// number at the key's end decides for up to 10 000 records and still decides
// beyond them.
std::vector<FameListEntry> SortFameList(const std::vector<FameRecord>& records,
                                        const FameKeyOrder& order, const FameFilters& filters,
                                        const KeyCollation& collation);

inline constexpr std::size_t FameColumnCount = 8;
inline constexpr std::array<std::string_view, FameColumnCount> FameColumnCaptions{
    "###", "jméno", "body", "datum", "čas", "číslo sit.", "nastavení", "záznam"};
inline constexpr std::array<int, FameColumnCount> FameColumnWidths{50, 120, 80, 80, 70, 90, 85, 50};

// A row carries its record number itself: the window deletes and takes over
// by it, never by reading it back out of the row's text.
struct FameRow {
    std::size_t number = 0;
    std::array<std::string, FameColumnCount> texts;
};

// The texts of row `position` (from 1) for record `number`.
FameRow MakeFameRow(std::size_t position, const FameRecord& r, std::size_t number);

// Every row of the sorted list, in order.
std::vector<FameRow> BuildFameRows(const std::vector<FameRecord>& records,
                                   const std::vector<FameListEntry>& sorted);

// Reads the file and lists it: what the window shows on opening and on "seřaď".
// A missing or unreadable file gives an empty list.
std::vector<FameRow> ListHallOfFame(const HallOfFame& hall, const FameKeyOrder& order,
                                    const FameFilters& filters, const KeyCollation& collation);

} // namespace tumbla
