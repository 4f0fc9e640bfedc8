#include "engine/Groups.h"

#include "engine/RowMasks.h"

#include <algorithm>
#include <bit>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// The row and column (from 1) of each cell index, looked up rather than divided.
constexpr auto CellLines = [] {
    std::array<std::array<std::uint8_t, CellCount>, 2> lines{};
    for (int i = 0; i < CellCount; ++i) {
        lines[0][static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i / MaxCols + 1);
        lines[1][static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i % MaxCols + 1);
    }
    return lines;
}();
constexpr const std::array<std::uint8_t, CellCount>& RowOf = CellLines[0];
constexpr const std::array<std::uint8_t, CellCount>& ColumnOf = CellLines[1];

// Empties the group of the stone at (row, col) on `board`, breadth first, and
// leaves its cells in `queue`. `taken` hears of each cell after the first as
// it joins; the fill stops early, returning true, when `taken` says so.
template <class Taken>
bool TakeGroup(Board& board, const Rules& rules, int row, int col, CellQueue& queue,
               Taken&& taken) {
    auto& cells = board.cells;
    const MatchingSet match{board.at(row, col), rules.joker};
    queue.size = 0;
    queue.push(Board::Index(row, col));
    cells[static_cast<std::size_t>(queue.items[0])] = StoneEmpty;
    for (int head = 0; head < queue.size; ++head) {
        const int index = queue.items[static_cast<std::size_t>(head)];
        const int r = RowOf[static_cast<std::size_t>(index)];
        const int c = ColumnOf[static_cast<std::size_t>(index)];
        bool stop = false;
        auto visit = [&](bool inside, int ni) {
            if (stop || !inside || !match.contains(cells[static_cast<std::size_t>(ni)])) return;
            cells[static_cast<std::size_t>(ni)] = StoneEmpty;
            queue.push(ni);
            stop = taken(ni);
        };
        visit(r < rules.rows, index + MaxCols);
        visit(r > 1, index - MaxCols);
        visit(c < rules.cols, index + 1);
        visit(c > 1, index - 1);
        if (stop) return true;
    }
    return false;
}

} // namespace

int GroupSize(const MoveRecord& rec, const Rules& rules, int row, int col) {
    if (!InForce(rules, row, col) || !IsGroupStone(rec.board.at(row, col))) return 0;
    Board scratch = rec.board;
    CellQueue queue;
    TakeGroup(scratch, rules, row, col, queue, [](int) { return false; });
    return queue.size;
}

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
    const int target = Board::Index(recorded.row, recorded.col);
    CellQueue queue;
    return TakeGroup(scratch, rules, clicked.row, clicked.col, queue,
                     [target](int index) { return index == target; });
}

int RemoveGroup(MoveRecord& rec, const Rules& rules, EngineState& state, int row, int col) {
    if (!InForce(rules, row, col)) return 0;
    const StoneCode k = rec.board.at(row, col);
    if (!IsGroupStone(k)) return 0;

    state.ColourCounters.fill(0);
    state.ClickedColour = k;
    state.ColourCounters[k] = 1;

    CellQueue queue;
    TakeGroup(rec.board, rules, row, col, queue, [](int) { return false; });
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

// Which cells a pass joins, row by row: the cells taking part, those joined to
// their left neighbour and those joined to the cell above.
struct RowLinks {
    std::uint32_t stones;
    std::uint32_t left;
    std::uint32_t up;
};

// Connected cells by one pass of union-find over the rows. A row is taken a
// run at a time, a run being joined cells side by side: the whole run joins
// the groups above it that it touches, or starts a group of its own. Only the
// first cell of a run stands in the union-find; every other cell of the run
// is found from the row's mask of run starts. Each group's root is kept at
// its smallest index, its first cell in row-major order.
struct Components {
    std::array<std::int16_t, CellCount> parent;
    // Bit i: cell i is the root of a group of two or more.
    std::array<std::uint64_t, (CellCount + 63) / 64> pairedRoots{};
    // Bit i: cell i is the root of a group that jokers joined.
    std::array<std::uint64_t, (CellCount + 63) / 64> jokeredRoots{};
    std::array<std::uint32_t, MaxRows> runStarts; // bit k: a run starts at column k

    void mark(int i, bool on) {
        const std::uint64_t bit = std::uint64_t{1} << (i % 64);
        auto& word = pairedRoots[static_cast<std::size_t>(i / 64)];
        word = on ? word | bit : word & ~bit;
    }
    bool jokered(int i) const {
        return (jokeredRoots[static_cast<std::size_t>(i / 64)] >> (i % 64) & 1) != 0;
    }
    void markJokered(int i) {
        jokeredRoots[static_cast<std::size_t>(i / 64)] |= std::uint64_t{1} << (i % 64);
    }
    int find(int i) {
        while (parent[static_cast<std::size_t>(i)] != i) {
            const int up = parent[static_cast<std::size_t>(parent[static_cast<std::size_t>(i)])];
            parent[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(up);
            i = up;
        }
        return i;
    }
    // Joins the groups of two roots under the smaller; returns it.
    int join(int a, int b) {
        if (a == b) return a;
        const int low = std::min(a, b);
        const int high = std::max(a, b);
        parent[static_cast<std::size_t>(high)] = static_cast<std::int16_t>(low);
        mark(high, false);
        if (jokered(high)) markJokered(low);
        return low;
    }

    template <typename LinksOf> void build(int rows, LinksOf linksOf) {
        std::uint32_t startsAbove = 0; // bit k: a run of the row above starts at column k
        for (int r = 0; r < rows; ++r) {
            const int base = r * MaxCols;
            const RowLinks links = linksOf(r);
            std::memcpy(parent.data() + base, CellIndices.data() + base,
                        sizeof(std::int16_t) * MaxCols);
            // The start of the run above column k: the last start at or before it.
            auto aboveRun = [&](int k) {
                return base - MaxCols +
                       std::bit_width(startsAbove & ((std::uint32_t{2} << k) - 1)) - 1;
            };
            // Runs that link to anything: two or more cells, or one cell under its like.
            const std::uint32_t linked = links.left | links.left >> 1 | links.up;
            for (std::uint32_t starts = linked & ~links.left; starts != 0; starts &= starts - 1) {
                const int first = std::countr_zero(starts);
                const int last = first + std::countr_one(links.left >> (first + 1));
                std::uint32_t ups =
                    links.up & ((std::uint32_t{2} << last) - (std::uint32_t{1} << first));
                // A run with nothing above it is a root itself.
                int root = find(ups != 0 ? aboveRun(std::countr_zero(ups)) : base + first);
                for (ups &= ups - 1; ups != 0; ups &= ups - 1)
                    root = join(root, find(aboveRun(std::countr_zero(ups))));
                parent[static_cast<std::size_t>(base + first)] = static_cast<std::int16_t>(root);
                mark(root, true);
            }
            startsAbove = ~links.left;
            runStarts[static_cast<std::size_t>(r)] = startsAbove;
        }
    }

    // The root of the group of any cell taking part, by way of its run's first cell.
    int groupOf(int row, int col) {
        const std::uint32_t starts = runStarts[static_cast<std::size_t>(row)];
        return find(row * MaxCols + std::bit_width(starts & ((std::uint32_t{2} << col) - 1)) - 1);
    }

    // With `takers`, the groups that jokers joined are marked by their place in `out`.
    void listPaired(CandidateList& out, JokerTakers* takers = nullptr) const {
        for (std::size_t w = 0; w < pairedRoots.size(); ++w)
            for (std::uint64_t roots = pairedRoots[w]; roots != 0; roots &= roots - 1) {
                const int i = static_cast<int>(w * 64) + std::countr_zero(roots);
                if (takers != nullptr && out.count < CandidateList::Capacity && jokered(i))
                    takers->set(static_cast<std::size_t>(out.count));
                out.push((i / MaxCols + 1) * 100 + i % MaxCols + 1);
            }
    }
};

// Links of the cells of `stones` to equal neighbours.
RowLinks EqualLinks(const StoneCode* row, int r, std::uint32_t stones) {
    return {stones, rowmasks::SameAsLeft(row) & stones,
            r > 0 ? rowmasks::SameAs(row, row - MaxCols) & stones : 0};
}

// Without jokers a group is a plain flood of one code. The board is copied
// into rows 32 bytes apart with an empty cell all around (row 0 and the row
// after the last, column 0 and the columns after the last), so no neighbour
// needs a bounds test. Taken in row-major order, the first cell of a group has
// nothing of its group above or to its left, so it has its like to its right
// or below and not above or to its left: only such cells start a fill (a few
// of them lie deeper in a group, a U's second arm), and a fill clears the cells it
// takes, so no cell is taken twice and no visited marks are needed. The first
// cells come out in row-major order, which is the order the list promises.
struct PaddedRows {
    static constexpr int Stride = 32;
    alignas(16) std::array<StoneCode, Stride*(MaxRows + 2)> cells;

    // A narrow field (15 columns or fewer) fits the first 16 bytes of a row,
    // column 0 included, and is read as those alone.
    PaddedRows(const StoneCode* board, int rows, int cols, bool narrow) {
        std::memset(cells.data(), 0, Stride);
        std::memset(cells.data() + (rows + 1) * Stride, 0, Stride);
#if defined(__SSE2__)
        // A row is read as columns 1..16 and 10..25, as in RowMasks.h, and
        // the columns out of force are cleared.
        const __m128i lane = _mm_setr_epi8(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15);
        const __m128i low = _mm_cmplt_epi8(lane, _mm_set1_epi8(static_cast<char>(cols)));
        const __m128i high = _mm_cmplt_epi8(lane, _mm_set1_epi8(static_cast<char>(cols - 9)));
        for (int r = 1; r <= rows; ++r) {
            const StoneCode* const from = board + (r - 1) * MaxCols;
            StoneCode* const to = cells.data() + r * Stride;
            const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
            _mm_store_si128(reinterpret_cast<__m128i*>(to + 16), _mm_setzero_si128());
            if (narrow) {
                // Columns 1..15 move up a byte past column 0.
                _mm_store_si128(reinterpret_cast<__m128i*>(to),
                                _mm_slli_si128(_mm_and_si128(a, low), 1));
                continue;
            }
            const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + 9));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(to + 10), _mm_and_si128(b, high));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(to + 1), _mm_and_si128(a, low));
            to[0] = StoneEmpty;
        }
#else
        static_cast<void>(narrow);
        for (int r = 1; r <= rows; ++r) {
            StoneCode* const to = cells.data() + r * Stride;
            std::memset(to, 0, Stride);
            std::memcpy(to + 1, board + (r - 1) * MaxCols, static_cast<std::size_t>(cols));
        }
#endif
    }

    // Bit c of `right`: the cell in column c of padded row r is a colour stone
    // whose right neighbour holds the same code; of `down`, its lower one.
    template <bool Narrow> void links(int r, std::uint32_t& right, std::uint32_t& down) const {
        const StoneCode* const p = cells.data() + r * Stride;
#if defined(__SSE2__)
        const auto half = [](const StoneCode* q, std::uint32_t& toRight, std::uint32_t& below) {
            const auto at = [q](int offset) {
                return _mm_loadu_si128(reinterpret_cast<const __m128i*>(q + offset));
            };
            const __m128i here = at(0);
            const __m128i less = _mm_sub_epi8(here, _mm_set1_epi8(1));
            const __m128i stone = _mm_cmpeq_epi8(_mm_min_epu8(less, _mm_set1_epi8(7)), less);
            toRight = static_cast<std::uint32_t>(
                _mm_movemask_epi8(_mm_and_si128(stone, _mm_cmpeq_epi8(here, at(1)))));
            below = static_cast<std::uint32_t>(
                _mm_movemask_epi8(_mm_and_si128(stone, _mm_cmpeq_epi8(here, at(Stride)))));
        };
        half(p, right, down);
        if constexpr (!Narrow) {
            std::uint32_t highRight = 0;
            std::uint32_t highDown = 0;
            half(p + 16, highRight, highDown);
            right |= highRight << 16;
            down |= highDown << 16;
        }
#else
        right = down = 0;
        for (int c = 1; c <= MaxCols; ++c)
            if (IsGroupStone(p[c])) {
                right |= std::uint32_t{p[c + 1] == p[c]} << c;
                down |= std::uint32_t{p[c + Stride] == p[c]} << c;
            }
#endif
    }
};

template <bool Narrow>
void ListPlainGroups(const MoveRecord& rec, const Rules& rules, CandidateList& out) {
    PaddedRows board(rec.board.cells.data(), rules.rows, rules.cols, Narrow);
    StoneCode* const cells = board.cells.data();
    const int rows = rules.rows;
    // The rows' masks are packed several to a 64-bit word (four rows of 16
    // columns, or two of 32) and worked on a word at a time; a row's mask
    // never reaches the last bit of its part, so a shift by one column stays
    // inside its row. The loops over the cells end once a word rather than
    // once a row.
    constexpr int Shift = Narrow ? 16 : 32;
    constexpr int RowsPerWord = 64 / Shift;
    const int words = (rows + RowsPerWord - 1) / RowsPerWord;
    // Words 1..words hold the rows; words 0 and words + 1 stay empty.
    using Words = std::array<std::uint64_t, MaxRows / 2 + 3>;
    // Every row's links before any fill: a wide read of bytes a fill has just
    // cleared would wait for those stores to land.
    Words right{};
    Words down{};
    for (int r = 1; r <= rows; ++r) {
        std::uint32_t toRight = 0;
        std::uint32_t below = 0;
        board.links<Narrow>(r, toRight, below);
        const std::size_t w = static_cast<std::size_t>((r - 1) / RowsPerWord + 1);
        const int at = (r - 1) % RowsPerWord * Shift;
        right[w] |= std::uint64_t{toRight} << at;
        down[w] |= std::uint64_t{below} << at;
    }
    // The row above's or below's mask for each row of word w.
    const auto fromAbove = [](const Words& m, std::size_t w) {
        return m[w] << Shift | m[w - 1] >> (64 - Shift);
    };
    const auto fromBelow = [](const Words& m, std::size_t w) {
        return m[w] >> Shift | m[w + 1] << (64 - Shift);
    };
    // A word's likes on each side, and its cells with two likes or more.
    struct Links {
        std::uint64_t toRight, toLeft, below, above, two;
    };
    const auto linksOf = [&](std::size_t w) {
        Links l{right[w], right[w] << 1, down[w], fromAbove(down, w), 0};
        const std::uint64_t across = l.toRight | l.toLeft;
        const std::uint64_t along = l.below | l.above;
        l.two = (l.toRight & l.toLeft) | (across & along) | (l.below & l.above);
        return l;
    };
    // Cells with exactly one like beside them, and the cells that may start
    // a group: a like to the right or below, none to the left or above.
    Words single{};
    Words starts{};
    for (std::size_t w = 1; w <= static_cast<std::size_t>(words); ++w) {
        const Links l = linksOf(w);
        single[w] = (l.toRight | l.toLeft | l.below | l.above) & ~l.two;
        starts[w] = (l.toRight | l.below) & ~l.toLeft & ~l.above;
    }
    // Most groups are a pair or a star: a middle stone with two to four likes
    // beside it, none of them with another like. Such a group is found from
    // the links alone, without a fill. A star's first cell is the one above
    // the middle, else the one to its left, else the middle itself; with
    // likes above and to the left, the left one starts no group of its own.
    Words known{};
    Words knownAbove{}; // first cells in the row above a row's middles
    Words inside{};
    for (std::size_t w = 1; w <= static_cast<std::size_t>(words); ++w) {
        const auto [toRight, toLeft, below, above, two] = linksOf(w);
        const std::uint64_t here = single[w];
        const std::uint64_t singleBelow = fromBelow(single, w);
        const std::uint64_t loneEnds = (~toRight | here >> 1) & (~toLeft | here << 1) &
                                       (~below | singleBelow) & (~above | fromAbove(single, w));
        const std::uint64_t middle = two & loneEnds;
        known[w] = (toRight & here & here >> 1) | (below & here & singleBelow) |
                   (middle & ~above & toLeft) >> 1 | (middle & ~above & ~toLeft);
        knownAbove[w] = middle & above;
        inside[w] = (middle & above & toLeft) >> 1;
    }
    std::array<std::uint64_t, (MaxRows + 1) / 2> fills;
    std::array<std::uint64_t, (MaxRows + 1) / 2> firsts;
    for (int w = 0; w < words; ++w) {
        const std::size_t i = static_cast<std::size_t>(w + 1);
        const std::uint64_t startWord = starts[i] & ~inside[i];
        fills[static_cast<std::size_t>(w)] = startWord & ~(known[i] | fromBelow(knownAbove, i));
        firsts[static_cast<std::size_t>(w)] = startWord;
    }
    // The other starts are filled from in row-major order, and a start a fill
    // has taken is no group's first cell.
    std::array<std::int16_t, CellCount> todo;
    for (int w = 0; w < words; ++w)
        for (std::uint64_t left = fills[static_cast<std::size_t>(w)]; left != 0; left &= left - 1) {
            const int bit = std::countr_zero(left);
            const int first =
                (w * RowsPerWord + bit / Shift + 1) * PaddedRows::Stride + bit % Shift;
            const StoneCode k = cells[first];
            if (k == StoneEmpty) {
                firsts[static_cast<std::size_t>(w)] &= ~(std::uint64_t{1} << bit);
                continue;
            }
            cells[first] = StoneEmpty;
            todo[0] = static_cast<std::int16_t>(first);
            int size = 1;
            // Written out four times rather than looped over, so that every
            // build level keeps the neighbours in registers.
            const auto take = [&](int n) {
                if (cells[n] != k) return;
                cells[n] = StoneEmpty;
                todo[static_cast<std::size_t>(size++)] = static_cast<std::int16_t>(n);
            };
            do {
                const int at = todo[static_cast<std::size_t>(--size)];
                take(at + 1);
                take(at - 1);
                take(at + PaddedRows::Stride);
                take(at - PaddedRows::Stride);
            } while (size != 0);
        }
    for (int w = 0; w < words; ++w)
        for (std::uint64_t left = firsts[static_cast<std::size_t>(w)]; left != 0;
             left &= left - 1) {
            const int bit = std::countr_zero(left);
            out.push((w * RowsPerWord + bit / Shift + 1) * 100 + bit % Shift);
        }
}

} // namespace

// Without jokers every stone belongs to exactly one group, and one pass finds
// them all. With jokers the colours' groups are found without the jokers
// first; a group of jokers then joins every group of one colour it touches
// into one, and makes a single stone beside it a group of two.
void ListGroups(const MoveRecord& rec, const Rules& rules, CandidateList& out,
                JokerTakers* takers) {
    if (takers != nullptr) takers->reset();
    if (rules.joker == 0)
        return rules.cols <= 15 ? ListPlainGroups<true>(rec, rules, out)
                                : ListPlainGroups<false>(rec, rules, out);
    const StoneCode* const cells = rec.board.cells.data();
    const std::uint32_t inForce = (std::uint32_t{1} << rules.cols) - 1;
    const StoneCode joker = rules.joker;
    std::array<std::uint32_t, MaxRows> jokers{};
    Components colours;
    colours.build(rules.rows, [&](int r) {
        const StoneCode* const row = cells + r * MaxCols;
        std::uint32_t stones = rowmasks::ColourStones(row) & inForce;
        if (joker != 0) {
            jokers[static_cast<std::size_t>(r)] = rowmasks::Holding(row, joker) & stones;
            stones &= ~jokers[static_cast<std::size_t>(r)];
        }
        return EqualLinks(row, r, stones);
    });
    if (joker == 0) return colours.listPaired(out);

    Components jokerGroups;
    jokerGroups.build(rules.rows, [&](int r) {
        return EqualLinks(cells + r * MaxCols, r, jokers[static_cast<std::size_t>(r)]);
    });
    // For each group of jokers (by its root) and colour, the colour group it joined.
    std::array<std::array<std::int16_t, 8>, CellCount> joined;
    for (int r = 0; r < rules.rows; ++r)
        for (std::uint32_t js = jokers[static_cast<std::size_t>(r)]; js != 0; js &= js - 1) {
            const int i = r * MaxCols + std::countr_zero(js);
            if (jokerGroups.parent[static_cast<std::size_t>(i)] == i)
                joined[static_cast<std::size_t>(i)].fill(-1);
        }
    for (int r = 0; r < rules.rows; ++r)
        for (std::uint32_t js = jokers[static_cast<std::size_t>(r)]; js != 0; js &= js - 1) {
            const int k = std::countr_zero(js);
            auto& anchors = joined[static_cast<std::size_t>(jokerGroups.groupOf(r, k))];
            auto touch = [&](bool inside, int row, int col) {
                if (!inside) return;
                const StoneCode code = cells[static_cast<std::size_t>(row * MaxCols + col)];
                if (!IsGroupStone(code) || code == joker) return;
                std::int16_t& anchor = anchors[static_cast<std::size_t>(code - 1)];
                const int root = colours.groupOf(row, col);
                const int merged = anchor < 0 ? root : colours.join(colours.find(anchor), root);
                anchor = static_cast<std::int16_t>(merged);
                colours.mark(merged, true);
                colours.markJokered(merged);
            };
            touch(r > 0, r - 1, k);
            touch(r + 1 < rules.rows, r + 1, k);
            touch(k > 0, r, k - 1);
            touch(k + 1 < rules.cols, r, k + 1);
        }
    colours.listPaired(out, takers);
    jokerGroups.listPaired(out);
}

} // namespace tumbla
