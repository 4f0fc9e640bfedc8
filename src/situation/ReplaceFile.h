#pragma once
// Writing a file so that a failure never destroys what was there: the bytes go
// to a temporary file beside the target, which then replaces it in one step.

#include <cstdint>
#include <filesystem>
#include <span>

namespace tumbla {

// True when the target holds exactly `bytes`; on false the old file is whole
// and no temporary file is left behind.
bool ReplaceFileWith(const std::filesystem::path& target, std::span<const std::uint8_t> bytes);

} // namespace tumbla
