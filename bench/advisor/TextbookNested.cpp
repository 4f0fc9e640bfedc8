#include "TextbookNested.h"

#include "engine/PlayMove.h"

#include <random>
#include <vector>

namespace tumbla::bench {
namespace {

struct Node {
    MoveRecord position;
    EngineState state;
    bool afterGravityChange = false;
};

class Textbook {
  public:
    Textbook(const Rules& rules, std::chrono::steady_clock::time_point deadline, std::uint64_t seed)
        : rules_(rules), deadline_(deadline), random_(seed) {}

    bool TimeUp() const { return timeUp_; }
    const TextbookResult& Best() const { return best_; }

    // Returns the best total below `node`; `line` gets the moves to it.
    std::int32_t Search(int level, Node node, std::vector<int>& line) {
        line.clear();
        if (level == 0) return Playout(node, line);
        const std::size_t base = path_.size();
        std::int32_t bestScore = INT32_MIN;
        std::vector<int> bestLine;
        std::vector<int> played;
        std::vector<int> below;
        CandidateList moves;
        for (;;) {
            ListCandidates(node.position, rules_, node.state, node.afterGravityChange, moves);
            if (moves.count == 0 || played.size() >= 999) break;
            for (int i = 0; i < moves.count && !timeUp_; ++i) {
                Node child = node;
                Play(child, moves.items[static_cast<std::size_t>(i)]);
                path_.push_back(moves.items[static_cast<std::size_t>(i)]);
                const std::int32_t score = Search(level - 1, child, below);
                path_.pop_back();
                if (score > bestScore) {
                    bestScore = score;
                    bestLine = played;
                    bestLine.push_back(moves.items[static_cast<std::size_t>(i)]);
                    bestLine.insert(bestLine.end(), below.begin(), below.end());
                }
            }
            if (timeUp_) break;
            const int next = bestLine[played.size()];
            Play(node, next);
            played.push_back(next);
            path_.push_back(next);
        }
        path_.resize(base);
        line = bestLine;
        return bestScore == INT32_MIN ? node.position.TotalScore : bestScore;
    }

  private:
    void Play(Node& node, int code) {
        const Move move = Move::FromCode(code);
        PlayMove(node.position, rules_, node.state, move);
        node.afterGravityChange = move.isGravityChange();
    }

    std::int32_t Playout(Node node, std::vector<int>& line) {
        CandidateList moves;
        for (int depth = 0; depth < 999; ++depth) {
            ListCandidates(node.position, rules_, node.state, node.afterGravityChange, moves);
            if (moves.count == 0) break;
            std::uniform_int_distribution<int> pick(0, moves.count - 1);
            line.push_back(moves.items[static_cast<std::size_t>(pick(random_))]);
            Play(node, line.back());
        }
        if (node.position.TotalScore > best_.score || best_.line.empty()) {
            best_.score = node.position.TotalScore;
            best_.line = path_;
            best_.line.insert(best_.line.end(), line.begin(), line.end());
        }
        if (std::chrono::steady_clock::now() >= deadline_) timeUp_ = true;
        return node.position.TotalScore;
    }

    Rules rules_;
    std::chrono::steady_clock::time_point deadline_;
    std::mt19937_64 random_;
    bool timeUp_ = false;
    std::vector<int> path_; // the moves from position 1 to the node searched
    TextbookResult best_;
};

} // namespace

TextbookResult TextbookNested(const Rules& rules, const MoveRecord& position1,
                              std::chrono::milliseconds time, std::uint64_t seed) {
    Textbook search(rules, std::chrono::steady_clock::now() + time, seed);
    std::vector<int> line;
    while (!search.TimeUp()) search.Search(2, Node{position1, EngineState{}, false}, line);
    return search.Best();
}

} // namespace tumbla::bench
