#include "engine/Groups.h"

#include <algorithm>


namespace tumbla {
namespace {

bool InForce(const Rules& rules, int row, int col) {
    return row >= 1 && row <= rules.rows && col >= 1 && col <= rules.cols;
}

// The codes a click on `code` gathers: the code itself and the joker colour.
struct MatchingSet {
    StoneCode code;
    StoneCode joly;
    bool contains(StoneCode c) const { return c == code || (joly != 0 && c == joly); }
};

// Breadth-first fill from one cell with the given neighbour order. Cells are
// 0-based indices into the board; a fixed queue, since no group exceeds the field.
struct CellQueue {
    std::array<std::int16_t, CellCount> items;
    int size = 0;
    void push(int index) { items[static_cast<std::size_t>(size++)] = static_cast<std::int16_t>(index); }
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
    const MatchingSet match{code, rules.joly};
    return (InForce(rules, r + 1, c) && match.contains(rec.board.at(r + 1, c))) ||
           (InForce(rules, r - 1, c) && match.contains(rec.board.at(r - 1, c))) ||
           (InForce(rules, r, c + 1) && match.contains(rec.board.at(r, c + 1))) ||
           (InForce(rules, r, c - 1) && match.contains(rec.board.at(r, c - 1)));
}

bool IsSameRecordedMove(const MoveRecord& rec, const Rules& rules, Move clicked, Move recorded) {
    if (clicked == recorded) return true;
    if (clicked.row != 0 && recorded.row != 0) {
        if (!InForce(rules, clicked.row, clicked.col) || !InForce(rules, recorded.row, recorded.col))
            return false;
        const StoneCode code = rec.board.at(clicked.row, clicked.col);
        if (code != rec.board.at(recorded.row, recorded.col) || code == StoneEmpty) return false;
    }
    if (clicked.row == 0 || !InForce(rules, clicked.row, clicked.col)) return false;

    // Would the recorded cell go with the clicked group? Fill a scratch copy.
    // An empty cell has no group (and a fill through empties would never end).
    if (rec.board.at(clicked.row, clicked.col) == StoneEmpty) return false;
    Board scratch = rec.board;
    const MatchingSet match{scratch.at(clicked.row, clicked.col), rules.joly};
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
    const MatchingSet match{k, rules.joly};

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

// Without jokers every stone belongs to exactly one group. One scan labels
// the stones, each taking the label of a matching left or upper neighbour or
// a fresh one; where both neighbours match under different labels the two
// labels are joined. Labels are handed out in row-major order, so the smallest
// label of a group is that of its first cell, and the groups come out in the
// hint's order. The scan is written without data-dependent branches, since
// stones and gaps come in no order a branch predictor could learn.
void ListGroupsWithoutJokers(const MoveRecord& rec, const Rules& rules, CandidateList& out) {
    const StoneCode* const cells = rec.board.cells.data();
    const int rows = rules.rows;
    const int cols = rules.cols;
    std::array<std::uint16_t, CellCount> label;
    std::array<std::uint16_t, CellCount + 2> parent;
    std::array<std::uint16_t, CellCount + 2> firstCell;
    std::array<std::uint8_t, CellCount + 2> paired;
    label.fill(0);
    paired[0] = 0;
    auto find = [&parent](int l) {
        while (parent[static_cast<std::size_t>(l)] != l) {
            const int up = parent[static_cast<std::size_t>(parent[static_cast<std::size_t>(l)])];
            parent[static_cast<std::size_t>(l)] = static_cast<std::uint16_t>(up);
            l = up;
        }
        return l;
    };

    int next = 1;
    for (int r = 0; r < rows; ++r)
        for (int k = 0; k < cols; ++k) {
            const int i = r * MaxCols + k;
            const StoneCode code = cells[i];
            const bool stone = IsGroupStone(code);
            const int leftCell = k > 0 ? i - 1 : i;
            const int upCell = r > 0 ? i - MaxCols : i;
            const bool left = stone & (k > 0) & (cells[leftCell] == code);
            const bool up = stone & (r > 0) & (cells[upCell] == code);
            const int leftLabel = label[static_cast<std::size_t>(leftCell)];
            const int upLabel = label[static_cast<std::size_t>(upCell)];
            const bool fresh = stone & !left & !up;

            parent[static_cast<std::size_t>(next)] = static_cast<std::uint16_t>(next);
            paired[static_cast<std::size_t>(next)] = 0;
            firstCell[static_cast<std::size_t>(next)] = static_cast<std::uint16_t>((r + 1) * 100 + k + 1);
            // Selections by arithmetic, which compilers keep free of branches.
            int own = next * fresh;
            own += (upLabel - own) * up;
            own += (leftLabel - own) * left;
            next += fresh;
            label[static_cast<std::size_t>(i)] = static_cast<std::uint16_t>(own);
            paired[static_cast<std::size_t>(own)] |= static_cast<std::uint8_t>(left | up);

            if (left & up & (leftLabel != upLabel)) [[unlikely]] {
                const int a = find(leftLabel);
                const int b = find(upLabel);
                if (a != b) {
                    const int low = std::min(a, b);
                    parent[static_cast<std::size_t>(std::max(a, b))] = static_cast<std::uint16_t>(low);
                    paired[static_cast<std::size_t>(low)] = 1;
                }
            }
        }

    // Roots of labels that met a neighbour are the groups of two or more.
    for (int l = 1; l < next; ++l) {
        const int group = static_cast<int>(parent[static_cast<std::size_t>(l)] == l) & static_cast<int>(paired[static_cast<std::size_t>(l)] != 0);
        if (out.count >= CandidateList::Capacity) break;
        out.items[static_cast<std::size_t>(out.count)] = firstCell[static_cast<std::size_t>(l)];
        out.count += group;
    }
}

} // namespace

void ListGroups(const MoveRecord& rec, const Rules& rules, CandidateList& out) {
    if (rules.joly == 0) return ListGroupsWithoutJokers(rec, rules, out);
    const auto& cells = rec.board.cells;
    const StoneCode joly = rules.joly;
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
            if (visited[static_cast<std::size_t>(index)] || !IsGroupStone(code) || code == joly) continue;
            fill(index, MatchingSet{code, joly});
            if (queue.size >= 2) out.push(r * 100 + c);
            // A joker may belong to the groups of other colours too.
            for (int i = 1; i < queue.size; ++i) {
                    const auto n = static_cast<std::size_t>(queue.items[static_cast<std::size_t>(i)]);
                    if (cells[n] == joly) visited[n] = 0;
                }
        }

    // Groups made of jokers alone.
    visited.fill(0);
    for (int r = 1; r <= rules.rows; ++r)
        for (int c = 1; c <= rules.cols; ++c) {
            const int index = Board::Index(r, c);
            if (visited[static_cast<std::size_t>(index)] || cells[static_cast<std::size_t>(index)] != joly)
                continue;
            fill(index, MatchingSet{joly, 0});
            if (queue.size >= 2) out.push(r * 100 + c);
        }
}

} // namespace tumbla
