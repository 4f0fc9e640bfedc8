#include "engine/Gravity.h"

#include <array>

namespace tumbla {
namespace {

// A column or row walked from its downstream end: cell k is first + k * step.
struct Line {
    int first;
    int step;
    int length;
};

Line LineOf(const Rules& rules, int direction, int i) {
    switch (direction) {
    case GravityDown:
        return {Board::Index(rules.rows, i), -MaxCols, rules.rows};
    case GravityUp:
        return {Board::Index(1, i), MaxCols, rules.rows};
    case GravityLeft:
        return {Board::Index(i, 1), 1, rules.cols};
    default:
        return {Board::Index(i, rules.cols), -1, rules.cols};
    }
}

struct GravityPass {
    StoneCode* cells;
    const Rules& rules;
    bool changed = false;
    int broken = 0;

    StoneCode& at(const Line& line, int k) const { return cells[line.first + k * line.step]; }
    bool isGlass(StoneCode code) const { return rules.sklo != 0 && code == rules.sklo; }

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
    void fall(const Line& line) {
        // Byte stores may alias anything, so the loop works on locals only.
        StoneCode* const base = cells + line.first;
        const int step = line.step;
        const int length = line.length;
        const bool rocksHold = rules.barriers;
        // Most lines are already packed: a run of stones against the
        // downstream end and nothing beyond it. Those need no writes at all.
        int start = 0;
        // Codes 1..199 are stones that fall (and so may stand packed).
        while (start < length && static_cast<unsigned>(base[start * step] - 1) < StoneRock - 1)
            ++start;
        int rest = start;
        while (rest < length && base[rest * step] == StoneEmpty) ++rest;
        if (rest == length) return;

        int target = start;
        bool moved = false;
        for (int k = start; k < length; ++k) {
            const StoneCode code = base[k * step];
            if (code >= StoneRock && (code == StoneWell || rocksHold)) [[unlikely]] {
                for (int j = target; j < k; ++j) base[j * step] = StoneEmpty;
                target = k + 1;
                continue;
            }
            base[target * step] = code;
            moved |= code != StoneEmpty && target != k;
            target += code != StoneEmpty;
        }
        for (int j = target; j < length; ++j) base[j * step] = StoneEmpty;
        changed |= moved;
    }
};

} // namespace

bool ApplyGravity(MoveRecord& rec, const Rules& rules, int direction, bool commit) {
    if (direction < GravityDown || direction > GravityRight) return false;
    GravityPass pass{rec.board.cells.data(), rules};
    const int lines = direction <= GravityUp ? rules.cols : rules.rows;
    for (int i = 1; i <= lines; ++i) {
        const Line line = LineOf(rules, direction, i);
        if (rules.wells) pass.swallow(line);
        if (rules.sklo != 0) {
            std::array<int, MaxCols + 2> barriers;
            int count = 0;
            barriers[static_cast<std::size_t>(count++)] = -1;
            if (rules.barriers)
                for (int k = 0; k < line.length; ++k)
                    if (IsBarrier(pass.at(line, k)))
                        barriers[static_cast<std::size_t>(count++)] = k;
            barriers[static_cast<std::size_t>(count++)] = line.length;
            pass.breakGlass(line, barriers, count);
        }
        pass.fall(line);
    }
    if (pass.changed && commit) rec.GlassBroken = static_cast<std::uint16_t>(pass.broken);
    return pass.changed;
}

bool CloseUpLines(MoveRecord& rec, const Rules& rules) {
    if (rules.doraz == 0 || rec.Gravity > GravityRight) return false;
    const bool columns = rec.Gravity <= GravityUp;
    const int count = columns ? rules.cols : rules.rows;
    const int length = columns ? rules.rows : rules.cols;
    const bool towardLow = (rec.Gravity == GravityDown && rules.doraz == 1) ||
                           (rec.Gravity == GravityUp && rules.doraz == 2) ||
                           (rec.Gravity == GravityLeft && rules.doraz == 1) ||
                           (rec.Gravity == GravityRight && rules.doraz == 2);
    Board& board = rec.board;
    auto cell = [&](int line, int k) -> StoneCode& {
        return columns ? board.at(k, line) : board.at(line, k);
    };
    // Scanning from the far end finds a fallen stone first.
    auto occupied = [&](int line) {
        for (int k = length; k >= 1; --k)
            if (cell(line, k) != StoneEmpty) return true;
        return false;
    };
    auto moveLine = [&](int from, int to) {
        for (int k = 1; k <= length; ++k) {
            cell(to, k) = cell(from, k);
            cell(from, k) = StoneEmpty;
        }
    };

    std::array<bool, MaxCols + 1> full{};
    int first = 0;
    int last = 0;
    for (int i = 1; i <= count; ++i) {
        full[static_cast<std::size_t>(i)] = occupied(i);
        if (full[static_cast<std::size_t>(i)]) {
            if (first == 0) first = i;
            last = i;
        }
    }
    if (first == 0) return false;

    bool moved = false;
    if (towardLow) {
        int target = first - 1;
        for (int i = first; i <= last; ++i) {
            if (!full[static_cast<std::size_t>(i)]) continue;
            if (++target != i) {
                moveLine(i, target);
                moved = true;
            }
        }
    } else {
        int target = last + 1;
        for (int i = last; i >= first; --i) {
            if (!full[static_cast<std::size_t>(i)]) continue;
            if (--target != i) {
                moveLine(i, target);
                moved = true;
            }
        }
    }
    return moved;
}

} // namespace tumbla
