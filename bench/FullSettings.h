#pragma once
// The heaviest game the settings allow: the largest field, eight colours and
// every special stone, all four gravity directions, the richest rating.

#include "engine/GameSettings.h"

namespace tumbla {

inline GameSettings FullSettings() {
    GameSettings s;
    s.Rows = 15;
    s.Cols = 25;
    s.Count = 8;
    s.Joly = 1;
    s.Sklo = 2;
    s.Skala = 10;
    s.Studna = 2;
    s.Transformator = 1;
    s.Directions = 15;
    s.Doraz = 0;
    s.Rating = 6;
    return s;
}

} // namespace tumbla
