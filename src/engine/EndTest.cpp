#include "engine/EndTest.h"

#include "engine/Gravity.h"
#include "engine/Groups.h"
#include "engine/Transformer.h"

namespace tumbla {

bool StoneMoveExists(const MoveRecord& rec, const Rules& rules) {
    // Adjacency is symmetric, so each pair is looked at once (right and down):
    // two equal colours, or a joker beside any colour, make a group.
    const StoneCode joker = rules.joker;
    auto pair = [joker](StoneCode a, StoneCode b) {
        return IsGroupStone(a) && IsGroupStone(b) &&
               (a == b || (joker != 0 && (a == joker || b == joker)));
    };
    const auto& cells = rec.board.cells;
    for (int r = 1; r <= rules.rows; ++r) {
        const StoneCode* row = &cells[static_cast<std::size_t>(Board::Index(r, 1))];
        for (int c = 0; c < rules.cols; ++c) {
            if (row[c] == StoneEmpty) continue;
            if (c + 1 < rules.cols && pair(row[c], row[c + 1])) return true;
            if (r < rules.rows && pair(row[c], row[c + MaxCols])) return true;
        }
    }
    return false;
}

bool GravityChangeHelps(const MoveRecord& rec, const Rules& rules, int direction) {
    if (direction < GravityDown || direction > GravityRight || direction == rec.Gravity)
        return false;
    if ((rules.directions & (1 << direction)) == 0) return false;
    MoveRecord copy = rec;
    ApplyGravity(copy, rules, direction, false);
    return StoneMoveExists(copy, rules);
}

bool TransformerHelps(const MoveRecord& rec, const Rules& rules, const EngineState& state,
                      CandidateList* list) {
    if (!rules.transformer || state.MoveLock) return false;
    for (int r = 1; r <= rules.rows; ++r)
        for (int c = 1; c <= rules.cols; ++c) {
            const StoneCode code = rec.board.at(r, c);
            if (!IsTransformer(code)) continue;
            MoveRecord copy = rec;
            ApplyTransformer(copy, rules, r, c, code == TransformerPlus ? 1 : 2);
            if (!StoneMoveExists(copy, rules)) return false;
            if (list) list->push(r * 100 + c);
            return true;
        }
    return false;
}

bool IsGameOver(const MoveRecord& rec, const Rules& rules, const EngineState& state,
                CandidateList* collect) {
    if (!collect && StoneMoveExists(rec, rules)) return false;
    if (state.MoveLock) return true;
    // A position reached by a gravity change never counts a further one.
    if (rules.directions != 0 && rec.MoveRow != 0)
        for (int d = GravityDown; d <= GravityRight; ++d) {
            if (!GravityChangeHelps(rec, rules, d)) continue;
            if (!collect) return false;
            collect->push(d);
        }
    return !TransformerHelps(rec, rules, state, collect);
}

} // namespace tumbla
