#include "situation/IniWritable.h"

#include "situation/IniFileStore.h"

#include <fstream>
#include <system_error>

namespace tumbla {

bool AcceptsNewFiles(const std::filesystem::path& directory) {
    namespace fs = std::filesystem;
    const fs::path probe = directory / "Test@@@.@@@";
    {
        std::ofstream file(probe, std::ios::binary | std::ios::trunc);
        if (!file) return false;
        file.close();
        if (file.fail()) return false;
    }
    std::error_code ec;
    return fs::remove(probe, ec) && !ec;
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
