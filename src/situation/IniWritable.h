#pragma once
// Whether the program may keep anything in a directory: the settings, window
// positions and the hall of fame are written there.

#include <filesystem>

namespace tumbla {

// Creates and deletes the probe file "Test@@@.@@@" in `directory`.
bool AcceptsNewFiles(const std::filesystem::path& directory);

// AcceptsNewFiles, and a Tumbla.ini there that is read-only, no regular file
// or too big to be the game's (IniSizeLimit) makes the answer false.
bool IniWritable(const std::filesystem::path& programDirectory);

} // namespace tumbla
