#pragma once
// Writing a file so that a failure or a kill never destroys what was there:
// the bytes go to a temporary file beside the target, which then replaces it
// in one step.

#include "situation/DirectoryLock.h"

#include <cstdint>
#include <filesystem>
#include <span>

namespace tumbla {

// The file a path names once its symbolic links are followed; the path
// itself when it is no link. A link to a file not yet there names that file.
std::filesystem::path FollowLinks(const std::filesystem::path& path);

// True when the target holds exactly `bytes`; on false the old file is whole
// and no temporary file is left behind.
// - A symbolic link is written through: the file it names is replaced, the
//   link stays.
// - A target that exists must be a regular file that is not read-only (the
//   owner may not write it); it keeps its permissions.
// - The bytes go to an unnamed file where the file system allows, named only
//   just before it replaces the target; elsewhere every write has a
//   temporary of its own name. The temporaries that killed writes left in
//   the folder are removed: those of the same target, and the player's own
//   ones of other targets that are older than the running program.
bool ReplaceFileWith(const std::filesystem::path& target, std::span<const std::uint8_t> bytes);

// The same for a caller that already holds the lock of the directory of
// `file`, a path without links (FollowLinks), so that what it read there and
// what it writes make one change.
bool ReplaceFileWith(const std::filesystem::path& file, std::span<const std::uint8_t> bytes,
                     const DirectoryLock& held);

// Writes all of `bytes` at `offset` of the open file `fd`, through short
// writes and interruptions; false on the first error.
bool WriteAllAt(int fd, std::span<const std::uint8_t> bytes, std::uint64_t offset);

// Whether `name` is the name of a temporary that a write of `target` makes.
bool IsTemporaryOf(const std::string& name, const std::string& target);

} // namespace tumbla
