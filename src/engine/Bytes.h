#pragma once
// Little-endian field access for the game's binary layouts. Every file layout
// goes through these, never through a struct's memory.

#include <cstddef>
#include <cstdint>
#include <span>

namespace tumbla {

inline void PutU8(std::span<std::uint8_t> out, std::size_t at, std::uint8_t v) {
    out[at] = v;
}

inline void PutU16(std::span<std::uint8_t> out, std::size_t at, std::uint16_t v) {
    out[at] = static_cast<std::uint8_t>(v);
    out[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

inline void PutU32(std::span<std::uint8_t> out, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

inline void PutI32(std::span<std::uint8_t> out, std::size_t at, std::int32_t v) {
    PutU32(out, at, static_cast<std::uint32_t>(v));
}

inline std::uint8_t GetU8(std::span<const std::uint8_t> in, std::size_t at) {
    return in[at];
}

inline std::uint16_t GetU16(std::span<const std::uint8_t> in, std::size_t at) {
    return static_cast<std::uint16_t>(in[at] | (in[at + 1] << 8));
}

inline std::uint32_t GetU32(std::span<const std::uint8_t> in, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | in[at + i];
    return v;
}

inline std::int32_t GetI32(std::span<const std::uint8_t> in, std::size_t at) {
    return static_cast<std::int32_t>(GetU32(in, at));
}

} // namespace tumbla
