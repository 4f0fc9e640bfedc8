#include "engine/Transformer.h"

namespace tumbla {

bool ApplyTransformer(MoveRecord& rec, const Rules& rules, int row, int col, int kind) {
    static constexpr int around[8][2] = {{-1, 0}, {1, 0},  {0, -1},  {0, 1},
                                         {1, 1},  {-1, 1}, {-1, -1}, {1, -1}};
    bool changed = false;
    for (const auto& d : around) {
        const int r = row + d[0];
        const int c = col + d[1];
        if (r < 1 || r > rules.rows || c < 1 || c > rules.cols) continue;
        StoneCode& cell = rec.board.at(r, c);
        if (cell < 1 || cell > rules.count) continue;
        if (kind == 1)
            cell = cell == rules.count ? 1 : static_cast<StoneCode>(cell + 1);
        else
            cell =
                cell == 1 ? static_cast<StoneCode>(rules.count) : static_cast<StoneCode>(cell - 1);
        changed = true;
    }
    return changed;
}

} // namespace tumbla
