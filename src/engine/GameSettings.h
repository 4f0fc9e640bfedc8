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

    // The field names are those of the INI keys and the file formats.
    std::uint8_t Count = 8; // stone colours in play, 4..8
    std::array<std::uint8_t, 3> Pad1{};
    // The stone code of each drawn colour index; the game only ever makes 1..8 in order.
    std::array<std::int32_t, 8> ColourMap{1, 2, 3, 4, 5, 6, 7, 8};
    std::uint8_t Directions = 0;  // gravity directions allowed (DirectionBit); 0 = always down
    std::uint8_t Joly = 0;        // joker colour ("žolík"): it joins any group; 0 = none
    std::uint8_t Rating = 1;      // scoring mode 0..2, plus 5 with premium stone prices
    std::uint8_t Zvuk = 0;        // sound on (1) or off (0)
    std::uint8_t Rows = 10;       // 5..15
    std::uint8_t Cols = 20;       // 10..25
    std::uint8_t Sklo = 0;        // glass colour ("sklo"): breaks and costs points; 0 = none
    std::uint8_t Doraz = 1;       // empty lines: 0 kept, 1 closed up to the left, 2 to the right
    std::int32_t BeginNumber = 0; // the situation number; 0 asks for a random one
    std::uint8_t ImageSet = 0;    // stone picture set 0..14 ("sada 1" .. "sada 15")
    std::array<std::uint8_t, 3> Pad2{};
    std::int32_t Back = 0;          // background colour of the playing area, 0x00BBGGRR
    std::int32_t Head = 0xFFFFFF;   // start colour of the title strips' gradient
    std::uint8_t JinyZolik = 0;     // 24 = draw the joker colour with its own picture, 0 = plainly
    std::uint8_t JineSklo = 0;      // 22 = draw the glass colour with its own picture, 0 = plainly
    std::uint8_t Mrizka = 0;        // grid lines between cells: 0 none, 1 white, 2 black, 3 grey
    std::uint8_t Skala = 0;         // rocks ("skála") the generator places
    std::uint8_t Studna = 0;        // wells ("studna") the generator places, 0..3
    std::uint8_t Transformator = 0; // 1 = the generator places one transformer
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
