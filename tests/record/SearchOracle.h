#pragma once
// A plain brute force to check the search against: it finds the moves of a
// position by its own flood fills and look-ahead, not through the engine's
// candidate list, plays them by the plain step-by-step rules, not through the
// engine's move, and walks every sequence of them.

#include "engine/PlainRules.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <vector>

namespace tumbla::test {

struct OracleResult {
    std::uint64_t leaves = 0;
    std::int32_t best = 0;
    bool anyLeaf = false;
    double maxEstimate = 0;
    std::map<int, std::uint64_t> leavesPerFirstMove; // by row x 100 + column of the move
};

class SearchOracle {
  public:
    explicit SearchOracle(const Rules& rules, int depthLimit = 300)
        : rules_(rules), depthLimit_(depthLimit) {}

    OracleResult Run(const MoveRecord& position1) {
        result_ = OracleResult{};
        Walk(position1, false, false, 1, 1.0);
        return result_;
    }

    // Every move a player could make, each group once.
    std::vector<Move> Moves(const MoveRecord& rec, bool lock, bool afterGravityChange) const {
        std::vector<Move> moves;
        std::array<bool, CellCount> seen{};
        const int joker = rules_.joker;
        for (int colour = 1; colour <= 8; ++colour) {
            if (colour == joker) continue;
            seen.fill(false);
            for (int r = 1; r <= rules_.rows; ++r)
                for (int c = 1; c <= rules_.cols; ++c)
                    if (rec.board.at(r, c) == colour && !seen[Board::Index(r, c)] &&
                        Fill(rec, r, c, colour, seen) >= 2)
                        moves.push_back(
                            Move{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(c)});
        }
        if (joker != 0) {
            seen.fill(false);
            for (int r = 1; r <= rules_.rows; ++r)
                for (int c = 1; c <= rules_.cols; ++c)
                    if (rec.board.at(r, c) == joker && !seen[Board::Index(r, c)] &&
                        Fill(rec, r, c, joker, seen) >= 2)
                        moves.push_back(
                            Move{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(c)});
        }
        if (lock) return moves;
        if (!afterGravityChange)
            for (int d = 0; d < 4; ++d) {
                if ((rules_.directions & (1 << d)) == 0 || d == rec.Gravity) continue;
                MoveRecord copy = rec;
                plain_.Gravity(copy, d);
                if (plain_.AnyGroup(copy)) moves.push_back(Move{0, static_cast<std::uint8_t>(d)});
            }
        if (rules_.transformer)
            for (int r = 1; r <= rules_.rows; ++r)
                for (int c = 1; c <= rules_.cols; ++c) {
                    const StoneCode code = rec.board.at(r, c);
                    if (code != TransformerPlus && code != TransformerMinus) continue;
                    MoveRecord copy = rec;
                    plain_.Transform(copy, r, c);
                    if (plain_.AnyGroup(copy) && HasColourAround(rec, r, c))
                        moves.push_back(
                            Move{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(c)});
                    return moves; // only the first transformer counts
                }
        return moves;
    }

  private:
    bool InForce(int r, int c) const {
        return r >= 1 && r <= rules_.rows && c >= 1 && c <= rules_.cols;
    }

    // Size of the group of `colour` (jokers included) reached from (r, c).
    int Fill(const MoveRecord& rec, int r0, int c0, int colour,
             std::array<bool, CellCount>& seen) const {
        std::vector<std::pair<int, int>> stack{{r0, c0}};
        seen[Board::Index(r0, c0)] = true;
        int size = 0;
        std::vector<int> jokers;
        while (!stack.empty()) {
            const auto [r, c] = stack.back();
            stack.pop_back();
            ++size;
            if (rec.board.at(r, c) == rules_.joker) jokers.push_back(Board::Index(r, c));
            const int next[4][2] = {{r + 1, c}, {r - 1, c}, {r, c + 1}, {r, c - 1}};
            for (const auto& n : next) {
                if (!InForce(n[0], n[1]) || seen[Board::Index(n[0], n[1])]) continue;
                const StoneCode code = rec.board.at(n[0], n[1]);
                if (code == colour || (rules_.joker != 0 && code == rules_.joker)) {
                    seen[Board::Index(n[0], n[1])] = true;
                    stack.push_back({n[0], n[1]});
                }
            }
        }
        // A joker may also belong to the groups of other start cells of this colour.
        if (colour != rules_.joker)
            for (const int j : jokers) seen[static_cast<std::size_t>(j)] = false;
        return size;
    }

    bool HasColourAround(const MoveRecord& rec, int r, int c) const {
        for (int dr = -1; dr <= 1; ++dr)
            for (int dc = -1; dc <= 1; ++dc) {
                if ((dr == 0 && dc == 0) || !InForce(r + dr, c + dc)) continue;
                const StoneCode s = rec.board.at(r + dr, c + dc);
                if (s >= 1 && s <= rules_.count) return true;
            }
        return false;
    }

    void Walk(const MoveRecord& rec, bool lock, bool afterGravityChange, int depth,
              double estimate) {
        const std::vector<Move> moves =
            depth < depthLimit_ ? Moves(rec, lock, afterGravityChange) : std::vector<Move>{};
        if (moves.empty()) {
            ++result_.leaves;
            if (depth > 1) ++result_.leavesPerFirstMove[firstMove_];
            if (!result_.anyLeaf || rec.TotalScore > result_.best) result_.best = rec.TotalScore;
            result_.anyLeaf = true;
            result_.maxEstimate = std::max(result_.maxEstimate, estimate);
            return;
        }
        for (const Move move : moves) {
            if (depth == 1) firstMove_ = move.code();
            MoveRecord child = rec;
            const bool childLock = plain_.Play(child, move);
            Walk(child, childLock, move.row == 0, depth + 1,
                 estimate * static_cast<double>(moves.size()));
        }
    }

    Rules rules_;
    PlainRules plain_{rules_};
    int depthLimit_;
    OracleResult result_;
    int firstMove_ = 0;
};

} // namespace tumbla::test
