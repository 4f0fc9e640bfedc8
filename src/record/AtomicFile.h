#pragma once
// Whole-file reads and writes for the game's files. A write never destroys
// what was there: it goes to a temporary file beside the target, which
// replaces the target only when complete.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tumbla {

// False when anything failed; the target is then as it was and no
// temporary file is left behind.
bool WriteFileReplacing(const std::string& path, std::span<const std::uint8_t> bytes);

// The first `limit` bytes of a file (all of a shorter one), or nothing when
// it cannot be read. Readers ask for no more than their layout can use.
std::optional<std::vector<std::uint8_t>> ReadFileStart(const std::string& path, std::size_t limit);

} // namespace tumbla
