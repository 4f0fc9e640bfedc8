#pragma once
// One stored result of the hall of fame: 120 bytes, little-endian, no header.

#include "engine/GameSettings.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tumbla {

struct FameRecord {
    static constexpr std::size_t PackedSize = 120;
    static constexpr std::size_t NameCapacity = 30;

    GameSettings settings;
    std::string name; // Windows-1250 bytes as typed, at most 30
    std::int32_t points = 0;
    double entered = 0; // days since 30 December 1899, local time

    bool operator==(const FameRecord&) const = default;
};

using PackedFameRecord = std::array<std::uint8_t, FameRecord::PackedSize>;

// Padding bytes are written as 0; a name longer than 30 bytes keeps its first 30.
PackedFameRecord PackFameRecord(const FameRecord& r);
// `in` must hold at least 120 bytes. A stored length above 30 counts as 30;
// padding is ignored.
FameRecord UnpackFameRecord(std::span<const std::uint8_t> in);

// A record of a finished game; `nameUtf8` is stored as its first 30 characters.
FameRecord MakeFameRecord(const GameSettings& settings, std::string_view nameUtf8,
                          std::int32_t points, double entered);

// The name as the player sees it (UTF-8).
std::string FameName(const FameRecord& r);

} // namespace tumbla
