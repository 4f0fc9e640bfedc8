#include "results/SettingsPanel.h"

#include "engine/Scoring.h"

namespace tumbla {
namespace {

const char* const Nothing = "---";

std::string NumberOrNothing(int value) {
    return value == 0 ? Nothing : std::to_string(value);
}

std::string JoinText(int doraz) {
    switch (doraz) {
    case 0:
        return "nespojovat";
    case 1:
        return "vlevo";
    case 2:
        return "vpravo";
    default:
        return {};
    }
}

} // namespace

std::string GravityText(std::uint8_t directions, const GravityLetters& letters) {
    if ((directions & 0x0F) == 0 || (directions & 0x0F) == DirDown) return Nothing;
    const std::uint8_t bits[4] = {DirDown, DirLeft, DirRight, DirUp};
    std::string out;
    for (std::size_t i = 0; i < 4; ++i) {
        if (!(directions & bits[i])) continue;
        if (!out.empty()) out += '-';
        out += letters[i];
    }
    return out;
}

SettingsPanelTexts DescribeSettings(const GameSettings& s, const GravityLetters& letters) {
    SettingsPanelTexts t;
    t.size = std::to_string(s.Rows) + " x " + std::to_string(s.Cols);
    t.colours = std::to_string(s.Count);
    t.joker = NumberOrNothing(s.Joly);
    t.glass = NumberOrNothing(s.Sklo);
    t.rocks = NumberOrNothing(s.Skala);
    t.rating = std::string(RatingName(s.Rating));
    t.wells = NumberOrNothing(s.Studna);
    t.transformer = s.Transformator ? "ano" : Nothing;
    t.join = JoinText(s.Doraz);
    t.gravity = GravityText(s.Directions, letters);
    return t;
}

} // namespace tumbla
