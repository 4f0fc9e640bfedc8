#pragma once
// The two games the benchmarks play.

#include "engine/GameSettings.h"

namespace tumbla {

// The heaviest game the settings allow: the largest field, eight colours and
// every special stone, all four gravity directions, the richest rating.
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

// The classic game the playouts are compared on: 15 x 15, five colours, no
// special stones, no gravity changes, columns closing up to the left.
inline GameSettings ClassicSettings() {
    GameSettings s;
    s.Rows = 15;
    s.Cols = 15;
    s.Count = 5;
    s.Directions = 0;
    s.Doraz = 1;
    s.Rating = 0;
    return s;
}

} // namespace tumbla
