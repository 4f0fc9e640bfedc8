#pragma once
// The texts of the search window. Separators come from the caller, who knows
// the user's locale; the plain code knows none.

#include <cstdint>
#include <string>
#include <string_view>

namespace tumbla {

// "2 - 3/5 - 140": depth, candidate i of N, best value so far (-1 before any).
std::string SearchProgressLine(int depth, int index, int count, std::int32_t best);

// A move of a path: "D", "N", "L", "P" for a gravity change, otherwise "row/col".
std::string SearchMoveText(int value);

// A best path row: the move, and on the last row "  [=score]" after it.
std::string SearchPathRow(int value, bool last, std::int32_t bestScore);

// A number with thousands separators and `decimals` decimals, as the user's
// locale writes it ("12 345 678", "0,25"). Infinite values read "∞".
std::string FormatGrouped(double value, int decimals, std::string_view thousandsSeparator,
                          std::string_view decimalSeparator);

// "     12000 (= 0.0001234%)": the end positions reached, right-aligned in ten
// places, and the share of the estimate done in percent with seven decimals.
std::string FormatShareDone(double leafCount, double maxEstimate,
                            std::string_view decimalSeparator);

// The estimated running time: estimate / reached x seconds, in years of 365 days.
double EstimatedYears(double maxEstimate, double leafCount, std::int64_t elapsedSeconds);

} // namespace tumbla
