#include "situation/IniWritable.h"

#include "situation/IniFileStore.h"

#include <cerrno>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace tumbla {

bool AcceptsNewFiles(const std::filesystem::path& directory) {
    // A probe file, made and removed again. A file of its name that is there
    // already is the player's: it is neither emptied nor removed, and the
    // system says instead whether the folder takes new files.
    const std::filesystem::path probe = directory / "Test@@@.@@@";
    const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd < 0)
        return errno == EEXIST && ::faccessat(AT_FDCWD, directory.c_str(), W_OK, AT_EACCESS) == 0;
    const bool closed = ::close(fd) == 0;
    return ::unlink(probe.c_str()) == 0 && closed;
}

bool IniWritable(const std::filesystem::path& programDirectory) {
    namespace fs = std::filesystem;
    if (!AcceptsNewFiles(programDirectory)) return false;

    std::error_code ec;
    const fs::path ini = programDirectory / "Tumbla.ini";
    const fs::file_status status = fs::status(ini, ec);
    if (ec) return status.type() == fs::file_type::not_found;
    if (status.type() == fs::file_type::not_found) return true;
    // The owner's write bit stands for the platform's read-only attribute,
    // which holds even for a user allowed to write anyway. A file too big to
    // be the game's is not one it can work with either.
    if (status.type() != fs::file_type::regular ||
        (status.permissions() & fs::perms::owner_write) == fs::perms::none)
        return false;
    const std::uintmax_t size = fs::file_size(ini, ec);
    return !ec && size <= IniSizeLimit;
}

} // namespace tumbla
