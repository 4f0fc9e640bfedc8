#include "situation/SettingsCheck.h"

namespace tumbla {

int CheckSettings(const GameSettings& s) {
    auto within = [](int v, int lo, int hi) { return v >= lo && v <= hi; };
    if (!within(s.Rows, 5, 15)) return 1;
    if (!within(s.Cols, 10, 25)) return 2;
    if (!within(s.Count, 4, 8)) return 3;
    if (s.Joly > s.Count) return 4;
    // Down alone is fixed gravity, stored as 0; any other direction comes with down.
    const bool directionsMade = s.Directions == 0 || (s.Directions <= 15 && s.Directions != 1 &&
                                                      (s.Directions & DirDown) != 0);
    if (!directionsMade || s.Transformator > 1) return 5;
    if (!(s.Rating <= 2 || within(s.Rating, 5, 7))) return 6;
    if (s.Skala > 20) return 7;
    if (s.Sklo > s.Count) return 8;
    if (s.Joly != 0 && s.Joly == s.Sklo) return 11;
    if (s.Doraz > 2 || s.Studna > 3) return 9;
    // The game only ever deals colours 1..8 in their own order; another map
    // would turn an honest situation number into a board of the file's choosing.
    for (std::size_t i = 0; i < s.ColourMap.size(); ++i)
        if (s.ColourMap[i] != static_cast<std::int32_t>(i + 1)) return 12;
    const bool looksKnown = s.Zvuk <= 1 && s.ImageSet <= 14 &&
                            (s.JinyZolik == 0 || s.JinyZolik == 24) &&
                            (s.JineSklo == 0 || s.JineSklo == 22) && s.Mrizka <= 3;
    return looksKnown ? 0 : 12;
}

} // namespace tumbla
