#include "record/DemoChoice.h"

#include "situation/Presets.h"

namespace tumbla {

GameSettings DemoSettings(const GameSettings& player) {
    GameSettings s = player;
    s.Joly = 1;
    s.Sklo = 2;
    s.JinyZolik = 24;
    s.JineSklo = 22;
    ApplyPresetLevel(s, 6, DirDown | DirUp | DirLeft | DirRight, 1, 2, 6, 7, 12);
    return s;
}

std::optional<DemoPick> ChooseDemoMove(Random& rng, bool previousWasGravity, int rows, int cols,
                                       const std::function<bool(Move)>& isValid) {
    const std::uint32_t d = rng.Next(10);
    if (d < 4 && !previousWasGravity) {
        const Move gravity{0, static_cast<std::uint8_t>(d)};
        if (isValid(gravity)) return DemoPick{gravity, true};
    }
    if (rows < 1 || cols < 1) return std::nullopt;
    const int n = rows * cols;
    const int start = static_cast<int>(rng.Next(static_cast<std::uint32_t>(n)));
    int k = start;
    do {
        const Move cell{static_cast<std::uint8_t>(k / cols + 1),
                        static_cast<std::uint8_t>(k % cols + 1)};
        if (isValid(cell)) return DemoPick{cell, false};
        k = (k + 1) % n;
    } while (k != start);
    return std::nullopt;
}

} // namespace tumbla
