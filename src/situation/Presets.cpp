#include "situation/Presets.h"

namespace tumbla {

const std::array<PresetLevel, 5> PresetLevels{{
    {"&Dětské", 4, 0, 0, 0, 0, 5, 10},
    {"&Lehké", 5, 0, 0, 0, 1, 7, 12},
    {"&Standard", 6, 3, 1, 0, 1, 8, 15},
    {"&Obtížnější", 7, 15, 1, 0, 5, 10, 20},
    {"&Těžké", 8, 15, 1, 2, 6, 15, 25},
}};

void ApplyPresetLevel(GameSettings& s, std::uint8_t count, std::uint8_t directions,
                      std::uint8_t joly, std::uint8_t sklo, std::uint8_t rating, std::uint8_t rows,
                      std::uint8_t cols) {
    s.Count = count;
    s.Directions = directions;
    s.Joly = joly;
    s.Sklo = sklo;
    s.Rating = rating;
    s.Rows = rows;
    s.Cols = cols;
    s.Doraz = 1;
    s.BeginNumber = 0;
    s.Skala = 0;
    s.Studna = 0;
    s.Transformator = 0;
    for (int i = 0; i < 5; ++i) s.Reserved[static_cast<std::size_t>(i)] = 0;
    NormaliseForForce(s);
}

void ApplyPresetLevel(GameSettings& s, const PresetLevel& level) {
    ApplyPresetLevel(s, level.Count, level.Directions, level.Joly, level.Sklo, level.Rating,
                     level.Rows, level.Cols);
}

void NormaliseForForce(GameSettings& s) {
    if (s.Skala != 0) s.Doraz = 0;
}

} // namespace tumbla
