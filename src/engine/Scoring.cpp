#include "engine/Scoring.h"

#include <cstdlib>

namespace tumbla {

// t[1..15] double and add one; from t[16] on each entry is the previous times
// 1.1 rounded half to even in 80-bit arithmetic. Kept as constants so that no
// platform's floating point can change a score.
// clang-format off
const std::array<std::int32_t, 51> ScoreTable{
    0,
    1,      1,      3,      7,      15,     31,     63,     127,    255,    511,
    1023,   2047,   4095,   8191,   16383,  18021,  19823,  21805,  23986,  26385,
    29024,  31926,  35119,  38631,  42494,  46743,  51417,  56559,  62215,  68436,
    75280,  82808,  91089,  100198, 110218, 121240, 133364, 146700, 161370, 177507,
    195258, 214784, 236262, 259888, 285877, 314465, 345912, 380503, 418553, 460408,
};
// clang-format on

const std::array<std::int32_t, 9> PriceTable{0, 1, 5, 3, 1, 2, 4, 2, 5};

std::int32_t ScoreOf(std::int32_t n) {
    if (n == 0) return 0;
    // |n| of a move never comes near the 32-bit limit: at most 375 stones.
    const std::int32_t a = std::abs(n);
    const std::int32_t v =
        a <= 50 ? ScoreTable[static_cast<std::size_t>(a)] : (a - 50) * 100 + ScoreTable[50];
    return n < 0 ? -v : v;
}

bool ScoreMove(MoveRecord& rec, const Rules& rules, const EngineState& state) {
    const std::int32_t a = rec.Removed;
    const std::int32_t b = rec.GlassBroken;
    const std::int32_t d = a - b;
    const std::size_t k = state.ClickedColour <= 8 ? state.ClickedColour : 0;
    const std::int32_t clicked = state.ColourCounters[k];
    const std::int32_t glassPrice = PriceTable[rules.glass];

    std::int32_t points = rec.Points;
    switch (rules.rating) {
    case 0:
        points = d;
        break;
    case 1:
        points = ScoreOf(d);
        break;
    case 2:
        points = a == b ? 0 : d * (d / 3 + 1);
        break;
    case 5:
        points = PriceTable[k] * clicked - glassPrice * b;
        break;
    case 6:
        points = ScoreOf(clicked) * PriceTable[k] - ScoreOf(b) * glassPrice;
        break;
    case 7: {
        points = rules.glass != 0 && b != 0 ? -(b * glassPrice * (b / 3 + 1)) : 0;
        for (int i = 1; i <= rules.count; ++i)
            points += PriceTable[static_cast<std::size_t>(i)] *
                      state.ColourCounters[static_cast<std::size_t>(i)] * (a / 3 + 1);
        break;
    }
    default:
        break;
    }
    rec.Points = points;
    // A total read from a file may lie anywhere; it wraps rather than overflows.
    rec.TotalScore = static_cast<std::int32_t>(static_cast<std::uint32_t>(rec.TotalScore) +
                                               static_cast<std::uint32_t>(points));
    return b != 0 && rules.sound;
}

std::string_view RatingName(int rating) {
    switch (rating) {
    case 0:
        return "přímé";
    case 1:
        return "zvýhodněné";
    case 2:
        return "blokové";
    case 5:
        return "přímé **";
    case 6:
        return "zvýhodněné **";
    case 7:
        return "blokové **";
    default:
        return {};
    }
}

} // namespace tumbla
