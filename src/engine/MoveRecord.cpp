#include "engine/MoveRecord.h"

#include "engine/Bytes.h"

#include <algorithm>

namespace tumbla {

PackedMoveRecord PackMoveRecord(const MoveRecord& r) {
    PackedMoveRecord out{};
    std::copy(r.board.cells.begin(), r.board.cells.end(), out.begin());
    PutU8(out, 375, r.MoveRow);
    PutU8(out, 376, r.MoveCol);
    PutU8(out, 377, r.Gravity);
    PutU8(out, 378, r.Reserved[0]);
    PutU8(out, 379, r.Reserved[1]);
    PutI32(out, 380, r.TotalScore);
    PutU16(out, 384, r.Removed);
    PutU16(out, 386, r.GlassBroken);
    PutI32(out, 388, r.Points);
    return out;
}

MoveRecord UnpackMoveRecord(std::span<const std::uint8_t> in) {
    MoveRecord r;
    std::copy_n(in.begin(), CellCount, r.board.cells.begin());
    r.MoveRow = GetU8(in, 375);
    r.MoveCol = GetU8(in, 376);
    r.Gravity = GetU8(in, 377);
    r.Reserved = {GetU8(in, 378), GetU8(in, 379)};
    r.TotalScore = GetI32(in, 380);
    r.Removed = GetU16(in, 384);
    r.GlassBroken = GetU16(in, 386);
    r.Points = GetI32(in, 388);
    return r;
}

} // namespace tumbla
