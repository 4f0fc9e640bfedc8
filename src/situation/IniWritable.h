#pragma once
// Whether the program may keep anything in its own directory: the settings,
// window positions and the hall of fame are written there.

#include <filesystem>

namespace tumbla {

// Creates and deletes the probe file "Test@@@.@@@" in `programDirectory`; a
// Tumbla.ini there that is read-only, no regular file or too big to be the
// game's (IniSizeLimit) also makes the answer false.
bool IniWritable(const std::filesystem::path& programDirectory);

} // namespace tumbla
