#pragma once
// The settings of a game in words, as the hall-of-fame detail panel
// ("zvolené nastavení:") and the end-of-game panel (" nastavení: ") show them.

#include "engine/GameSettings.h"

#include <array>
#include <string>

namespace tumbla {

struct SettingsPanelTexts {
    std::string size;        // "rozměr:"
    std::string colours;     // "počet barev:"
    std::string joker;       // "žolík:"
    std::string glass;       // "sklo:"
    std::string rocks;       // "skála:"
    std::string rating;      // "hodnocení:"
    std::string wells;       // "studny:"
    std::string transformer; // "transformace:"
    std::string join;        // "spojování:"
    std::string gravity;     // "gravitace:"
};

// Letters for the direction bits down, left, right, up, in that order.
using GravityLetters = std::array<const char*, 4>;
// The list of all results names them in English ...
inline constexpr GravityLetters FameGravityLetters{"D", "L", "R", "U"};
// ... the end-of-game window by their Czech initials.
inline constexpr GravityLetters EndGameGravityLetters{"D", "L", "P", "N"};

// "D-L-R-U" style; "---" for no direction or down alone.
std::string GravityText(std::uint8_t directions, const GravityLetters& letters);

SettingsPanelTexts DescribeSettings(const GameSettings& s, const GravityLetters& letters);

// The hall-of-fame detail panel.
inline SettingsPanelTexts FameDetailTexts(const GameSettings& s) {
    return DescribeSettings(s, FameGravityLetters);
}

} // namespace tumbla
