#include "engine/PlayMove.h"

#include "engine/EndTest.h"
#include "engine/Gravity.h"
#include "engine/Groups.h"
#include "engine/Scoring.h"
#include "engine/Transformer.h"

namespace tumbla {

MoveEffects PlayMove(MoveRecord& rec, const Rules& rules, EngineState& state, Move move,
                     MoveSteps* steps) {
    MoveEffects effects;
    const bool onField =
        move.row >= 1 && move.row <= rules.rows && move.col >= 1 && move.col <= rules.cols;
    if (move.isGravityChange() ? move.col > GravityRight : !onField) return effects;
    effects.performed = true;

    rec.Removed = 0;
    rec.GlassBroken = 0;
    rec.Points = 0;
    state.ColourCounters.fill(0);

    FallSteps* fall = steps ? &steps->fall : nullptr;
    if (move.isGravityChange()) {
        if (steps) steps->taken = rec.board;
        ApplyGravity(rec, rules, move.col, true, fall);
        rec.Gravity = move.col;
    } else if (const StoneCode code = rec.board.at(move.row, move.col); IsTransformer(code)) {
        ApplyTransformer(rec, rules, move.row, move.col, code == TransformerPlus ? 1 : 2);
        if (steps) steps->taken = steps->fall.swallowed = steps->fall.broken = rec.board;
    } else {
        RemoveGroup(rec, rules, state, move.row, move.col);
        if (steps) steps->taken = rec.board;
        ApplyGravity(rec, rules, rec.Gravity, true, fall);
    }
    if (steps) steps->fallen = rec.board;
    CloseUpLines(rec, rules);
    effects.glassSound = ScoreMove(rec, rules, state);
    rec.MoveRow = move.row;
    rec.MoveCol = move.col;
    // Only a group removal frees gravity changes and the transformer again.
    state.MoveLock = rec.Removed == 0;
    return effects;
}

void ListCandidates(const MoveRecord& rec, const Rules& rules, const EngineState& state,
                    bool afterGravityChange, CandidateList& out) {
    out.clear();
    ListGroups(rec, rules, out);
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
