#include "engine/GameSettings.h"

#include "engine/Bytes.h"

#include <cmath>

namespace tumbla {

PackedSettings PackSettings(const GameSettings& s) {
    PackedSettings out{};
    PutU8(out, 0, s.Count);
    for (std::size_t i = 0; i < 3; ++i) PutU8(out, 1 + i, s.Pad1[i]);
    for (std::size_t i = 0; i < 8; ++i) PutI32(out, 4 + 4 * i, s.ColourMap[i]);
    PutU8(out, 36, s.Directions);
    PutU8(out, 37, s.Joly);
    PutU8(out, 38, s.Rating);
    PutU8(out, 39, s.Zvuk);
    PutU8(out, 40, s.Rows);
    PutU8(out, 41, s.Cols);
    PutU8(out, 42, s.Sklo);
    PutU8(out, 43, s.Doraz);
    PutI32(out, 44, s.BeginNumber);
    PutU8(out, 48, s.ImageSet);
    for (std::size_t i = 0; i < 3; ++i) PutU8(out, 49 + i, s.Pad2[i]);
    PutI32(out, 52, s.Back);
    PutI32(out, 56, s.Head);
    PutU8(out, 60, s.JinyZolik);
    PutU8(out, 61, s.JineSklo);
    PutU8(out, 62, s.Mrizka);
    PutU8(out, 63, s.Skala);
    PutU8(out, 64, s.Studna);
    PutU8(out, 65, s.Transformator);
    for (std::size_t i = 0; i < 6; ++i) PutU8(out, 66 + i, s.Reserved[i]);
    return out;
}

GameSettings UnpackSettings(std::span<const std::uint8_t> in) {
    GameSettings s;
    s.Count = GetU8(in, 0);
    for (std::size_t i = 0; i < 3; ++i) s.Pad1[i] = GetU8(in, 1 + i);
    for (std::size_t i = 0; i < 8; ++i) s.ColourMap[i] = GetI32(in, 4 + 4 * i);
    s.Directions = GetU8(in, 36);
    s.Joly = GetU8(in, 37);
    s.Rating = GetU8(in, 38);
    s.Zvuk = GetU8(in, 39);
    s.Rows = GetU8(in, 40);
    s.Cols = GetU8(in, 41);
    s.Sklo = GetU8(in, 42);
    s.Doraz = GetU8(in, 43);
    s.BeginNumber = GetI32(in, 44);
    s.ImageSet = GetU8(in, 48);
    for (std::size_t i = 0; i < 3; ++i) s.Pad2[i] = GetU8(in, 49 + i);
    s.Back = GetI32(in, 52);
    s.Head = GetI32(in, 56);
    s.JinyZolik = GetU8(in, 60);
    s.JineSklo = GetU8(in, 61);
    s.Mrizka = GetU8(in, 62);
    s.Skala = GetU8(in, 63);
    s.Studna = GetU8(in, 64);
    s.Transformator = GetU8(in, 65);
    for (std::size_t i = 0; i < 6; ++i) s.Reserved[i] = GetU8(in, 66 + i);
    return s;
}

int CompareSettings(const GameSettings& oldSettings, const GameSettings& newSettings) {
    if (PackSettings(oldSettings) == PackSettings(newSettings)) return 0;
    GameSettings mixed = oldSettings;
    mixed.Zvuk = newSettings.Zvuk;
    mixed.ImageSet = newSettings.ImageSet;
    mixed.Back = newSettings.Back;
    mixed.Head = newSettings.Head;
    mixed.JinyZolik = newSettings.JinyZolik;
    mixed.JineSklo = newSettings.JineSklo;
    mixed.Mrizka = newSettings.Mrizka;
    return PackSettings(mixed) == PackSettings(newSettings) ? 1 : 2;
}

int RocksMaximum(int rows, int cols) {
    // nearbyint rounds half to even in the default rounding mode.
    return static_cast<int>(std::nearbyint(cols * (rows * 0.046) + 2.8));
}

} // namespace tumbla
