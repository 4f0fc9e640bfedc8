#pragma once
// Bit masks of one row of the board: bit k stands for the cell in column
// k + 1, over all 25 columns (callers keep the columns in force). With SSE2 a
// row is read as two overlapping 16-byte halves, 0..15 and 9..24, so no read
// passes the end of the row; elsewhere the plain loops below do the same work.

#include "engine/Groups.h"
#include "engine/MoveRecord.h"

#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tumbla::rowmasks {

// The plain versions, also the reference the fast ones are tested against.
namespace plain {

// Bit k for every column k, from `from` on, where `holds(k)`.
template <typename Test> std::uint32_t Columns(Test holds, int from = 0) {
    std::uint32_t mask = 0;
    for (int k = from; k < MaxCols; ++k)
        if (holds(k)) mask |= std::uint32_t{1} << k;
    return mask;
}

// Cells holding a colour stone.
inline std::uint32_t ColourStones(const StoneCode* row) {
    return Columns([row](int k) { return IsGroupStone(row[k]); });
}

// Cells holding `code`.
inline std::uint32_t Holding(const StoneCode* row, StoneCode code) {
    return Columns([row, code](int k) { return row[k] == code; });
}

// Cells that never fall: wells, and rocks where they hold.
inline std::uint32_t Fixed(const StoneCode* row, bool rocksHold) {
    return Columns([row, rocksHold](int k) {
        return row[k] == StoneWell || (rocksHold && row[k] >= StoneRock);
    });
}

// Cells equal to the cell of `other` in the same column.
inline std::uint32_t SameAs(const StoneCode* row, const StoneCode* other) {
    return Columns([row, other](int k) { return row[k] == other[k]; });
}

// Cells equal to their left neighbour; the first cell has none.
inline std::uint32_t SameAsLeft(const StoneCode* row) {
    return Columns([row](int k) { return row[k] == row[k - 1]; }, 1);
}

} // namespace plain

#if defined(__SSE2__)

namespace detail {

inline __m128i Load(const StoneCode* p) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

inline std::uint32_t Bits(__m128i v) {
    return static_cast<std::uint32_t>(_mm_movemask_epi8(v));
}

// The two halves' byte masks joined into one mask of the row.
inline std::uint32_t Join(__m128i low, __m128i high) {
    return Bits(low) | Bits(high) << 9;
}

inline __m128i IsColourStone(__m128i v) {
    // 1..8 less one is 0..7 and stays so under a minimum with 7; 0 wraps to 255.
    const __m128i less = _mm_sub_epi8(v, _mm_set1_epi8(1));
    return _mm_cmpeq_epi8(_mm_min_epu8(less, _mm_set1_epi8(7)), less);
}

} // namespace detail

inline std::uint32_t ColourStones(const StoneCode* row) {
    return detail::Join(detail::IsColourStone(detail::Load(row)),
                        detail::IsColourStone(detail::Load(row + 9)));
}

inline std::uint32_t Holding(const StoneCode* row, StoneCode code) {
    const __m128i wanted = _mm_set1_epi8(static_cast<char>(code));
    return detail::Join(_mm_cmpeq_epi8(detail::Load(row), wanted),
                        _mm_cmpeq_epi8(detail::Load(row + 9), wanted));
}

inline std::uint32_t Fixed(const StoneCode* row, bool rocksHold) {
    const auto fixed = [rocksHold](__m128i v) {
        if (!rocksHold) return _mm_cmpeq_epi8(v, _mm_set1_epi8(static_cast<char>(StoneWell)));
        // Codes from a rock up: unsigned, the maximum with a rock leaves them alone.
        return _mm_cmpeq_epi8(_mm_max_epu8(v, _mm_set1_epi8(static_cast<char>(StoneRock))), v);
    };
    return detail::Join(fixed(detail::Load(row)), fixed(detail::Load(row + 9)));
}

inline std::uint32_t SameAs(const StoneCode* row, const StoneCode* other) {
    return detail::Join(_mm_cmpeq_epi8(detail::Load(row), detail::Load(other)),
                        _mm_cmpeq_epi8(detail::Load(row + 9), detail::Load(other + 9)));
}

inline std::uint32_t SameAsLeft(const StoneCode* row) {
    // Bytes 0..15 against 1..16 give cells 1..16; bytes 8..23 against 9..24 cells 9..24.
    const std::uint32_t low =
        detail::Bits(_mm_cmpeq_epi8(detail::Load(row), detail::Load(row + 1)));
    const std::uint32_t high =
        detail::Bits(_mm_cmpeq_epi8(detail::Load(row + 8), detail::Load(row + 9)));
    return low << 1 | high << 9;
}

#else

using plain::ColourStones;
using plain::Fixed;
using plain::Holding;
using plain::SameAs;
using plain::SameAsLeft;

#endif

inline std::uint32_t Empty(const StoneCode* row) {
    return Holding(row, StoneEmpty);
}

} // namespace tumbla::rowmasks
