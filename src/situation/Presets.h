#pragma once
// The five preset levels of the settings menu.

#include "engine/GameSettings.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace tumbla {

struct PresetLevel {
    std::string_view caption; // menu caption with its accelerator (UTF-8)
    std::uint8_t Count, Directions, Joly, Sklo, Rating, Rows, Cols;
};

extern const std::array<PresetLevel, 5> PresetLevels;

// Sets the seven fields and resets the others that a level does not keep:
// join left, a random situation, no rocks, wells or transformer, reserved
// bytes 66..70 cleared. Pictures, grid, sound and colours stay.
void ApplyPresetLevel(GameSettings& s, std::uint8_t count, std::uint8_t directions,
                      std::uint8_t joly, std::uint8_t sklo, std::uint8_t rating, std::uint8_t rows,
                      std::uint8_t cols);
void ApplyPresetLevel(GameSettings& s, const PresetLevel& level);

// What putting settings in force derives from them: rocks forbid closing up.
void NormaliseForForce(GameSettings& s);

} // namespace tumbla
