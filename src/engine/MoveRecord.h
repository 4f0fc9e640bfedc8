#pragma once
// One position of a game: the board plus what the move that produced it did.
// 392 bytes, copied freely; the same layout is stored in saved games.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace tumbla {

constexpr int MaxRows = 15;
constexpr int MaxCols = 25;
constexpr int CellCount = MaxRows * MaxCols;

using StoneCode = std::uint8_t;
constexpr StoneCode StoneEmpty = 0;
constexpr StoneCode TransformerPlus = 100;
constexpr StoneCode TransformerMinus = 101;
constexpr StoneCode StoneRock = 200;
constexpr StoneCode StoneWell = 201;

// Codes a valid position may hold anywhere on the field.
constexpr bool IsKnownStoneCode(StoneCode code) {
    return code <= 8 || code == TransformerPlus || code == TransformerMinus || code == StoneRock ||
           code == StoneWell;
}
constexpr bool IsTransformer(StoneCode code) {
    return code == TransformerPlus || code == TransformerMinus;
}

enum GravityDirection : std::uint8_t {
    GravityDown = 0,
    GravityUp = 1,
    GravityLeft = 2,
    GravityRight = 3
};

// 15 x 25 cells, row-major, rows and columns counted from 1.
struct Board {
    std::array<StoneCode, CellCount> cells{};

    static constexpr int Index(int row, int col) { return (row - 1) * MaxCols + (col - 1); }
    StoneCode at(int row, int col) const { return cells[Index(row, col)]; }
    StoneCode& at(int row, int col) { return cells[Index(row, col)]; }
    bool operator==(const Board&) const = default;
};

struct MoveRecord {
    static constexpr std::size_t PackedSize = 392;

    Board board;
    std::uint8_t MoveRow = 0;
    std::uint8_t MoveCol = 0;
    std::uint8_t Gravity = GravityDown;
    std::array<std::uint8_t, 2> Reserved{};
    std::int32_t TotalScore = 0;
    std::uint16_t Removed = 0;
    std::uint16_t GlassBroken = 0;
    std::int32_t Points = 0;

    bool operator==(const MoveRecord&) const = default;
};

using PackedMoveRecord = std::array<std::uint8_t, MoveRecord::PackedSize>;

PackedMoveRecord PackMoveRecord(const MoveRecord& r);
// `in` must hold at least 392 bytes.
MoveRecord UnpackMoveRecord(std::span<const std::uint8_t> in);

// A click: a cell (row 1..15, col 1..25) or a gravity change (row 0, col = direction).
struct Move {
    std::uint8_t row = 0;
    std::uint8_t col = 0;

    static constexpr Move FromCode(int code) {
        return Move{static_cast<std::uint8_t>(code / 100), static_cast<std::uint8_t>(code % 100)};
    }
    constexpr int code() const { return row * 100 + col; }
    constexpr bool isGravityChange() const { return row == 0; }
    bool operator==(const Move&) const = default;
};

} // namespace tumbla
