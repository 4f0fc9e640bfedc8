#pragma once
// The sort key of a hall-of-fame record: five segments in the order the player
// arranged the key labels, then the record number.

#include "results/FameRecord.h"

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace tumbla {

// Letters of the key segments: B points, J name, D date, C situation number,
// N settings.
using FameKeyOrder = std::array<char, 5>;
inline constexpr FameKeyOrder DefaultFameKeyOrder{'B', 'J', 'D', 'C', 'N'};

// The ten "výběr" boxes: which parts of the settings segment take part.
using FameFilters = std::array<bool, 10>;
inline constexpr FameFilters AllFameFilters{true, true, true, true, true,
                                            true, true, true, true, true};

// Three-way comparison of two keys (UTF-8): negative, zero or positive. It must
// not regard letter case and must keep fixed-width digit runs in numeric order;
// the window passes the user's locale collation.
using KeyCollation = std::function<int(std::string_view, std::string_view)>;

// A plain stand-in for the locale: letters of the Windows-1250 page compared
// without case, then by their byte.
int CompareCaseBlind(std::string_view a, std::string_view b);

std::string PointsSegment(std::int32_t points);                                 // B
std::string NameSegment(const FameRecord& r);                                   // J
std::string DateSegment(const FameRecord& r);                                   // D
std::string SituationSegment(std::int32_t situationNumber);                     // C
std::string SettingsSegment(const GameSettings& s, const FameFilters& filters); // N

// The five segments in `order` (any letter but B, J, D and C counts as N).
std::string FameKeySegments(const FameRecord& r, const FameKeyOrder& order,
                            const FameFilters& filters);

// The record number as the key's last part: 4 digits with leading zeros.
std::string RecordNumberSegment(std::size_t number);

// The whole key: segments followed by the record number.
std::string FameSortKey(const FameRecord& r, std::size_t number, const FameKeyOrder& order,
                        const FameFilters& filters);

// `text` right-aligned in `width` with blanks in front (never cut).
std::string RightAligned(std::string_view text, std::size_t width);
// Decimal text with "0" in front up to `width` characters, its sign included (never cut).
std::string ZeroPadded(std::int64_t value, std::size_t width);

} // namespace tumbla
