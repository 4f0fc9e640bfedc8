#pragma once
// The one record that says what kind of game is played. It travels whole
// (72 bytes) into saved games, settings files and hall-of-fame records, so
// every byte of it, padding included, is kept and compared.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace tumbla {

struct GameSettings {
    static constexpr std::size_t PackedSize = 72;

    std::uint8_t Count = 8;
    std::array<std::uint8_t, 3> Pad1{};
    std::array<std::int32_t, 8> ColourMap{1, 2, 3, 4, 5, 6, 7, 8};
    std::uint8_t Directions = 0;
    std::uint8_t Joly = 0;
    std::uint8_t Rating = 1;
    std::uint8_t Zvuk = 0;
    std::uint8_t Rows = 10;
    std::uint8_t Cols = 20;
    std::uint8_t Sklo = 0;
    std::uint8_t Doraz = 1;
    std::int32_t BeginNumber = 0;
    std::uint8_t ImageSet = 0;
    std::array<std::uint8_t, 3> Pad2{};
    std::int32_t Back = 0;
    std::int32_t Head = 0xFFFFFF;
    std::uint8_t JinyZolik = 0;
    std::uint8_t JineSklo = 0;
    std::uint8_t Mrizka = 0;
    std::uint8_t Skala = 0;
    std::uint8_t Studna = 0;
    std::uint8_t Transformator = 0;
    // Offsets 66..71; the last one is the check byte of a settings file.
    std::array<std::uint8_t, 6> Reserved{};

    bool operator==(const GameSettings&) const = default;
};

// Bits of `Directions`.
enum DirectionBit : std::uint8_t { DirDown = 1, DirUp = 2, DirLeft = 4, DirRight = 8 };

using PackedSettings = std::array<std::uint8_t, GameSettings::PackedSize>;

PackedSettings PackSettings(const GameSettings& s);
// `in` must hold at least 72 bytes; bytes beyond them are ignored.
GameSettings UnpackSettings(std::span<const std::uint8_t> in);

// 0 = all 72 bytes equal, 1 = only display fields differ, 2 = a game field differs.
int CompareSettings(const GameSettings& oldSettings, const GameSettings& newSettings);

// Rocks that fit a field: Cols x (Rows x 0.046) + 2.8, rounded half to even.
int RocksMaximum(int rows, int cols);

} // namespace tumbla
