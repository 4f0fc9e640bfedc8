// A comparison baseline, not the game's engine: the leanest classic-rules
// playout we know how to write (column-major bytes with empty sentinels, a
// stamped visited array, fills only from cells whose upper or right neighbour
// matches, whole 16-byte columns moved when closing up). It plays the same
// boards as BM_PlayoutClassic so one run prints both speeds, and checks first
// that it scores the same games as the engine for the same clicks.
#include "BenchSettings.h"
#include "engine/Groups.h"
#include "engine/PlayMove.h"
#include "situation/Generator.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <random>

using namespace tumbla;

namespace {

// Column c (1..cols) is bytes 16c..16c+15, bottom row first; byte 15 of every
// column and columns 0 and cols + 1 stay empty, so no neighbour needs a bounds test.
struct LeanBoard {
    static constexpr int Height = 16;
    alignas(16) std::array<std::uint8_t, Height*(MaxCols + 2)> cells{};
    int rows = 0;
    int cols = 0;

    static LeanBoard From(const Board& board, int rows, int cols) {
        LeanBoard b;
        b.rows = rows;
        b.cols = cols;
        for (int c = 1; c <= cols; ++c)
            for (int r = 1; r <= rows; ++r) b.cells[Index(rows, r, c)] = board.at(r, c);
        return b;
    }
    static std::size_t Index(int rows, int row, int col) {
        return static_cast<std::size_t>(col * Height + (rows - row));
    }
};

struct LeanEngine {
    std::array<std::uint32_t, LeanBoard::Height*(MaxCols + 2)> visited{};
    std::uint32_t stamp = 0;
    std::array<std::int16_t, CellCount> queue;

    // Cells of the removable groups, one per group.
    int ListGroups(const LeanBoard& b, std::array<std::int16_t, CellCount>& out) {
        ++stamp;
        int count = 0;
        const std::uint8_t* cells = b.cells.data();
        for (int i = LeanBoard::Height; i < LeanBoard::Height * (b.cols + 1); ++i) {
            const std::uint8_t k = cells[i];
            // Columns stand packed from the bottom: the first gap ends one.
            if (k == 0) {
                i |= LeanBoard::Height - 1;
                continue;
            }
            if (visited[static_cast<std::size_t>(i)] == stamp) continue;
            if (cells[i + 1] != k && cells[i + LeanBoard::Height] != k) continue;
            out[static_cast<std::size_t>(count++)] = static_cast<std::int16_t>(i);
            int size = 0;
            queue[static_cast<std::size_t>(size++)] = static_cast<std::int16_t>(i);
            visited[static_cast<std::size_t>(i)] = stamp;
            for (int head = 0; head < size; ++head) {
                const int at = queue[static_cast<std::size_t>(head)];
                for (const int n : {at + 1, at - 1, at + LeanBoard::Height, at - LeanBoard::Height})
                    if (cells[n] == k && visited[static_cast<std::size_t>(n)] != stamp) {
                        visited[static_cast<std::size_t>(n)] = stamp;
                        queue[static_cast<std::size_t>(size++)] = static_cast<std::int16_t>(n);
                    }
            }
        }
        return count;
    }

    // Removes the group at `start`, lets the columns fall and closes up to the
    // left; returns the stones removed.
    int Play(LeanBoard& b, int start) {
        std::uint8_t* cells = b.cells.data();
        const std::uint8_t k = cells[start];
        int size = 0;
        queue[static_cast<std::size_t>(size++)] = static_cast<std::int16_t>(start);
        cells[start] = 0;
        std::uint32_t touched = 0;
        for (int head = 0; head < size; ++head) {
            const int at = queue[static_cast<std::size_t>(head)];
            touched |= std::uint32_t{1} << (at / LeanBoard::Height);
            for (const int n : {at + 1, at - 1, at + LeanBoard::Height, at - LeanBoard::Height})
                if (cells[n] == k) {
                    cells[n] = 0;
                    queue[static_cast<std::size_t>(size++)] = static_cast<std::int16_t>(n);
                }
        }
        bool emptied = false;
        for (int c = 1; c <= b.cols; ++c) {
            if ((touched >> c & 1) == 0) continue;
            std::uint8_t* column = cells + c * LeanBoard::Height;
            int to = 0;
            for (int r = 0; r < b.rows; ++r)
                if (column[r] != 0) column[to++] = column[r];
            for (int r = to; r < b.rows; ++r) column[r] = 0;
            emptied |= to == 0;
        }
        if (emptied) {
            // Only the gaps between occupied columns close; empty columns at
            // the left edge stay.
            int first = 1;
            while (first <= b.cols && cells[first * LeanBoard::Height] == 0) ++first;
            int to = first;
            for (int c = first; c <= b.cols; ++c) {
                if (cells[c * LeanBoard::Height] == 0) continue;
                if (to != c)
                    std::memcpy(cells + to * LeanBoard::Height, cells + c * LeanBoard::Height,
                                LeanBoard::Height);
                ++to;
            }
            for (; to <= b.cols; ++to)
                std::memset(cells + to * LeanBoard::Height, 0, LeanBoard::Height);
        }
        return size;
    }
};

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
            score += lean.Play(board, groups[pick() % static_cast<unsigned>(count)]);
            ++moves;
        }
        benchmark::DoNotOptimize(score);
    }
    bench.counters["moves"] =
        benchmark::Counter(static_cast<double>(moves), benchmark::Counter::kIsRate);
}

} // namespace

BENCHMARK(BM_PlayoutClassicLeanBaseline);
