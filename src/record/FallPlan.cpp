#include "record/FallPlan.h"

#include "engine/PlayMove.h"

namespace tumbla {
namespace {

using TrackAt = std::array<std::int16_t, CellCount>; // the track standing on each cell, or -1

constexpr std::uint16_t Tag(int row, int col) {
    return static_cast<std::uint16_t>(row * 100 + col);
}

// Walks one line of the field from its downstream end.
struct LineWalk {
    int row, col, dRow, dCol, length;
};

LineWalk Line(const Rules& rules, int direction, int n) {
    switch (direction) {
    case GravityDown:
        return {rules.rows, n, -1, 0, rules.rows};
    case GravityUp:
        return {1, n, 1, 0, rules.rows};
    case GravityLeft:
        return {n, 1, 0, 1, rules.cols};
    default:
        return {n, rules.cols, 0, -1, rules.cols};
    }
}

int LineCount(const Rules& rules, int direction) {
    return direction <= GravityUp ? rules.cols : rules.rows;
}

// Rocks and wells stay where they are while the stones fall past them.
bool Stands(StoneCode code) {
    return code >= StoneRock;
}

// The well that swallows a stone: the first one downstream of it.
std::uint16_t WellBelow(const Board& board, const Rules& rules, int direction, int row, int col) {
    const int dRow = direction == GravityDown ? 1 : direction == GravityUp ? -1 : 0;
    const int dCol = direction == GravityRight ? 1 : direction == GravityLeft ? -1 : 0;
    for (int r = row + dRow, c = col + dCol; r >= 1 && r <= rules.rows && c >= 1 && c <= rules.cols;
         r += dRow, c += dCol)
        if (board.at(r, c) == StoneWell) return Tag(r, c);
    return Tag(row, col);
}

// Matches the stones of `before` with those of `after` along every line of
// the fall, in order. False when the two do not hold the same stones.
bool FollowFall(const Board& before, const Board& after, const Rules& rules, int direction,
                const TrackAt& at, TrackAt& next, FallPlan& plan) {
    next.fill(-1);
    for (int n = 1; n <= LineCount(rules, direction); ++n) {
        const LineWalk line = Line(rules, direction, n);
        std::array<int, MaxCols> moving{};
        int count = 0;
        for (int k = 0, r = line.row, c = line.col; k < line.length;
             ++k, r += line.dRow, c += line.dCol) {
            const StoneCode code = before.at(r, c);
            const int index = Board::Index(r, c);
            if (code == StoneEmpty) continue;
            if (Stands(code)) {
                if (after.at(r, c) != code) return false;
                next[static_cast<std::size_t>(index)] = at[static_cast<std::size_t>(index)];
            } else {
                moving[static_cast<std::size_t>(count++)] = index;
            }
        }
        int found = 0;
        for (int k = 0, r = line.row, c = line.col; k < line.length;
             ++k, r += line.dRow, c += line.dCol) {
            const StoneCode code = after.at(r, c);
            if (code == StoneEmpty || Stands(code)) continue;
            if (found == count) return false;
            const int origin = moving[static_cast<std::size_t>(found++)];
            if (before.cells[static_cast<std::size_t>(origin)] != code) return false;
            const std::int16_t track = at[static_cast<std::size_t>(origin)];
            if (track < 0) return false;
            next[static_cast<std::size_t>(Board::Index(r, c))] = track;
            plan.stones[static_cast<std::size_t>(track)].fallen = Tag(r, c);
            if (origin != Board::Index(r, c)) plan.falls = true;
        }
        if (found != count) return false;
    }
    return true;
}

// Matches the occupied lines of `before` with those of `after`, in order.
bool FollowCloseUp(const Board& before, const Board& after, const Rules& rules, bool columns,
                   const TrackAt& at, TrackAt& next, FallPlan& plan) {
    next.fill(-1);
    const int lines = columns ? rules.cols : rules.rows;
    const int length = columns ? rules.rows : rules.cols;
    const auto cell = [columns](int line, int k) {
        return columns ? Board::Index(k, line) : Board::Index(line, k);
    };
    const auto occupied = [&](const Board& b, int line) {
        for (int k = 1; k <= length; ++k)
            if (b.cells[static_cast<std::size_t>(cell(line, k))] != StoneEmpty) return true;
        return false;
    };
    int target = 1;
    for (int line = 1; line <= lines; ++line) {
        if (!occupied(before, line)) continue;
        while (target <= lines && !occupied(after, target)) ++target;
        if (target > lines) return false;
        for (int k = 1; k <= length; ++k) {
            const auto from = static_cast<std::size_t>(cell(line, k));
            const auto to = static_cast<std::size_t>(cell(target, k));
            if (before.cells[from] != after.cells[to]) return false;
            next[to] = at[from];
            if (at[from] >= 0) {
                plan.stones[static_cast<std::size_t>(at[from])].to =
                    Tag(static_cast<int>(to) / MaxCols + 1, static_cast<int>(to) % MaxCols + 1);
            }
        }
        if (target != line) plan.closesUp = true;
        ++target;
    }
    for (; target <= lines; ++target)
        if (occupied(after, target)) return false;
    return true;
}

} // namespace

std::optional<FallPlan> PlanFall(const MoveRecord& from, const Rules& rules, const Board& result) {
    const Move move{from.MoveRow, from.MoveCol};
    MoveRecord copy = from;
    EngineState state;
    MoveSteps steps;
    if (!PlayMove(copy, rules, state, move, steps).performed || !(copy.board == result))
        return std::nullopt;

    FallPlan plan;
    plan.direction = move.isGravityChange() ? move.col : from.Gravity;
    TrackAt at;
    at.fill(-1);
    // Every stone before the move; the group leaves and the transformer recolours.
    for (int r = 1; r <= rules.rows; ++r)
        for (int c = 1; c <= rules.cols; ++c) {
            const StoneCode code = from.board.at(r, c);
            if (code == StoneEmpty) continue;
            StoneTrack& t = plan.stones[static_cast<std::size_t>(plan.count)];
            t.code = code;
            t.endCode = steps.taken.at(r, c);
            t.from = t.fallen = t.to = Tag(r, c);
            if (t.endCode == StoneEmpty) {
                t.fate = StoneTrack::Taken;
                plan.taken = true;
            } else {
                if (t.endCode != code) plan.recoloured = true;
                at[static_cast<std::size_t>(Board::Index(r, c))] =
                    static_cast<std::int16_t>(plan.count);
            }
            ++plan.count;
        }
    // Wells swallow and glass breaks where the stones stand.
    for (int r = 1; r <= rules.rows; ++r)
        for (int c = 1; c <= rules.cols; ++c) {
            std::int16_t& track = at[static_cast<std::size_t>(Board::Index(r, c))];
            if (track < 0) continue;
            StoneTrack& t = plan.stones[static_cast<std::size_t>(track)];
            if (steps.fall.swallowed.at(r, c) == StoneEmpty) {
                t.fate = StoneTrack::Swallowed;
                t.fallen = t.to = WellBelow(steps.taken, rules, plan.direction, r, c);
            } else if (steps.fall.broken.at(r, c) == StoneEmpty) {
                t.fate = StoneTrack::Broken;
            } else {
                continue;
            }
            plan.falls = true;
            track = -1;
        }
    TrackAt fallen;
    if (!FollowFall(steps.fall.broken, steps.fallen, rules, plan.direction, at, fallen, plan))
        return std::nullopt;
    for (int i = 0; i < plan.count; ++i) {
        StoneTrack& t = plan.stones[static_cast<std::size_t>(i)];
        if (t.fate == StoneTrack::Stays) t.to = t.fallen;
    }
    if (!(steps.fallen == result)) {
        TrackAt closed;
        if (!FollowCloseUp(steps.fallen, result, rules, copy.Gravity <= GravityUp, fallen, closed,
                           plan))
            return std::nullopt;
    }
    // The stones that stay must make up the result exactly.
    Board shown;
    for (int i = 0; i < plan.count; ++i) {
        const StoneTrack& t = plan.stones[static_cast<std::size_t>(i)];
        if (t.fate == StoneTrack::Stays) shown.at(t.to / 100, t.to % 100) = t.endCode;
    }
    for (int r = 1; r <= rules.rows; ++r)
        for (int c = 1; c <= rules.cols; ++c)
            if (shown.at(r, c) != result.at(r, c)) return std::nullopt;
    return plan;
}

} // namespace tumbla
