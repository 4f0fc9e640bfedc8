#include "engine/Groups.h"

#include "engine/RowMasks.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace tumbla {
namespace {

bool InForce(const Rules& rules, int row, int col) {
    return row >= 1 && row <= rules.rows && col >= 1 && col <= rules.cols;
}

// The codes a click on `code` gathers: the code itself and the joker colour.
struct MatchingSet {
    StoneCode code;
    StoneCode joker;
    bool contains(StoneCode c) const { return c == code || (joker != 0 && c == joker); }
};

// Breadth-first fill from one cell with the given neighbour order. Cells are
// 0-based indices into the board; a fixed queue, since no group exceeds the field.
struct CellQueue {
    std::array<std::int16_t, CellCount> items;
    int size = 0;
    void push(int index) {
        items[static_cast<std::size_t>(size++)] = static_cast<std::int16_t>(index);
    }
};

} // namespace

bool IsMoveValid(const MoveRecord& rec, const Rules& rules, const EngineState& state, Move move) {
    if (move.isGravityChange()) return move.col <= GravityRight && move.col != rec.Gravity;
    const int r = move.row;
    const int c = move.col;
    if (!InForce(rules, r, c)) return false;
    const StoneCode code = rec.board.at(r, c);
    if (IsTransformer(code)) {
        if (state.MoveLock) return false;
        for (int dr = -1; dr <= 1; ++dr)
            for (int dc = -1; dc <= 1; ++dc) {
                if ((dr == 0 && dc == 0) || !InForce(rules, r + dr, c + dc)) continue;
                const StoneCode n = rec.board.at(r + dr, c + dc);
                if (n >= 1 && n <= rules.count) return true;
            }
        return false;
    }
    if (!IsGroupStone(code)) return false;
    const MatchingSet match{code, rules.joker};
    return (InForce(rules, r + 1, c) && match.contains(rec.board.at(r + 1, c))) ||
           (InForce(rules, r - 1, c) && match.contains(rec.board.at(r - 1, c))) ||
           (InForce(rules, r, c + 1) && match.contains(rec.board.at(r, c + 1))) ||
           (InForce(rules, r, c - 1) && match.contains(rec.board.at(r, c - 1)));
}

bool IsSameRecordedMove(const MoveRecord& rec, const Rules& rules, Move clicked, Move recorded) {
    if (clicked == recorded) return true;
    if (clicked.row != 0 && recorded.row != 0) {
        if (!InForce(rules, clicked.row, clicked.col) ||
            !InForce(rules, recorded.row, recorded.col))
            return false;
        const StoneCode code = rec.board.at(clicked.row, clicked.col);
        if (code != rec.board.at(recorded.row, recorded.col) || code == StoneEmpty) return false;
    }
    if (clicked.row == 0 || !InForce(rules, clicked.row, clicked.col)) return false;

    // Would the recorded cell go with the clicked group? Fill a scratch copy.
    // An empty cell has no group (and a fill through empties would never end).
    if (rec.board.at(clicked.row, clicked.col) == StoneEmpty) return false;
    Board scratch = rec.board;
    const MatchingSet match{scratch.at(clicked.row, clicked.col), rules.joker};
    const int target = Board::Index(recorded.row, recorded.col);
    CellQueue queue;
    queue.push(Board::Index(clicked.row, clicked.col));
    scratch.cells[static_cast<std::size_t>(queue.items[0])] = StoneEmpty;
    for (int head = 0; head < queue.size; ++head) {
        const int index = queue.items[static_cast<std::size_t>(head)];
        const int r = index / MaxCols + 1;
        const int c = index % MaxCols + 1;
        const int next[4][2] = {{r + 1, c}, {r - 1, c}, {r, c + 1}, {r, c - 1}};
        for (const auto& n : next) {
            if (!InForce(rules, n[0], n[1])) continue;
            StoneCode& cell = scratch.at(n[0], n[1]);
            if (!match.contains(cell)) continue;
            const int ni = Board::Index(n[0], n[1]);
            if (ni == target) return true;
            cell = StoneEmpty;
            queue.push(ni);
        }
    }
    return false;
}

int RemoveGroup(MoveRecord& rec, const Rules& rules, EngineState& state, int row, int col) {
    if (!InForce(rules, row, col)) return 0;
    const StoneCode k = rec.board.at(row, col);
    if (!IsGroupStone(k)) return 0;
    const MatchingSet match{k, rules.joker};

    state.ColourCounters.fill(0);
    state.ClickedColour = k;
    state.ColourCounters[k] = 1;

    auto& cells = rec.board.cells;
    CellQueue queue;
    queue.push(Board::Index(row, col));
    cells[static_cast<std::size_t>(queue.items[0])] = StoneEmpty;
    for (int head = 0; head < queue.size; ++head) {
        const int index = queue.items[static_cast<std::size_t>(head)];
        const int r = index / MaxCols + 1;
        const int c = index % MaxCols + 1;
        auto visit = [&](bool inside, int ni) {
            if (!inside || !match.contains(cells[static_cast<std::size_t>(ni)])) return;
            cells[static_cast<std::size_t>(ni)] = StoneEmpty;
            queue.push(ni);
        };
        visit(r < rules.rows, index + MaxCols);
        visit(r > 1, index - MaxCols);
        visit(c < rules.cols, index + 1);
        visit(c > 1, index - 1);
    }
    state.ColourCounters[k] = static_cast<std::uint16_t>(queue.size);
    rec.Removed = static_cast<std::uint16_t>(queue.size);
    return queue.size;
}

namespace {

// 0, 1, 2, ...: a row of them copied at once is a row of singleton groups.
constexpr std::array<std::int16_t, CellCount> CellIndices = [] {
    std::array<std::int16_t, CellCount> a{};
    for (int i = 0; i < CellCount; ++i)
        a[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(i);
    return a;
}();

// Without jokers every stone belongs to exactly one group, and one pass of
// union-find over the rows finds them all. A row is taken a run at a time, a
// run being stones of one colour side by side: the whole run joins the groups
// above it that it touches, or starts a group of its own. Only the first cell
// of a run stands in the union-find; every other cell of the run is found
// from the row's mask of run starts. Each group's root is kept at its
// smallest index, its first cell in row-major order.
void ListGroupsWithoutJokers(const MoveRecord& rec, const Rules& rules, CandidateList& out) {
    const StoneCode* const cells = rec.board.cells.data();
    const int rows = rules.rows;
    const std::uint32_t inForce = (std::uint32_t{1} << rules.cols) - 1;
    std::array<std::int16_t, CellCount> parent;
    // Bit i: cell i is the root of a group of two or more.
    std::array<std::uint64_t, (CellCount + 63) / 64> pairedRoots{};
    auto mark = [&pairedRoots](int i, bool on) {
        const std::uint64_t bit = std::uint64_t{1} << (i % 64);
        auto& word = pairedRoots[static_cast<std::size_t>(i / 64)];
        word = on ? word | bit : word & ~bit;
    };
    auto find = [&parent](int i) {
        while (parent[static_cast<std::size_t>(i)] != i) {
            const int up = parent[static_cast<std::size_t>(parent[static_cast<std::size_t>(i)])];
            parent[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(up);
            i = up;
        }
        return i;
    };
    std::uint32_t startsAbove = 0; // bit k: a run of the row above starts at column k
    for (int r = 0; r < rows; ++r) {
        const int base = r * MaxCols;
        const StoneCode* const row = cells + base;
        const std::uint32_t stones = rowmasks::ColourStones(row) & inForce;
        const std::uint32_t left = rowmasks::SameAsLeft(row) & stones;
        const std::uint32_t up = r > 0 ? rowmasks::SameAs(row, row - MaxCols) & stones : 0;
        // Every cell of the row starts as a group of its own.
        std::memcpy(parent.data() + base, CellIndices.data() + base,
                    sizeof(std::int16_t) * MaxCols);
        // The start of the run above column k: the last start at or before it.
        auto aboveRun = [&](int k) {
            return base - MaxCols + std::bit_width(startsAbove & ((std::uint32_t{2} << k) - 1)) - 1;
        };

        // Runs that link to anything: two or more stones, or one stone under its like.
        const std::uint32_t linked = left | left >> 1 | up;
        for (std::uint32_t starts = linked & ~left; starts != 0; starts &= starts - 1) {
            const int first = std::countr_zero(starts);
            const int last = first + std::countr_one(left >> (first + 1));
            std::uint32_t ups = up & ((std::uint32_t{2} << last) - (std::uint32_t{1} << first));
            // A run with nothing above it is a root itself.
            int root = find(ups != 0 ? aboveRun(std::countr_zero(ups)) : base + first);
            for (ups &= ups - 1; ups != 0; ups &= ups - 1) {
                const int other = find(aboveRun(std::countr_zero(ups)));
                if (other == root) continue;
                const int low = std::min(root, other);
                const int high = std::max(root, other);
                parent[static_cast<std::size_t>(high)] = static_cast<std::int16_t>(low);
                mark(high, false);
                root = low;
            }
            parent[static_cast<std::size_t>(base + first)] = static_cast<std::int16_t>(root);
            mark(root, true);
        }
        startsAbove = ~left;
    }
    for (std::size_t w = 0; w < pairedRoots.size(); ++w)
        for (std::uint64_t roots = pairedRoots[w]; roots != 0; roots &= roots - 1) {
            const int i = static_cast<int>(w * 64) + std::countr_zero(roots);
            out.push((i / MaxCols + 1) * 100 + i % MaxCols + 1);
        }
}

} // namespace

void ListGroups(const MoveRecord& rec, const Rules& rules, CandidateList& out) {
    if (rules.joker == 0) return ListGroupsWithoutJokers(rec, rules, out);
    const auto& cells = rec.board.cells;
    const StoneCode joker = rules.joker;
    std::array<std::uint8_t, CellCount> visited;
    CellQueue queue;

    // Fills the group of `start` through the codes of `match`, marking it visited.
    auto fill = [&](int start, MatchingSet match) {
        queue.size = 0;
        queue.push(start);
        visited[static_cast<std::size_t>(start)] = 1;
        for (int head = 0; head < queue.size; ++head) {
            const int index = queue.items[static_cast<std::size_t>(head)];
            const int r = index / MaxCols + 1;
            const int c = index % MaxCols + 1;
            auto visit = [&](bool inside, int ni) {
                const auto n = static_cast<std::size_t>(ni);
                if (!inside || visited[n] || !match.contains(cells[n])) return;
                visited[n] = 1;
                queue.push(ni);
            };
            visit(r > 1, index - MaxCols);
            visit(r < rules.rows, index + MaxCols);
            visit(c > 1, index - 1);
            visit(c < rules.cols, index + 1);
        }
    };

    visited.fill(0);
    for (int r = 1; r <= rules.rows; ++r)
        for (int c = 1; c <= rules.cols; ++c) {
            const int index = Board::Index(r, c);
            const StoneCode code = cells[static_cast<std::size_t>(index)];
            if (visited[static_cast<std::size_t>(index)] || !IsGroupStone(code) || code == joker)
                continue;
            fill(index, MatchingSet{code, joker});
            if (queue.size >= 2) out.push(r * 100 + c);
            // A joker may belong to the groups of other colours too.
            for (int i = 1; i < queue.size; ++i) {
                const auto n = static_cast<std::size_t>(queue.items[static_cast<std::size_t>(i)]);
                if (cells[n] == joker) visited[n] = 0;
            }
        }

    // Groups made of jokers alone.
    visited.fill(0);
    for (int r = 1; r <= rules.rows; ++r)
        for (int c = 1; c <= rules.cols; ++c) {
            const int index = Board::Index(r, c);
            if (visited[static_cast<std::size_t>(index)] ||
                cells[static_cast<std::size_t>(index)] != joker)
                continue;
            fill(index, MatchingSet{joker, 0});
            if (queue.size >= 2) out.push(r * 100 + c);
        }
}

} // namespace tumbla
