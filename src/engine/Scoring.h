#pragma once
// Points of a move by the rating mode in force.

#include "engine/MoveRecord.h"
#include "engine/Rules.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace tumbla {

// t[1..50]; t[0] is unused. A constant table, so every machine scores alike.
extern const std::array<std::int32_t, 51> ScoreTable;
// Price of a stone by colour; index 0 (no glass colour) costs nothing.
extern const std::array<std::int32_t, 9> PriceTable;

std::int32_t ScoreOf(std::int32_t n);

// Sets `Points` from `Removed`, `GlassBroken` and the colour counters and adds
// them to `TotalScore`. Returns whether the glass sound is due (glass broke and
// sound is on); the caller may ignore it.
bool ScoreMove(MoveRecord& rec, const Rules& rules, const EngineState& state);

// "přímé", "zvýhodněné", ... (UTF-8); empty for a mode that does not exist.
std::string_view RatingName(int rating);

} // namespace tumbla
