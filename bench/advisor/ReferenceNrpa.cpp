#include "ReferenceNrpa.h"

#include "engine/PlayMove.h"

#include <array>
#include <cmath>
#include <random>
#include <utility>
#include <vector>

namespace tumbla::bench {
namespace {

constexpr int Level = 3;
constexpr int Iterations = 100;
constexpr int Codes = 1600; // row x 100 + column; row 0 for the gravity buttons

// A move's weight is learnt for its colour and its cell together (colour 0
// for the gravity buttons and the transformer).
using Policy = std::array<double, 9 * Codes>;

class Nrpa {
  public:
    Nrpa(const Rules& rules, const MoveRecord& position1, std::uint64_t seed)
        : rules_(rules), position1_(position1), random_(seed) {}

    TextbookResult Search(int level, const Policy& given) {
        if (level == 0) return Playout(given);
        Policy policy = given;
        TextbookResult best{INT32_MIN, {}}; // below any total, for totals can be negative
        for (int i = 0; i < Iterations; ++i) {
            TextbookResult found = Search(level - 1, policy);
            if (found.score >= best.score) best = std::move(found);
            Adapt(policy, best);
        }
        return best;
    }

  private:
    // Plays from position 1 to the end, or to the end of `line`: `visit` gets
    // each position and its depth, finds its candidates in moves_, and returns
    // the move to play.
    template <typename Visit> void Walk(const std::vector<int>* line, Visit visit) {
        MoveRecord position = position1_;
        EngineState state;
        bool afterGravityChange = false;
        for (std::size_t depth = 0; depth < 999; ++depth) {
            ListCandidates(position, rules_, state, afterGravityChange, moves_);
            if (moves_.count == 0 || (line != nullptr && depth == line->size())) break;
            const int code = visit(position, depth);
            const Move move = Move::FromCode(code);
            PlayMove(position, rules_, state, move);
            afterGravityChange = move.isGravityChange();
        }
        finalScore_ = position.TotalScore;
    }

    static int Key(const MoveRecord& position, int code) {
        const Move move = Move::FromCode(code);
        int colour = 0;
        if (!move.isGravityChange()) {
            const StoneCode stone = position.board.at(move.row, move.col);
            colour = stone >= 1 && stone <= 8 ? stone : 0;
        }
        return colour * Codes + code;
    }

    // Fills weights_ with exp(policy) of each candidate; returns their sum.
    double Weigh(const Policy& policy, const MoveRecord& position) {
        double sum = 0;
        for (int i = 0; i < moves_.count; ++i) {
            const double w = std::exp(policy[static_cast<std::size_t>(
                Key(position, moves_.items[static_cast<std::size_t>(i)]))]);
            weights_[static_cast<std::size_t>(i)] = w;
            sum += w;
        }
        return sum;
    }

    TextbookResult Playout(const Policy& policy) {
        TextbookResult line;
        Walk(nullptr, [&](const MoveRecord& position, std::size_t) {
            const double sum = Weigh(policy, position);
            double x = std::uniform_real_distribution<double>(0, sum)(random_);
            int i = 0;
            while (i + 1 < moves_.count && (x -= weights_[static_cast<std::size_t>(i)]) > 0) ++i;
            line.line.push_back(moves_.items[static_cast<std::size_t>(i)]);
            return line.line.back();
        });
        line.score = finalScore_;
        return line;
    }

    // Each move of the best line gains one, and each candidate beside it
    // loses its share of that under the policy as it stood before this step.
    void Adapt(Policy& policy, const TextbookResult& best) {
        changes_.clear();
        Walk(&best.line, [&](const MoveRecord& position, std::size_t depth) {
            const double sum = Weigh(policy, position);
            const int code = best.line[depth];
            changes_.push_back({Key(position, code), 1.0});
            for (int i = 0; i < moves_.count; ++i)
                changes_.push_back({Key(position, moves_.items[static_cast<std::size_t>(i)]),
                                    -weights_[static_cast<std::size_t>(i)] / sum});
            return code;
        });
        for (const auto& [key, delta] : changes_) policy[static_cast<std::size_t>(key)] += delta;
    }

    Rules rules_;
    MoveRecord position1_;
    std::mt19937_64 random_;
    CandidateList moves_;
    std::array<double, CandidateList::Capacity> weights_{};
    std::int32_t finalScore_ = 0;
    std::vector<std::pair<int, double>> changes_;
};

} // namespace

TextbookResult ReferenceNrpa(const Rules& rules, const MoveRecord& position1, std::uint64_t seed) {
    Nrpa search(rules, position1, seed);
    return search.Search(Level, Policy{});
}

} // namespace tumbla::bench
