#include "engine/Rules.h"

#include <algorithm>

namespace tumbla {

Rules RulesFromSettings(const GameSettings& s) {
    Rules r;
    r.rows = std::clamp<int>(s.Rows, 5, 15);
    r.cols = std::clamp<int>(s.Cols, 10, 25);
    r.count = std::clamp<int>(s.Count, 4, 8);
    // A joker or glass colour beyond the colour table names no stone at all.
    r.joker = s.Joly <= 8 ? s.Joly : 0;
    r.glass = s.Sklo <= 8 ? s.Sklo : 0;
    r.closeUp = s.Doraz;
    r.directions = s.Directions & 15;
    r.rating = s.Rating;
    r.sound = s.Zvuk != 0;
    r.barriers = s.Skala != 0 || s.Studna != 0;
    r.wells = s.Studna != 0;
    r.transformer = s.Transformator != 0;
    return r;
}

} // namespace tumbla
