#include "advisor/NestedSearch.h"

#include "engine/Groups.h"
#include "engine/PlayMove.h"

#include <algorithm>
#include <cstring>

namespace tumbla {

namespace {

std::uint64_t Mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

// The position's stones, score and gravity, folded eight cells at a time.
std::uint64_t BoardHash(const MoveRecord& position) {
    std::uint64_t h = static_cast<std::uint64_t>(position.TotalScore) << 8 | position.Gravity;
    const auto& cells = position.board.cells;
    std::size_t i = 0;
    for (; i + 8 <= cells.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, cells.data() + i, 8);
        h = Mix(h ^ word);
    }
    for (; i < cells.size(); ++i) h = h * 31 + cells[i];
    return Mix(h);
}

} // namespace

NestedSearch::NestedSearch(const AdvisorStart& start, std::uint64_t seed)
    : start_(start), random_(Mix(seed)), plies_(ExhaustDepth + 1), levels_(MaxLevel + 1),
      beam_(MaxBeamWidth), nextBeam_(MaxBeamWidth),
      beamLines_(static_cast<std::size_t>(MaxBeamWidth) * LineCapacity),
      nextBeamLines_(beamLines_.size()) {
    start_.movesLeft = std::clamp(start_.movesLeft, 0, LineCapacity);
    bestLine_.reserve(LineCapacity);
    // Up to 375 groups, four gravity changes and a transformer from each node.
    beamChildren_.reserve(static_cast<std::size_t>(MaxBeamWidth) * 380);
}

std::uint64_t NestedSearch::NextRandom() {
    random_ += 0x9e3779b97f4a7c15ULL;
    return Mix(random_);
}

void NestedSearch::Offer(const std::vector<int>& line, std::int32_t score) {
    const std::lock_guard lock(bestMutex_);
    if (hasLine_ && score <= bestScore_) return;
    hasLine_ = true;
    bestScore_ = score;
    bestLine_ = line;
}

bool NestedSearch::HasLine() const {
    const std::lock_guard lock(bestMutex_);
    return hasLine_;
}

std::int32_t NestedSearch::BestScore() const {
    const std::lock_guard lock(bestMutex_);
    return bestScore_;
}

NestedSearch::Found NestedSearch::Best() const {
    const std::lock_guard lock(bestMutex_);
    return {bestScore_, bestLine_};
}

void NestedSearch::Run(const SearchBounds& bounds) {
    bounds_ = bounds;
    stopped_ = false;
    // Near the end of a game a few thousand lines are all there are.
    const std::uint64_t leafLimit = bounds_.playouts != 0 ? bounds_.playouts / 2 : 20000;
    if (Exhaust(std::min<std::uint64_t>(leafLimit, 20000)) || stopped_) return;
    Beam();
    if (stopped_) return;
    // Each pass starts from the best line so far; a pass that used up little
    // of the budget, or found nothing better, makes room for a deeper one.
    int level = 1;
    while (!stopped_) {
        const auto passStartedAt = std::chrono::steady_clock::now();
        const std::uint64_t playoutsBefore = Playouts();
        const std::int32_t scoreBefore = bestScore_;
        Level& top = levels_[static_cast<std::size_t>(level)];
        top.length = 0;
        top.score = NoScore;
        {
            const std::lock_guard lock(bestMutex_);
            if (hasLine_) {
                std::copy(bestLine_.begin(), bestLine_.end(), top.line.begin());
                top.length = static_cast<int>(bestLine_.size());
                top.score = bestScore_;
            }
        }
        Nested(level, 0, start_.position, start_.state, start_.afterGravityChange);
        // Nothing to play from the start: the one line there is is known.
        if (Playouts() == playoutsBefore) break;
        if (level == MaxLevel) continue;
        bool small = false;
        if (bounds_.playouts != 0)
            small = (Playouts() - playoutsBefore) * 20 < bounds_.playouts;
        else if (bounds_.timed)
            small = (std::chrono::steady_clock::now() - passStartedAt) * 20 <
                    bounds_.deadline - passStartedAt;
        if (level == 1 || small || bestScore_ == scoreBefore) ++level;
    }
}

// Depth by depth, every move from each of the best few positions, each judged
// by a playout; the best few of those, no position twice, go on. On a field
// too big for whole passes of the nested search's level 2 within the budget,
// it gives that search a first line that looked wider than one line can; its
// width is what a tenth of the budget pays for, judged from the first depth.
void NestedSearch::Beam() {
    const auto startedAt = std::chrono::steady_clock::now();
    beam_[0] = {start_.position, start_.state, start_.afterGravityChange};
    int width = 1;
    int count = 1;
    for (int d = 0; d < start_.movesLeft && count > 0; ++d) {
        beamChildren_.clear();
        std::uint64_t lengths = 0;
        for (int n = 0; n < count; ++n) {
            const BeamNode& node = beam_[static_cast<std::size_t>(n)];
            const std::uint16_t* const line = beamLines_.data() + n * LineCapacity;
            ListCandidates(node.position, start_.rules, node.state, node.afterGravityChange,
                           beamMoves_);
            std::copy(line, line + d, path_.begin());
            for (int i = 0; i < beamMoves_.count; ++i) {
                const int code = beamMoves_.items[static_cast<std::size_t>(i)];
                const Move move = Move::FromCode(code);
                beamChild_ = node.position;
                beamChildState_ = node.state;
                PlayMove(beamChild_, start_.rules, beamChildState_, move);
                path_[static_cast<std::size_t>(d)] = static_cast<std::uint16_t>(code);
                const Score score =
                    Playout(d + 1, beamChild_, beamChildState_, move.isGravityChange());
                if (stopped_) return;
                lengths += static_cast<std::uint64_t>(playoutEnd_ - d);
                beamChildren_.push_back({score, BoardHash(beamChild_),
                                         static_cast<std::uint16_t>(n),
                                         static_cast<std::uint16_t>(code)});
            }
        }
        if (beamChildren_.empty()) return;
        if (d == 0) {
            // A beam of width w costs about w x (moves here) x (playout length) / 2 playouts.
            const double perWidth = static_cast<double>(lengths) / 2.0;
            double budget = 0;
            if (bounds_.playouts != 0)
                budget = static_cast<double>(bounds_.playouts);
            else if (bounds_.timed) {
                const double spent =
                    std::chrono::duration<double>(std::chrono::steady_clock::now() - startedAt)
                        .count();
                const double total =
                    std::chrono::duration<double>(bounds_.deadline - startedAt).count();
                budget = static_cast<double>(beamChildren_.size()) * total / std::max(spent, 1e-6);
            }
            // Where the nested search has time for whole passes of level 2 (a
            // level-1 search per move of a level-1 line) it needs no beam.
            if (budget >= perWidth * perWidth) return;
            width = static_cast<int>(std::clamp(budget / 10.0 / std::max(perWidth, 1.0), 1.0,
                                                static_cast<double>(MaxBeamWidth)));
        }
        // Best first; among equals the earlier, so that a seed gives one answer.
        std::stable_sort(beamChildren_.begin(), beamChildren_.end(),
                         [](const BeamChild& a, const BeamChild& b) { return a.score > b.score; });
        int next = 0;
        for (std::size_t c = 0; c < beamChildren_.size() && next < width; ++c) {
            const BeamChild& child = beamChildren_[c];
            const auto kept = keptHashes_.begin() + next;
            if (std::find(keptHashes_.begin(), kept, child.hash) != kept) continue;
            *kept = child.hash;
            const BeamNode& parent = beam_[child.parent];
            BeamNode& node = nextBeam_[static_cast<std::size_t>(next)];
            node = parent;
            const Move move = Move::FromCode(child.code);
            PlayMove(node.position, start_.rules, node.state, move);
            node.afterGravityChange = move.isGravityChange();
            std::uint16_t* const line = nextBeamLines_.data() + next * LineCapacity;
            const std::uint16_t* const from = beamLines_.data() + child.parent * LineCapacity;
            std::copy(from, from + d, line);
            line[d] = child.code;
            ++next;
        }
        std::swap(beam_, nextBeam_);
        std::swap(beamLines_, nextBeamLines_);
        count = next;
    }
}

bool NestedSearch::Exhaust(std::uint64_t leafLimit) {
    leavesLeft_ = leafLimit;
    plies_[0].position = start_.position;
    plies_[0].state = start_.state;
    return ExhaustNode(0, start_.afterGravityChange);
}

// False as soon as the tree proves too big or a stop is asked for; each end
// reached counts as a playout.
bool NestedSearch::ExhaustNode(int depth, bool afterGravityChange) {
    Ply& here = plies_[static_cast<std::size_t>(depth)];
    if (depth < start_.movesLeft)
        ListCandidates(here.position, start_.rules, here.state, afterGravityChange,
                       here.candidates);
    else
        here.candidates.clear();
    if (here.candidates.count == 0) {
        if (leavesLeft_ == 0) return false;
        --leavesLeft_;
        playouts_.fetch_add(1, std::memory_order_relaxed);
        Record(depth, here.position.TotalScore);
        if (OutOfBounds()) stopped_ = true;
        return !stopped_;
    }
    if (depth == ExhaustDepth) return false;
    if (StopAsked()) {
        stopped_ = true;
        return false;
    }
    Ply& child = plies_[static_cast<std::size_t>(depth) + 1];
    for (int i = 0; i < here.candidates.count; ++i) {
        const int code = here.candidates.items[static_cast<std::size_t>(i)];
        const Move move = Move::FromCode(code);
        child.position = here.position;
        child.state = here.state;
        PlayMove(child.position, start_.rules, child.state, move);
        path_[static_cast<std::size_t>(depth)] = static_cast<std::uint16_t>(code);
        if (!ExhaustNode(depth + 1, move.isGravityChange())) return false;
    }
    return true;
}

NestedSearch::Score NestedSearch::Nested(int level, int depth, const MoveRecord& position,
                                         const EngineState& state, bool afterGravityChange) {
    Level& here = levels_[static_cast<std::size_t>(level)];
    // The top level keeps the line it was given; a lower one starts afresh.
    if (depth != 0) {
        here.length = 0;
        here.score = NoScore;
    }
    here.position = position;
    here.state = state;
    int played = 0;
    for (int d = depth; d < start_.movesLeft; ++d) {
        ListCandidates(here.position, start_.rules, here.state, afterGravityChange,
                       here.candidates);
        if (here.candidates.count == 0) break;
        // Each candidate searched one level lower (`sub`, 0 for a playout);
        // the best line below it becomes this level's when it beats it.
        const auto tryCandidate = [&](int i, int sub) -> Score {
            const int code = here.candidates.items[static_cast<std::size_t>(i)];
            here.child = here.position;
            here.childState = here.state;
            const Move move = Move::FromCode(code);
            PlayMove(here.child, start_.rules, here.childState, move);
            path_[static_cast<std::size_t>(d)] = static_cast<std::uint16_t>(code);
            const Score score =
                sub == 0 ? Playout(d + 1, here.child, here.childState, move.isGravityChange())
                         : Nested(sub, d + 1, here.child, here.childState, move.isGravityChange());
            if (stopped_ || score <= here.score) return score;
            here.score = score;
            here.line[static_cast<std::size_t>(played)] = static_cast<std::uint16_t>(code);
            if (sub == 0) {
                std::copy(path_.begin() + d + 1, path_.begin() + playoutEnd_,
                          here.line.begin() + played + 1);
                here.length = played + 1 + (playoutEnd_ - d - 1);
            } else {
                const Level& below = levels_[static_cast<std::size_t>(sub)];
                std::copy(below.line.begin(), below.line.begin() + below.length,
                          here.line.begin() + played + 1);
                here.length = played + 1 + below.length;
            }
            return score;
        };
        const int count = here.candidates.count;
        if (level >= 2 && PruneTo > 0 && count > PruneTo) {
            // A playout from each first; only the best few get the deeper search.
            for (int i = 0; i < count; ++i) {
                here.order[static_cast<std::size_t>(i)] = static_cast<std::uint16_t>(i);
                here.first[static_cast<std::size_t>(i)] = tryCandidate(i, 0);
                if (stopped_) return here.score;
            }
            std::partial_sort(
                here.order.begin(), here.order.begin() + PruneTo, here.order.begin() + count,
                [&](std::uint16_t x, std::uint16_t y) { return here.first[x] > here.first[y]; });
            for (int j = 0; j < PruneTo; ++j) {
                tryCandidate(here.order[static_cast<std::size_t>(j)], level - 1);
                if (stopped_) return here.score;
            }
        } else {
            for (int i = 0; i < count; ++i) {
                tryCandidate(i, level - 1);
                if (stopped_) return here.score;
            }
        }
        // The best line found from here goes on with its next move.
        const int code = here.line[static_cast<std::size_t>(played)];
        const Move move = Move::FromCode(code);
        PlayMove(here.position, start_.rules, here.state, move);
        path_[static_cast<std::size_t>(d)] = static_cast<std::uint16_t>(code);
        afterGravityChange = move.isGravityChange();
        ++played;
    }
    // An end reached: the line followed is complete.
    if (here.score == NoScore) {
        here.score = here.position.TotalScore;
        here.length = played;
        Record(depth + played, here.position.TotalScore);
    }
    return here.score;
}

NestedSearch::Score NestedSearch::Playout(int depth, const MoveRecord& position,
                                          const EngineState& state, bool afterGravityChange) {
    playoutPosition_ = position;
    playoutState_ = state;
    const StoneCode spared = SparedColour(position);
    int d = depth;
    const bool mayChange = start_.rules.directions != 0 || start_.rules.transformer;
    for (; d < start_.movesLeft; ++d) {
        // A gravity change or the transformer now and then, or when no group is
        // left: only then are they looked for, which is the dearer part.
        playoutCandidates_.clear();
        ListGroups(playoutPosition_, start_.rules, playoutCandidates_, &playoutTakers_);
        const int groups = playoutCandidates_.count;
        if (mayChange && (groups == 0 || Below(8) == 0))
            AppendHelpfulChanges(playoutPosition_, start_.rules, playoutState_, afterGravityChange,
                                 playoutCandidates_);
        if (playoutCandidates_.count == 0) break;
        // A stop is heard within a move: a playout on a big field takes milliseconds.
        if (StopAsked()) {
            stopped_ = true;
            return NoScore;
        }
        const int code = playoutCandidates_.count > groups
                             ? playoutCandidates_.items[static_cast<std::size_t>(
                                   groups + Below(playoutCandidates_.count - groups))]
                             : PickPlayoutMove(playoutPosition_, spared);
        const Move move = Move::FromCode(code);
        PlayMove(playoutPosition_, start_.rules, playoutState_, move);
        path_[static_cast<std::size_t>(d)] = static_cast<std::uint16_t>(code);
        afterGravityChange = move.isGravityChange();
    }
    playoutEnd_ = d;
    playouts_.fetch_add(1, std::memory_order_relaxed);
    Record(d, playoutPosition_.TotalScore);
    if (OutOfBounds()) stopped_ = true;
    return playoutPosition_.TotalScore;
}

// A group of another colour than the spared one, one without a joker while
// there is such, for the jokers join the spared colour's big group; the
// spared colour when nothing else is left, and groups of jokers alone last of all.
int NestedSearch::PickPlayoutMove(const MoveRecord& position, StoneCode spared) {
    const CandidateList& list = playoutCandidates_;
    const StoneCode joker = start_.rules.joker;
    std::array<int, Kinds> counts{};
    for (int i = 0; i < list.count; ++i) {
        const int code = list.items[static_cast<std::size_t>(i)];
        const StoneCode colour = position.board.at(code / 100, code % 100);
        Kind of = Other;
        if (colour == spared)
            of = Spared;
        else if (joker != 0 && colour == joker)
            of = JokersAlone;
        else if (playoutTakers_[static_cast<std::size_t>(i)])
            of = Jokered;
        kinds_[static_cast<std::size_t>(i)] = of;
        ++counts[of];
    }
    Kind kind = Other;
    for (Kind k : {Other, Jokered, Spared, JokersAlone})
        if (counts[k] != 0) {
            kind = k;
            break;
        }
    if (kind == Spared || kind == Jokered) {
        // The spared colour's smallest group first: the big one grows from what
        // falls together after the small ones are gone. Of the other colours'
        // groups that jokers join, the largest first: the jokers go where they
        // score most.
        const int sign = kind == Spared ? 1 : -1;
        int chosen = 0;
        int least = CellCount + 1;
        for (int i = 0; i < list.count; ++i)
            if (kinds_[static_cast<std::size_t>(i)] == kind) {
                const int code = list.items[static_cast<std::size_t>(i)];
                const int size = sign * GroupSize(position, start_.rules, code / 100, code % 100);
                if (size < least) {
                    least = size;
                    chosen = code;
                }
            }
        return chosen;
    }
    int k = Below(counts[kind]);
    for (int i = 0; i < list.count; ++i)
        if (kinds_[static_cast<std::size_t>(i)] == kind && k-- == 0)
            return list.items[static_cast<std::size_t>(i)];
    return list.items[0];
}

// Usually the colour with the most stones, sometimes another, each in
// proportion to its stones: one big group is not always the best there is.
StoneCode NestedSearch::SparedColour(const MoveRecord& position) {
    std::array<int, 9> counts{};
    for (int r = 1; r <= start_.rules.rows; ++r)
        for (int c = 1; c <= start_.rules.cols; ++c)
            if (const StoneCode code = position.board.at(r, c); code >= 1 && code <= 8)
                ++counts[code];
    if (start_.rules.joker != 0) counts[start_.rules.joker] = 0;
    const auto most = std::max_element(counts.begin() + 1, counts.end());
    int total = 0;
    for (int n : counts) total += n;
    if (total == 0) return static_cast<StoneCode>(most - counts.begin());
    if (Below(2) == 0) {
        // Of colours with as many stones as the most, any one: none is the first.
        int tied = 0;
        for (int colour = 1; colour <= 8; ++colour)
            tied += counts[static_cast<std::size_t>(colour)] == *most ? 1 : 0;
        int k = Below(tied);
        for (int colour = 1; colour <= 8; ++colour)
            if (counts[static_cast<std::size_t>(colour)] == *most && k-- == 0)
                return static_cast<StoneCode>(colour);
    }
    int k = Below(total);
    for (int colour = 1; colour <= 8; ++colour)
        if ((k -= counts[static_cast<std::size_t>(colour)]) < 0)
            return static_cast<StoneCode>(colour);
    return static_cast<StoneCode>(most - counts.begin());
}

void NestedSearch::Record(int length, std::int32_t score) {
    if (hasLine_ && score <= bestScore_) return;
    const std::lock_guard lock(bestMutex_);
    hasLine_ = true;
    bestScore_ = score;
    bestLine_.assign(path_.begin(), path_.begin() + length);
}

bool NestedSearch::StopAsked() const {
    return bounds_.stop != nullptr && bounds_.stop->load(std::memory_order_relaxed);
}

bool NestedSearch::OutOfBounds() {
    if (StopAsked()) return true;
    if (bounds_.playouts != 0 && Playouts() >= bounds_.playouts) return true;
    return bounds_.timed && std::chrono::steady_clock::now() >= bounds_.deadline;
}

} // namespace tumbla
