// A comparison baseline, not the game's engine: the leanest classic-rules
// playout we know how to write (column-major bytes with empty sentinels, a
// stamped visited array, fills only from cells whose upper or right neighbour
// matches, whole 16-byte columns moved when closing up). It plays the same
// boards as BM_PlayoutClassic so one run prints both speeds, and checks first
// that it scores the same games as the engine for the same clicks.
//
// Where the time went, and what was done about it: the packing of a column is
// branch-free (the stones of a random board come in no order a branch
// predictor could learn; branch-free fills were tried and lost, their stores
// and loads of the same cells chaining up); the cells a fill may start from
// are found sixteen at a time; columns beyond the last occupied
// one are never looked at; a click is picked by a multiplication, not a
// division.
#include "BenchSettings.h"
#include "engine/Groups.h"
#include "engine/PlayMove.h"
#include "situation/Generator.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

using namespace tumbla;

namespace {

// Column c (1..cols) is bytes 16c..16c+15, bottom row first; byte 15 of every
// column and columns 0 and cols + 1 stay empty, so no neighbour needs a bounds test.
struct LeanBoard {
    static constexpr int Height = 16;
    alignas(16) std::array<std::uint8_t, Height*(MaxCols + 2)> cells{};
    int rows = 0;
    int cols = 0;
    int last = 0; // the last occupied column

    static LeanBoard From(const Board& board, int rows, int cols) {
        LeanBoard b;
        b.rows = rows;
        b.cols = cols;
        for (int c = 1; c <= cols; ++c)
            for (int r = 1; r <= rows; ++r) b.cells[Index(rows, r, c)] = board.at(r, c);
        b.last = cols;
        while (b.last > 0 && b.cells[static_cast<std::size_t>(b.last * Height)] == 0) --b.last;
        return b;
    }
    static std::size_t Index(int rows, int row, int col) {
        return static_cast<std::size_t>(col * Height + (rows - row));
    }
};

// Bit j: byte j of the column at `p` holds a stone whose upper or right
// neighbour is the same stone.
inline std::uint32_t FillStarts(const std::uint8_t* p) {
#if defined(__SSE2__)
    const __m128i here = _mm_load_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i up = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 1));
    const __m128i right = _mm_load_si128(reinterpret_cast<const __m128i*>(p + LeanBoard::Height));
    const __m128i same = _mm_or_si128(_mm_cmpeq_epi8(here, up), _mm_cmpeq_epi8(here, right));
    const __m128i stone = _mm_cmpeq_epi8(here, _mm_setzero_si128());
    return static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_andnot_si128(stone, same)));
#else
    std::uint32_t starts = 0;
    for (int j = 0; j < LeanBoard::Height; ++j)
        if (p[j] != 0 && (p[j + 1] == p[j] || p[j + LeanBoard::Height] == p[j]))
            starts |= std::uint32_t{1} << j;
    return starts;
#endif
}

struct LeanEngine {
    std::array<std::uint32_t, LeanBoard::Height*(MaxCols + 2)> visited{};
    std::uint32_t stamp = 0;
    std::array<std::int16_t, LeanBoard::Height*(MaxCols + 2)> stack;

    // Cells of the removable groups, one per group.
    int ListGroups(const LeanBoard& b, std::array<std::int16_t, CellCount>& out) {
        const std::uint32_t s = ++stamp;
        int count = 0;
        const std::uint8_t* cells = b.cells.data();
        std::uint32_t* seen = visited.data();
        std::int16_t* todo = stack.data();
        for (int c = 1; c <= b.last; ++c) {
            const int base = c * LeanBoard::Height;
            for (std::uint32_t starts = FillStarts(cells + base); starts != 0;
                 starts &= starts - 1) {
                const int i = base + __builtin_ctz(starts);
                if (seen[i] == s) continue;
                out[static_cast<std::size_t>(count++)] = static_cast<std::int16_t>(i);
                const std::uint8_t k = cells[i];
                seen[i] = s;
                todo[0] = static_cast<std::int16_t>(i);
                int size = 1;
                do {
                    const int at = todo[--size];
                    for (const int n :
                         {at + 1, at - 1, at + LeanBoard::Height, at - LeanBoard::Height}) {
                        if (cells[n] == k && seen[n] != s) {
                            seen[n] = s;
                            todo[size++] = static_cast<std::int16_t>(n);
                        }
                    }
                } while (size != 0);
            }
        }
        return count;
    }

    // Removes the group at `start`, lets the columns fall and closes up to the
    // left; returns the stones removed.
    int Play(LeanBoard& b, int start) {
        std::uint8_t* cells = b.cells.data();
        std::int16_t* todo = stack.data();
        const std::uint8_t k = cells[start];
        cells[start] = 0;
        todo[0] = static_cast<std::int16_t>(start);
        int size = 1;
        int removed = 0;
        std::uint32_t touched = 0;
        do {
            const int at = todo[--size];
            ++removed;
            touched |= std::uint32_t{1} << (at / LeanBoard::Height);
            for (const int n : {at + 1, at - 1, at + LeanBoard::Height, at - LeanBoard::Height}) {
                if (cells[n] == k) {
                    cells[n] = 0;
                    todo[size++] = static_cast<std::int16_t>(n);
                }
            }
        } while (size != 0);
        bool emptied = false;
        for (; touched != 0; touched &= touched - 1) {
            std::uint8_t* column = cells + __builtin_ctz(touched) * LeanBoard::Height;
            int to = 0;
            for (int r = 0; r < b.rows; ++r) {
                const std::uint8_t v = column[r];
                column[to] = v;
                to += v != 0;
            }
            for (int r = to; r < b.rows; ++r) column[r] = 0;
            emptied |= to == 0;
        }
        if (emptied) {
            // Only the gaps between occupied columns close; empty columns at
            // the left edge stay.
            int first = 1;
            while (first <= b.last && cells[first * LeanBoard::Height] == 0) ++first;
            int to = first;
            for (int c = first; c <= b.last; ++c) {
                if (cells[c * LeanBoard::Height] == 0) continue;
                if (to != c)
                    std::memcpy(cells + to * LeanBoard::Height, cells + c * LeanBoard::Height,
                                LeanBoard::Height);
                ++to;
            }
            for (int c = to; c <= b.last; ++c)
                std::memset(cells + c * LeanBoard::Height, 0, LeanBoard::Height);
            b.last = to - 1;
        }
        return removed;
    }
};

// A click among `count`, by the high half of a product: no division.
int Pick(std::mt19937& pick, int count) {
    return static_cast<int>((std::uint64_t{pick()} * static_cast<std::uint32_t>(count)) >> 32);
}

// The engine's games replayed click by click: the same removals and the same
// board after every move, or the comparison would not be fair.
bool PlaysTheEngineGames(LeanEngine& lean) {
    const GameSettings settings = ClassicSettings();
    const Rules rules = RulesFromSettings(settings);
    std::mt19937 pick(777);
    Random rng;
    GameSettings s = settings;
    CandidateList list;
    std::array<std::int16_t, CellCount> groups;
    for (int game = 1; game <= 50; ++game) {
        s.BeginNumber = game;
        MoveRecord rec = GenerateBoard(s, rng).position;
        EngineState state;
        LeanBoard board = LeanBoard::From(rec.board, rules.rows, rules.cols);
        std::int32_t leanScore = 0;
        for (;;) {
            list.clear();
            ListGroups(rec, rules, list);
            if (lean.ListGroups(board, groups) != list.count) return false;
            if (list.count == 0) break;
            const Move move =
                Move::FromCode(list.items[pick() % static_cast<unsigned>(list.count)]);
            PlayMove(rec, rules, state, move);
            leanScore += lean.Play(
                board, static_cast<int>(LeanBoard::Index(rules.rows, move.row, move.col)));
            if (leanScore != rec.TotalScore) return false;
            if (LeanBoard::From(rec.board, rules.rows, rules.cols).cells != board.cells)
                return false;
        }
    }
    return true;
}

void BM_PlayoutClassicLeanBaseline(benchmark::State& bench) {
    static LeanEngine lean;
    static const bool fair = PlaysTheEngineGames(lean);
    if (!fair) {
        bench.SkipWithError("the baseline does not play the engine's games");
        return;
    }
    const GameSettings base = ClassicSettings();
    const Rules rules = RulesFromSettings(base);
    std::mt19937 pick(12345);
    Random rng;
    GameSettings settings = base;
    std::int32_t number = 1;
    std::int64_t moves = 0;
    std::array<std::int16_t, CellCount> groups;
    for (auto _ : bench) {
        settings.BeginNumber = number++;
        LeanBoard board =
            LeanBoard::From(GenerateBoard(settings, rng).position.board, rules.rows, rules.cols);
        std::int32_t score = 0;
        for (;;) {
            const int count = lean.ListGroups(board, groups);
            if (count == 0) break;
            score += lean.Play(board, groups[static_cast<std::size_t>(Pick(pick, count))]);
            ++moves;
        }
        benchmark::DoNotOptimize(score);
    }
    bench.counters["moves"] =
        benchmark::Counter(static_cast<double>(moves), benchmark::Counter::kIsRate);
}

// The positions of the engine's classic step rows (EngineStepsBench.cpp):
// every position of 40 random games with a group left, and the first group
// the engine lists there.
struct LeanSample {
    LeanBoard board;
    int group;
};

const std::vector<LeanSample>& LeanSamples() {
    static const std::vector<LeanSample> samples = [] {
        std::vector<LeanSample> out;
        const GameSettings base = ClassicSettings();
        const Rules rules = RulesFromSettings(base);
        std::mt19937 pick(99);
        Random rng;
        GameSettings settings = base;
        CandidateList list;
        for (int game = 1; game <= 40; ++game) {
            settings.BeginNumber = game;
            MoveRecord rec = GenerateBoard(settings, rng).position;
            EngineState state;
            for (;;) {
                list.clear();
                ListGroups(rec, rules, list);
                if (list.count == 0) break;
                const Move first = Move::FromCode(list.items[0]);
                out.push_back(
                    {LeanBoard::From(rec.board, rules.rows, rules.cols),
                     static_cast<int>(LeanBoard::Index(rules.rows, first.row, first.col))});
                const Move move =
                    Move::FromCode(list.items[pick() % static_cast<unsigned>(list.count)]);
                PlayMove(rec, rules, state, move);
            }
        }
        return out;
    }();
    return samples;
}

// Each of the lean engine's two steps on a copy of each sample in turn, to
// set beside the engine's step rows.
template <typename Step> void LeanSteps(benchmark::State& bench, Step step) {
    static LeanEngine lean;
    const std::vector<LeanSample>& samples = LeanSamples();
    std::size_t i = 0;
    for (auto _ : bench) {
        const LeanSample& sample = samples[i];
        i = i + 1 == samples.size() ? 0 : i + 1;
        LeanBoard board = sample.board;
        benchmark::DoNotOptimize(step(lean, board, sample.group));
        benchmark::ClobberMemory();
    }
    bench.SetItemsProcessed(bench.iterations());
}

void BM_StepListGroupsClassicLeanBaseline(benchmark::State& bench) {
    LeanSteps(bench, [](LeanEngine& lean, LeanBoard& board, int) {
        std::array<std::int16_t, CellCount> groups;
        return lean.ListGroups(board, groups);
    });
}

// The removal, fall and closing up of a classic move.
void BM_StepPlayClassicLeanBaseline(benchmark::State& bench) {
    LeanSteps(bench, [](LeanEngine& lean, LeanBoard& board, int group) {
        return lean.Play(board, group);
    });
}

} // namespace

BENCHMARK(BM_PlayoutClassicLeanBaseline);
BENCHMARK(BM_StepListGroupsClassicLeanBaseline);
BENCHMARK(BM_StepPlayClassicLeanBaseline);
