#include "situation/Generator.h"

#include "engine/Gravity.h"
#include "engine/Rules.h"

#include <algorithm>

namespace tumbla {
namespace {

// A colour map entry that names no colour (a damaged file) falls back to the
// plain order, so the board never holds a code the rules do not know.
StoneCode MappedColour(const GameSettings& s, std::uint32_t index) {
    const std::int32_t code = s.ColourMap[index];
    return code >= 1 && code <= 8 ? static_cast<StoneCode>(code)
                                  : static_cast<StoneCode>(index + 1);
}

struct Cell {
    int row;
    int col;
};

// Draws row then column until the cell holds no special stone.
Cell DrawFreeCell(const Board& board, const Rules& rules, Random& rng) {
    for (;;) {
        const int r = static_cast<int>(rng.Next(static_cast<std::uint32_t>(rules.rows))) + 1;
        const int c = static_cast<int>(rng.Next(static_cast<std::uint32_t>(rules.cols))) + 1;
        if (board.at(r, c) < 100) return {r, c};
    }
}

} // namespace

std::int32_t ResolveSituationNumber(GameSettings& settings, Random& rng) {
    if (settings.BeginNumber == 0) {
        rng.setSeed(ClockSeed());
        settings.BeginNumber = static_cast<std::int32_t>(rng.Next(2147483647u));
    }
    return settings.BeginNumber;
}

GeneratedSituation GenerateBoard(const GameSettings& settings, Random& rng) {
    const Rules rules = RulesFromSettings(settings);
    GeneratedSituation out;
    out.number = settings.BeginNumber;
    rng.setSeed(static_cast<std::uint32_t>(settings.BeginNumber));
    Board& board = out.position.board;

    for (int r = 1; r <= MaxRows; ++r)
        for (int c = 1; c <= MaxCols; ++c)
            if (r <= rules.rows && c <= rules.cols)
                board.at(r, c) =
                    MappedColour(settings, rng.Next(static_cast<std::uint32_t>(rules.count)));

    // A valid record never asks for more; the caps keep the draws finite on any record.
    const int rocks = std::min<int>(settings.Skala, 20);
    const int wells = std::min<int>(settings.Studna, 3);

    for (int i = 0; i < rocks; ++i) {
        const Cell cell = DrawFreeCell(board, rules, rng);
        board.at(cell.row, cell.col) = StoneRock;
    }
    if (settings.Transformator != 0) {
        const Cell cell = DrawFreeCell(board, rules, rng);
        out.transformerRow = cell.row;
        out.transformerCol = cell.col;
        board.at(cell.row, cell.col) = static_cast<StoneCode>(TransformerPlus + rng.Next(50) % 2);
    }
    for (int i = 0; i < wells; ++i) {
        const Cell cell = DrawFreeCell(board, rules, rng);
        board.at(cell.row, cell.col) = StoneWell;
    }
    // Wells take in what lies above them before the first move.
    if (wells != 0) ApplyGravity(out.position, rules, GravityDown, true);

    out.position.TotalScore = 0;
    out.position.Removed = 0;
    out.position.Points = 0;
    out.position.GlassBroken = 0;
    return out;
}

} // namespace tumbla
