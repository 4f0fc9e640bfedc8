#pragma once
// Reading the start of a file: readers ask for no more than their layout can
// use, so a huge file costs nothing and a short one is refused by its reader.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tumbla {

// The first `limit` bytes of a file (all of a shorter one), or nothing when
// it cannot be read.
std::optional<std::vector<std::uint8_t>> ReadFileStart(const std::string& path, std::size_t limit);

} // namespace tumbla
