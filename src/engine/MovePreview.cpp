#include "engine/MovePreview.h"

#include "engine/Groups.h"
#include "engine/PlayMove.h"

namespace tumbla {

MovePreview PreviewMove(const MoveRecord& rec, const Rules& rules, const EngineState& state,
                        Move move) {
    MovePreview preview;
    if (!IsMoveValid(rec, rules, state, move)) return preview;
    MoveRecord copy = rec;
    EngineState scratch = state;
    MoveSteps steps;
    if (!PlayMove(copy, rules, scratch, move, steps).performed) return preview;
    preview.valid = true;
    preview.points = copy.Points;
    // The first step of the move is the group leaving (or the recolouring):
    // the cells it changed are the ones the click takes.
    for (int r = 1; r <= rules.rows; ++r)
        for (int c = 1; c <= rules.cols; ++c)
            if (steps.taken.at(r, c) != rec.board.at(r, c)) {
                preview.rows[static_cast<std::size_t>(r - 1)] |= std::uint32_t{1} << (c - 1);
                ++preview.stones;
            }
    return preview;
}

} // namespace tumbla
