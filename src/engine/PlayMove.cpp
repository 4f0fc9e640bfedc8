#include "engine/PlayMove.h"

#include "engine/EndTest.h"
#include "engine/Gravity.h"
#include "engine/Groups.h"
#include "engine/Scoring.h"
#include "engine/Transformer.h"

#include <type_traits>

namespace tumbla {

namespace {

// The move for the game, which keeps nothing of its steps (`NoSteps`), and for
// a picture of it, which keeps the board between them (`MoveSteps`).
struct NoSteps {};

// The score and the books of a performed move, once the board is settled.
MoveEffects Finish(MoveRecord& rec, const Rules& rules, EngineState& state, Move move) {
    MoveEffects effects;
    effects.performed = true;
    effects.glassSound = ScoreMove(rec, rules, state);
    rec.MoveRow = move.row;
    rec.MoveCol = move.col;
    // Only a group removal frees gravity changes and the transformer again.
    state.MoveLock = rec.Removed == 0;
    return effects;
}

template <typename Steps>
MoveEffects Play(MoveRecord& rec, const Rules& rules, EngineState& state, Move move, Steps& steps) {
    constexpr bool keep = std::is_same_v<Steps, MoveSteps>;
    const auto fall = [&](int direction) {
        if constexpr (keep)
            ApplyGravity(rec, rules, direction, true, steps.fall);
        else
            ApplyGravity(rec, rules, direction, true);
    };
    const bool onField =
        move.row >= 1 && move.row <= rules.rows && move.col >= 1 && move.col <= rules.cols;
    if (move.isGravityChange() ? move.col > GravityRight : !onField) return MoveEffects{};

    rec.Removed = 0;
    rec.GlassBroken = 0;
    rec.Points = 0;
    state.ColourCounters.fill(0);

    if (move.isGravityChange()) {
        if constexpr (keep) steps.taken = rec.board;
        fall(move.col);
        rec.Gravity = move.col;
    } else if (const StoneCode code = rec.board.at(move.row, move.col); IsTransformer(code)) {
        ApplyTransformer(rec, rules, move.row, move.col, code == TransformerPlus ? 1 : 2);
        if constexpr (keep) steps.taken = steps.fall.swallowed = steps.fall.broken = rec.board;
    } else {
        RemoveGroup(rec, rules, state, move.row, move.col);
        if constexpr (keep) {
            steps.taken = rec.board;
            fall(rec.Gravity);
        } else {
            // The game's own move, the playouts' hot path, falls and closes up
            // in one go.
            FallAndCloseUp(rec, rules);
            return Finish(rec, rules, state, move);
        }
    }
    if constexpr (keep) steps.fallen = rec.board;
    CloseUpLines(rec, rules);
    return Finish(rec, rules, state, move);
}

} // namespace

MoveEffects PlayMove(MoveRecord& rec, const Rules& rules, EngineState& state, Move move) {
    NoSteps none;
    return Play(rec, rules, state, move, none);
}

MoveEffects PlayMove(MoveRecord& rec, const Rules& rules, EngineState& state, Move move,
                     MoveSteps& steps) {
    return Play(rec, rules, state, move, steps);
}

void ListCandidates(const MoveRecord& rec, const Rules& rules, const EngineState& state,
                    bool afterGravityChange, CandidateList& out, JokerTakers* takers) {
    out.clear();
    ListGroups(rec, rules, out, takers);
    AppendHelpfulChanges(rec, rules, state, afterGravityChange, out);
}

void AppendHelpfulChanges(const MoveRecord& rec, const Rules& rules, const EngineState& state,
                          bool afterGravityChange, CandidateList& out) {
    const int groups = out.count;
    MoveRecord copy = rec;
    copy.MoveRow = afterGravityChange ? 0 : 1;
    IsGameOver(copy, rules, state, &out);
    // A transformer with no colour stone beside it "helps" only because a group
    // exists elsewhere; a candidate the player cannot click is no candidate.
    if (out.count > groups) {
        const Move last = Move::FromCode(out.items[static_cast<std::size_t>(out.count - 1)]);
        if (!last.isGravityChange() && !IsMoveValid(rec, rules, state, last)) --out.count;
    }
}

} // namespace tumbla
