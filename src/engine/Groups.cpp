#include "engine/Groups.h"

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
    StoneCode joly;
    bool contains(StoneCode c) const { return c == code || (joly != 0 && c == joly); }
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
    const MatchingSet match{code, rules.joly};
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

// Bit k of `left` (`up`): cell k of the row holds a colour stone equal to
// its left (upper) neighbour. Eight cells at a time, as bytes of a word.
struct RowLinks {
    std::uint32_t left = 0;
    std::uint32_t up = 0;
};

constexpr std::uint64_t Bytes7F = 0x7F7F7F7F7F7F7F7FULL;

// The high bit of every byte that is zero.
constexpr std::uint64_t ZeroBytes(std::uint64_t v) {
    return ~(((v & Bytes7F) + Bytes7F) | v | Bytes7F);
}

// One bit per byte: the high bits gathered into the low eight bits.
constexpr std::uint32_t GatherHighBits(std::uint64_t m) {
    return static_cast<std::uint32_t>(((m >> 7) * 0x0102040810204080ULL) >> 56);
}

// The cells of a row as four words: bytes 0..23 straight from the board and
// byte 24 alone, so no read passes the end of the last row.
std::array<std::uint64_t, 4> RowWords(const StoneCode* row) {
    std::array<std::uint64_t, 4> words;
    std::memcpy(words.data(), row, 24);
    words[3] = row[24];
    return words;
}

RowLinks LinksOfRow(const StoneCode* row, const StoneCode* above, int cols) {
    RowLinks links;
    if constexpr (std::endian::native == std::endian::little) {
        const std::array<std::uint64_t, 4> here = RowWords(row);
        const std::array<std::uint64_t, 4> over =
            above ? RowWords(above) : std::array<std::uint64_t, 4>{};
        std::uint64_t carry = 0; // the last cell of the word before, as the first left neighbour
        for (std::size_t w = 0; w < 4; ++w) {
            const std::uint64_t x = here[w];
            const std::uint64_t l = (x << 8) | carry;
            carry = x >> 56;
            // Colour stones are the bytes 1..8: not zero, nothing above bit 3,
            // and with bit 3 (eight) nothing below it.
            const std::uint64_t upTo15 = ZeroBytes(x & 0xF0F0F0F0F0F0F0F0ULL);
            const std::uint64_t upTo8 = upTo15 & (ZeroBytes(x & 0x0808080808080808ULL) |
                                                  ZeroBytes(x & 0x0707070707070707ULL));
            const std::uint64_t stone = upTo8 & ~ZeroBytes(x);
            links.left |= GatherHighBits(ZeroBytes(x ^ l) & stone) << (8 * w);
            links.up |= GatherHighBits(ZeroBytes(x ^ over[w]) & stone) << (8 * w);
        }
        const std::uint32_t inForce = (std::uint32_t{1} << cols) - 1;
        links.left &= inForce & ~std::uint32_t{1}; // the first cell has no left neighbour
        links.up = above ? links.up & inForce : 0;
    } else {
        for (int k = 0; k < cols; ++k) {
            const bool stone = IsGroupStone(row[k]);
            if (stone && k > 0 && row[k] == row[k - 1]) links.left |= std::uint32_t{1} << k;
            if (stone && above && row[k] == above[k]) links.up |= std::uint32_t{1} << k;
        }
    }
    return links;
}

// 0, 1, 2, ...: a row of them copied at once is a row of singleton groups.
constexpr std::array<std::int16_t, CellCount> CellIndices = [] {
    std::array<std::int16_t, CellCount> a{};
    for (int i = 0; i < CellCount; ++i)
        a[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(i);
    return a;
}();

// Without jokers every stone belongs to exactly one group, and one pass of
// union-find over the left and upper neighbours finds them all. Each group's
// root is kept at its smallest index: its first cell in row-major order.
// Which cells link to their neighbours is worked out a row at a time as bit
// masks, so the branches follow the links rather than every cell.
void ListGroupsWithoutJokers(const MoveRecord& rec, const Rules& rules, CandidateList& out) {
    const StoneCode* const cells = rec.board.cells.data();
    const int rows = rules.rows;
    const int cols = rules.cols;
    std::array<std::int16_t, CellCount> parent;
    std::array<std::uint32_t, MaxRows>
        pairedRoots{}; // bit c of row r: root of a group of two or more
    auto find = [&parent](int i) {
        while (parent[static_cast<std::size_t>(i)] != i) {
            const int up = parent[static_cast<std::size_t>(parent[static_cast<std::size_t>(i)])];
            parent[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(up);
            i = up;
        }
        return i;
    };
    for (int r = 0; r < rows; ++r) {
        const int base = r * MaxCols;
        const RowLinks links =
            LinksOfRow(cells + base, r > 0 ? cells + base - MaxCols : nullptr, cols);
        const std::uint32_t left = links.left;
        const std::uint32_t up = links.up;
        // Every cell of the row starts as a group of its own.
        std::memcpy(parent.data() + base, CellIndices.data() + base,
                    sizeof(std::int16_t) * MaxCols);

        // The root of the cell handled last in this row: a run of stones
        // linked to the left shares it without looking it up again.
        int lastCell = -1;
        int lastRoot = -1;
        for (std::uint32_t linked = left | up; linked != 0; linked &= linked - 1) {
            const int k = std::countr_zero(linked);
            const std::uint32_t bit = std::uint32_t{1} << k;
            const int i = base + k;
            int root;
            if (left & bit)
                root = lastCell == i - 1 ? lastRoot : i - 1; // an unlinked stone is its own root
            else
                root = find(i - MaxCols);
            if ((left & bit) && (up & bit)) {
                const int other = find(i - MaxCols);
                if (other != root) {
                    const int low = std::min(root, other);
                    parent[static_cast<std::size_t>(std::max(root, other))] =
                        static_cast<std::int16_t>(low);
                    root = low;
                }
            }
            parent[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(root);
            pairedRoots[static_cast<std::size_t>(root / MaxCols)] |= std::uint32_t{1}
                                                                     << (root % MaxCols);
            lastCell = i;
            lastRoot = root;
        }
    }
    for (int r = 0; r < rows; ++r)
        for (std::uint32_t roots = pairedRoots[static_cast<std::size_t>(r)]; roots != 0;
             roots &= roots - 1) {
            const int k = std::countr_zero(roots);
            const int i = r * MaxCols + k;
            if (parent[static_cast<std::size_t>(i)] == i) out.push((r + 1) * 100 + k + 1);
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
            if (visited[static_cast<std::size_t>(index)] || !IsGroupStone(code) || code == joly)
                continue;
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
            if (visited[static_cast<std::size_t>(index)] ||
                cells[static_cast<std::size_t>(index)] != joly)
                continue;
            fill(index, MatchingSet{joly, 0});
            if (queue.size >= 2) out.push(r * 100 + c);
        }
}

} // namespace tumbla
