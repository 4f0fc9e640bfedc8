#include "engine/EndTest.h"

#include "engine/Gravity.h"
#include "engine/Groups.h"
#include "engine/Pairs.h"
#include "engine/Transformer.h"

namespace tumbla {

bool StoneMoveExists(const MoveRecord& rec, const Rules& rules) {
    const std::uint32_t inForce = (std::uint32_t{1} << rules.cols) - 1;
    const StoneCode* const cells = rec.board.cells.data();
    pairs::RowStones below = pairs::StonesOf(cells, rules, inForce);
    for (int r = 0; r < rules.rows; ++r) {
        const StoneCode* const row = cells + r * MaxCols;
        const pairs::RowStones here = below;
        const bool last = r + 1 == rules.rows;
        if (!last) below = pairs::StonesOf(row + MaxCols, rules, inForce);
        const pairs::RowPairs p = pairs::PairsOf(row, here, last ? nullptr : row + MaxCols, below);
        if ((p.across | p.below) != 0) return true;
    }
    return false;
}

namespace {

// Two stones side by side along the fall's lines stay side by side after it,
// unless a well swallows them or they are glass: such a pair decides that the
// change helps without the fall being made.
bool PairSurvivesFall(const MoveRecord& rec, const Rules& rules, int direction) {
    const std::uint32_t inForce = (std::uint32_t{1} << rules.cols) - 1;
    const StoneCode* const cells = rec.board.cells.data();
    const bool columns = direction <= GravityUp;
    auto stones = [&](const StoneCode* row) {
        pairs::RowStones s = pairs::StonesOf(row, rules, inForce);
        if (rules.glass != 0) {
            const std::uint32_t glass = rowmasks::Holding(row, rules.glass);
            s.colour &= ~glass;
            s.joker &= ~glass;
        }
        return s;
    };
    std::uint32_t found = 0;     // columns (or rows) with a pair along them
    std::uint32_t withWells = 0; // columns (or rows) holding a well
    pairs::RowStones below = stones(cells);
    for (int r = 0; r < rules.rows; ++r) {
        const StoneCode* const row = cells + r * MaxCols;
        const pairs::RowStones here = columns ? below : stones(row);
        const bool last = r + 1 == rules.rows;
        if (!last && columns) below = stones(row + MaxCols);
        const pairs::RowPairs p =
            pairs::PairsOf(row, here, last || !columns ? nullptr : row + MaxCols, below);
        const std::uint32_t wells = rules.wells ? rowmasks::Holding(row, StoneWell) & inForce : 0;
        if (columns) {
            found |= p.below;
            withWells |= wells;
        } else {
            found |= std::uint32_t{p.across != 0} << r;
            withWells |= std::uint32_t{wells != 0} << r;
        }
        if ((found & ~withWells) != 0 && !rules.wells) return true;
    }
    return (found & ~withWells) != 0;
}

} // namespace

bool GravityChangeHelps(const MoveRecord& rec, const Rules& rules, int direction) {
    if (direction < GravityDown || direction > GravityRight || direction == rec.Gravity)
        return false;
    if ((rules.directions & (1 << direction)) == 0) return false;
    if (PairSurvivesFall(rec, rules, direction)) return true;
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
