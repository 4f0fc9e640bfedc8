#include "engine/Gravity.h"

#include "engine/RowMasks.h"

#include <array>
#include <bit>
#include <type_traits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tumbla {
namespace {

// A column or row walked from its downstream end: cell k is first + k * step.
struct Line {
    int first;
    int step;
    int length;
};

// The lines of one direction, numbered from 0 across the field.
struct Lines {
    Line first;
    int apart; // from one line's downstream end to the next's

    Line operator[](int n) const { return {first.first + n * apart, first.step, first.length}; }
};

Lines LinesOf(const Rules& rules, int direction) {
    switch (direction) {
    case GravityDown:
        return {{Board::Index(rules.rows, 1), -MaxCols, rules.rows}, 1};
    case GravityUp:
        return {{Board::Index(1, 1), MaxCols, rules.rows}, 1};
    case GravityLeft:
        return {{Board::Index(1, 1), 1, rules.cols}, MaxCols};
    default:
        return {{Board::Index(1, rules.cols), -1, rules.cols}, MaxCols};
    }
}

struct GravityPass {
    StoneCode* cells;
    const Rules& rules;
    bool changed = false;
    int broken = 0;

    StoneCode& at(const Line& line, int k) const { return cells[line.first + k * line.step]; }
    bool isGlass(StoneCode code) const { return rules.glass != 0 && code == rules.glass; }

    // Wells swallow everything upstream of them up to the next rock or well.
    void swallow(const Line& line) {
        for (int k = 0; k < line.length; ++k) {
            if (at(line, k) != StoneWell) continue;
            for (int j = k + 1; j < line.length && at(line, j) < StoneRock; ++j) {
                at(line, j) = StoneEmpty;
                changed = true;
            }
        }
    }

    // Glass breaks when it is about to fall or something is about to fall on it.
    // The fall line runs on across barriers; a run of empty cells is one entry.
    void breakGlass(const Line& line, const std::array<int, MaxCols + 2>& barriers,
                    int barrierCount) {
        std::array<StoneCode*, MaxCols> fall;
        int n = 0;
        bool lastEmpty = false;
        for (int s = 0; s + 1 < barrierCount; ++s) {
            const int from = barriers[static_cast<std::size_t>(s)];
            const int to = barriers[static_cast<std::size_t>(s + 1)];
            if (to - from < 3) continue;
            for (int k = from + 1; k < to; ++k) {
                StoneCode& cell = at(line, k);
                if (cell == StoneEmpty && lastEmpty) continue;
                fall[static_cast<std::size_t>(n++)] = &cell;
                lastEmpty = cell == StoneEmpty;
            }
            applyGlassRule(fall.data(), n);
        }
    }

    void applyGlassRule(StoneCode* const* f, int n) {
        for (int i = 0; i + 1 < n; ++i) {
            if (*f[i] != StoneEmpty) continue;
            if (i > 0 && isGlass(*f[i - 1]) && *f[i + 1] != StoneEmpty)
                for (int j = i - 1; j >= 0 && isGlass(*f[j]); --j) shatter(*f[j]);
            if (isGlass(*f[i + 1]))
                for (int j = i + 1; j < n && isGlass(*f[j]); ++j) shatter(*f[j]);
        }
    }

    void shatter(StoneCode& cell) {
        cell = StoneEmpty;
        ++broken;
        changed = true;
    }

    // Every segment packs against its downstream end, keeping its order. Wells
    // never move; rocks hold only where the settings make them barriers. The
    // copy is branch-free, since stones and gaps come in no predictable order.
    // Only lines in which a stone falls come here, so each one is a change.
    void fall(const Line& line) {
        // Byte stores may alias anything, so the loop works on locals only.
        StoneCode* const base = cells + line.first;
        const int step = line.step;
        const int length = line.length;
        const bool rocksHold = rules.barriers;
        // The packed run against the downstream end stays where it is.
        int start = 0;
        // Codes 1..199 are stones that fall (and so may stand packed).
        while (start < length && static_cast<unsigned>(base[start * step] - 1) < StoneRock - 1)
            ++start;

        int target = start;
        for (int k = start; k < length; ++k) {
            const StoneCode code = base[k * step];
            if (code >= StoneRock && (code == StoneWell || rocksHold)) [[unlikely]] {
                for (int j = target; j < k; ++j) base[j * step] = StoneEmpty;
                target = k + 1;
                continue;
            }
            base[target * step] = code;
            target += code != StoneEmpty;
        }
        for (int j = target; j < length; ++j) base[j * step] = StoneEmpty;
        changed = true;
    }
};

// Bit i - 1 for every line i (a column when `columns`, else a row) holding
// a cell of `cellsOf(row)`.
template <typename RowMask>
std::uint32_t LinesWith(const StoneCode* cells, const Rules& rules, bool columns, RowMask cellsOf) {
    const std::uint32_t inForce = (std::uint32_t{1} << rules.cols) - 1;
    std::uint32_t lines = 0;
    for (int r = 0; r < rules.rows; ++r) {
        const std::uint32_t found = cellsOf(cells + r * MaxCols) & inForce;
        lines |= columns ? found : std::uint32_t{found != 0} << r;
    }
    return lines;
}

// Bit i - 1 for every line i in which a stone has an empty cell just
// downstream of it: exactly the lines the fall changes. Found a row at a time
// for all lines at once, so packed lines cost no walk of their own.
template <int Direction> std::uint32_t LinesThatFallIn(const StoneCode* cells, const Rules& rules) {
    const std::uint32_t inForce = (std::uint32_t{1} << rules.cols) - 1;
    std::uint32_t lines = 0;
    std::uint32_t emptyBelow = 0;
    std::uint32_t fallingBelow = 0;
    for (int r = rules.rows - 1; r >= 0; --r) {
        const StoneCode* const row = cells + r * MaxCols;
        const std::uint32_t empty = rowmasks::Empty(row) & inForce;
        const std::uint32_t falling = ~empty & ~rowmasks::Fixed(row, rules.barriers) & inForce;
        if constexpr (Direction == GravityDown) {
            lines |= falling & emptyBelow;
            emptyBelow = empty;
        } else if constexpr (Direction == GravityUp) {
            lines |= empty & fallingBelow;
            fallingBelow = falling;
        } else if constexpr (Direction == GravityLeft) {
            lines |= std::uint32_t{(falling >> 1 & empty) != 0} << r;
        } else {
            lines |= std::uint32_t{(falling << 1 & empty) != 0} << r;
        }
    }
    return lines;
}

std::uint32_t LinesThatFall(const StoneCode* cells, const Rules& rules, int direction) {
    switch (direction) {
    case GravityDown:
        return LinesThatFallIn<GravityDown>(cells, rules);
    case GravityUp:
        return LinesThatFallIn<GravityUp>(cells, rules);
    case GravityLeft:
        return LinesThatFallIn<GravityLeft>(cells, rules);
    default:
        return LinesThatFallIn<GravityRight>(cells, rules);
    }
}

// Bit i - 1 for every line i in which an empty cell lies somewhere downstream
// of a cell that is neither empty nor a barrier. Glass can break only there:
// in the fall line, which runs on across barriers, such an empty cell is the
// only kind with a cell after it.
std::uint32_t LinesWithGaps(const StoneCode* cells, const Rules& rules, int direction) {
    const std::uint32_t inForce = (std::uint32_t{1} << rules.cols) - 1;
    const bool columns = direction <= GravityUp;
    std::uint32_t lines = 0;
    std::uint32_t emptyDownstream = 0; // columns with an empty cell in the rows passed
    for (int n = 0; n < rules.rows; ++n) {
        // Columns are walked from their downstream end.
        const int r = direction == GravityDown ? rules.rows - 1 - n : n;
        const StoneCode* const row = cells + r * MaxCols;
        const std::uint32_t empty = rowmasks::Empty(row) & inForce;
        std::uint32_t cellsAfter = ~empty & inForce;
        if (rules.barriers) cellsAfter &= ~rowmasks::Fixed(row, true);
        if (columns) {
            lines |= cellsAfter & emptyDownstream;
            emptyDownstream |= empty;
        } else if (empty != 0) {
            const bool after =
                direction == GravityLeft
                    ? (cellsAfter >> std::countr_zero(empty) >> 1) != 0
                    : (cellsAfter & ((std::uint32_t{1} << (std::bit_width(empty) - 1)) - 1)) != 0;
            lines |= std::uint32_t{after} << r;
        }
    }
    return lines;
}

// The fall for the game, which keeps nothing of its steps (`NoSteps`), and
// for a picture of it, which keeps the board between them (`FallSteps`).
struct NoSteps {};

template <typename Steps>
bool Fall(MoveRecord& rec, const Rules& rules, int direction, bool commit, Steps& steps) {
    constexpr bool keep = std::is_same_v<Steps, FallSteps>;
    if (direction < GravityDown || direction > GravityRight) {
        if constexpr (keep) steps.swallowed = steps.broken = rec.board;
        return false;
    }
    GravityPass pass{rec.board.cells.data(), rules};
    const bool columns = direction <= GravityUp;
    const Lines all = LinesOf(rules, direction);
    // Lines are independent, so each step may go through every line before
    // the next begins, and a line without a well or glass skips that step.
    if (rules.wells) {
        const auto wells = [](const StoneCode* row) { return rowmasks::Holding(row, StoneWell); };
        for (std::uint32_t lines = LinesWith(pass.cells, rules, columns, wells); lines != 0;
             lines &= lines - 1)
            pass.swallow(all[std::countr_zero(lines)]);
    }
    if constexpr (keep) steps.swallowed = rec.board;
    if (rules.glass != 0) {
        const auto glass = [&rules](const StoneCode* row) {
            return rowmasks::Holding(row, rules.glass);
        };
        for (std::uint32_t lines = LinesWith(pass.cells, rules, columns, glass) &
                                   LinesWithGaps(pass.cells, rules, direction);
             lines != 0; lines &= lines - 1) {
            const Line line = all[std::countr_zero(lines)];
            std::array<int, MaxCols + 2> barriers;
            int count = 0;
            barriers[static_cast<std::size_t>(count++)] = -1;
            // Where rocks hold, every code from a rock up is a barrier, as in
            // the fall: a damaged file's bytes split the fall line the same way.
            if (rules.barriers)
                for (int k = 0; k < line.length; ++k)
                    if (pass.at(line, k) >= StoneRock)
                        barriers[static_cast<std::size_t>(count++)] = k;
            barriers[static_cast<std::size_t>(count++)] = line.length;
            pass.breakGlass(line, barriers, count);
        }
    }
    if constexpr (keep) steps.broken = rec.board;
    for (std::uint32_t falling = LinesThatFall(pass.cells, rules, direction); falling != 0;
         falling &= falling - 1)
        pass.fall(all[std::countr_zero(falling)]);
    if (pass.changed && commit) rec.GlassBroken = static_cast<std::uint16_t>(pass.broken);
    return pass.changed;
}

// What one look at every row tells of a board falling down, as masks of its
// columns: where a stone stands over an empty cell (exactly the columns the
// fall changes), where a code from a well up stands (a well, or a damaged
// file's byte), and where the bottom row is empty.
struct DownwardLook {
    std::uint32_t falling;
    std::uint32_t wellsOrWorse;
    std::uint32_t emptyBottom;
};

// A narrow field (16 columns or fewer) is read as the first half of a row alone.
template <bool Narrow> DownwardLook LookDown(const StoneCode* cells, int rows) {
#if defined(__SSE2__)
    // The rows' byte masks are gathered across the rows first and turned into
    // bits once, in the two overlapping halves of RowMasks.h.
    const auto load = [](const StoneCode* p) {
        return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    };
    const __m128i zero = _mm_setzero_si128();
    __m128i highestLow = load(cells);
    __m128i highestHigh = Narrow ? zero : load(cells + 9);
    __m128i emptyLow = _mm_cmpeq_epi8(highestLow, zero);
    __m128i emptyHigh = _mm_cmpeq_epi8(highestHigh, zero);
    __m128i fallingLow = zero;
    __m128i fallingHigh = zero;
    for (int r = 1; r < rows; ++r) {
        const __m128i low = load(cells + r * MaxCols);
        const __m128i belowLow = _mm_cmpeq_epi8(low, zero);
        fallingLow = _mm_or_si128(fallingLow, _mm_andnot_si128(emptyLow, belowLow));
        highestLow = _mm_max_epu8(highestLow, low);
        emptyLow = belowLow;
        if constexpr (!Narrow) {
            const __m128i high = load(cells + r * MaxCols + 9);
            const __m128i belowHigh = _mm_cmpeq_epi8(high, zero);
            fallingHigh = _mm_or_si128(fallingHigh, _mm_andnot_si128(emptyHigh, belowHigh));
            highestHigh = _mm_max_epu8(highestHigh, high);
            emptyHigh = belowHigh;
        }
    }
    const auto bits = [](__m128i low, __m128i high) {
        const auto lowBits = static_cast<std::uint32_t>(_mm_movemask_epi8(low));
        if constexpr (Narrow) return lowBits;
        return lowBits | static_cast<std::uint32_t>(_mm_movemask_epi8(high)) << 9;
    };
    // Codes from a well up: unsigned, the maximum with a well leaves them alone.
    const __m128i well = _mm_set1_epi8(static_cast<char>(StoneWell));
    const auto fromWell = [well](__m128i v) { return _mm_cmpeq_epi8(_mm_max_epu8(v, well), v); };
    return {bits(fallingLow, fallingHigh), bits(fromWell(highestLow), fromWell(highestHigh)),
            bits(emptyLow, emptyHigh)};
#else
    const auto fromWell = [](const StoneCode* row) {
        return rowmasks::plain::Columns([row](int k) { return row[k] >= StoneWell; });
    };
    DownwardLook look{0, fromWell(cells), rowmasks::Empty(cells)};
    for (int r = 1; r < rows; ++r) {
        const StoneCode* const row = cells + r * MaxCols;
        const std::uint32_t below = rowmasks::Empty(row);
        look.falling |= ~look.emptyBottom & below;
        look.wellsOrWorse |= fromWell(row);
        look.emptyBottom = below;
    }
    return look;
#endif
}

// Packs a column of stones and gaps onto its bottom cell, keeping the order;
// branch-free, as the fall's own packing.
void PackDown(StoneCode* bottom, int rows) {
    int target = 0;
    for (int k = 0; k < rows; ++k) {
        const StoneCode code = bottom[-k * MaxCols];
        bottom[-target * MaxCols] = code;
        target += code != StoneEmpty;
    }
    for (; target < rows; ++target) bottom[-target * MaxCols] = StoneEmpty;
}

// The fall down and closing up of columns where nothing but stones and gaps
// can stand: no wells, rocks that fall like stones, no glass. Returns false,
// the board untouched, where a well (or any code from a well up) stands on
// the field.
bool SettleDown(MoveRecord& rec, const Rules& rules) {
    StoneCode* const cells = rec.board.cells.data();
    const std::uint32_t inForce = (std::uint32_t{1} << rules.cols) - 1;
    const DownwardLook look =
        rules.cols <= 16 ? LookDown<true>(cells, rules.rows) : LookDown<false>(cells, rules.rows);
    if ((look.wellsOrWorse & inForce) != 0) return false;
    const std::uint32_t falling = look.falling & inForce;
    if (falling != 0) {
        StoneCode* const bottom = cells + Board::Index(rules.rows, 1);
        for (std::uint32_t lines = falling; lines != 0; lines &= lines - 1)
            PackDown(bottom + std::countr_zero(lines), rules.rows);
        rec.GlassBroken = 0;
    }
    if (rules.closeUp == 0) return true;

    // Every column now stands packed on the bottom row, so a column holds
    // something exactly where its bottom cell does; a column that fell does.
    const std::uint32_t occupied = (~look.emptyBottom | falling) & inForce;
    if (occupied == 0) return true;
    const std::uint32_t fromFirst = occupied >> std::countr_zero(occupied);
    if ((fromFirst & (fromFirst + 1)) == 0) return true;
    // A column moves into an empty one, and only its stones, from the bottom
    // up to the first gap, need to move.
    const auto move = [cells, &rules](int from, int to) {
        StoneCode* source = cells + Board::Index(rules.rows, from);
        StoneCode* target = cells + Board::Index(rules.rows, to);
        for (int r = 0; r < rules.rows && *source != StoneEmpty; ++r) {
            *target = *source;
            *source = StoneEmpty;
            source -= MaxCols;
            target -= MaxCols;
        }
    };
    const int first = std::countr_zero(occupied) + 1;
    const int last = std::bit_width(occupied);
    if (rules.closeUp == 1) {
        int target = first - 1;
        for (std::uint32_t lines = occupied; lines != 0; lines &= lines - 1) {
            const int i = std::countr_zero(lines) + 1;
            if (++target != i) move(i, target);
        }
    } else {
        int target = last + 1;
        for (std::uint32_t lines = occupied; lines != 0;
             lines &= ~(std::uint32_t{1} << (std::bit_width(lines) - 1))) {
            const int i = std::bit_width(lines);
            if (--target != i) move(i, target);
        }
    }
    return true;
}

} // namespace

bool ApplyGravity(MoveRecord& rec, const Rules& rules, int direction, bool commit) {
    NoSteps none;
    return Fall(rec, rules, direction, commit, none);
}

bool ApplyGravity(MoveRecord& rec, const Rules& rules, int direction, bool commit,
                  FallSteps& steps) {
    return Fall(rec, rules, direction, commit, steps);
}

bool CloseUpLines(MoveRecord& rec, const Rules& rules) {
    if (rules.closeUp == 0 || rec.Gravity > GravityRight) return false;
    const bool columns = rec.Gravity <= GravityUp;
    const int length = columns ? rules.rows : rules.cols;
    const bool towardLow = (rec.Gravity == GravityDown && rules.closeUp == 1) ||
                           (rec.Gravity == GravityUp && rules.closeUp == 2) ||
                           (rec.Gravity == GravityLeft && rules.closeUp == 1) ||
                           (rec.Gravity == GravityRight && rules.closeUp == 2);
    Board& board = rec.board;
    auto cell = [&](int line, int k) -> StoneCode& {
        return columns ? board.at(k, line) : board.at(line, k);
    };
    auto moveLine = [&](int from, int to) {
        for (int k = 1; k <= length; ++k) {
            cell(to, k) = cell(from, k);
            cell(from, k) = StoneEmpty;
        }
    };

    const std::uint32_t occupied =
        LinesWith(board.cells.data(), rules, columns,
                  [](const StoneCode* row) { return ~rowmasks::Empty(row); });
    if (occupied == 0) return false;
    const int first = std::countr_zero(occupied) + 1;
    const int last = std::bit_width(occupied);
    // Occupied lines side by side need no closing up; with a gap among them
    // some line always moves.
    const std::uint32_t fromFirst = occupied >> (first - 1);
    if ((fromFirst & (fromFirst + 1)) == 0) return false;
    const auto full = [occupied](int i) { return (occupied >> (i - 1) & 1) != 0; };

    if (towardLow) {
        int target = first - 1;
        for (int i = first; i <= last; ++i)
            if (full(i) && ++target != i) moveLine(i, target);
    } else {
        int target = last + 1;
        for (int i = last; i >= first; --i)
            if (full(i) && --target != i) moveLine(i, target);
    }
    return true;
}

void FallAndCloseUp(MoveRecord& rec, const Rules& rules) {
    const bool plain =
        rec.Gravity == GravityDown && !rules.wells && !rules.barriers && rules.glass == 0;
    if (plain && SettleDown(rec, rules)) return;
    ApplyGravity(rec, rules, rec.Gravity, true);
    CloseUpLines(rec, rules);
}

} // namespace tumbla
