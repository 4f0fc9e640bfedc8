#pragma once
// The list of all results that the hall-of-fame window shows: the records in
// sorted order, and the texts of their rows.

#include "results/FameRecord.h"
#include "results/FameSortKey.h"
#include "results/HallOfFame.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tumbla {

// Numbers of `records` (numbered by position) in ascending key order. Keys
// that the collation finds equal keep record number order, which is what the
// number at the key's end decides for up to 10 000 records and still decides
// beyond them.
std::vector<std::size_t> SortFameList(const std::vector<FameRecord>& records,
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

// The sorted list, as small as the file it comes from: the records as stored
// and their order. The texts of a row are made when the row is shown, so a
// list of a million results costs little more than the file.
class FameListing {
  public:
    FameListing() = default;
    // `records` numbered by position, sorted as SortFameList sorts.
    FameListing(std::vector<PackedFameRecord> records, const FameKeyOrder& order,
                const FameFilters& filters, const KeyCollation& collation);

    std::size_t size() const { return order_.size(); }
    bool empty() const { return order_.empty(); }
    // Row `row` (from 0): its record as the player picks it, and its texts.
    FameSelection selection(std::size_t row) const;
    FameRow row(std::size_t row) const;

  private:
    std::vector<PackedFameRecord> records_; // in file order
    std::vector<std::uint32_t> order_;      // the record shown in each row
};

// Reads the file once and lists it: what the window shows on opening and on
// "seřaď". A missing or unreadable file gives an empty list.
FameListing ListHallOfFame(const HallOfFame& hall, const FameKeyOrder& order,
                           const FameFilters& filters, const KeyCollation& collation);

} // namespace tumbla
