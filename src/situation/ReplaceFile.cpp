#include "situation/ReplaceFile.h"

#include <fstream>
#include <system_error>

namespace tumbla {

bool ReplaceFileWith(const std::filesystem::path& target, std::span<const std::uint8_t> bytes) {
    namespace fs = std::filesystem;
    fs::path temporary = target;
    temporary += ".~tmp";
    std::error_code ec;
    bool ok;
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        ok = static_cast<bool>(file);
        if (ok) {
            file.write(reinterpret_cast<const char*>(bytes.data()),
                       static_cast<std::streamsize>(bytes.size()));
            file.flush();
            file.close();
            ok = !file.fail();
        }
    }
    if (ok) {
        fs::rename(temporary, target, ec);
        ok = !ec;
    }
    if (!ok) fs::remove(temporary, ec);
    return ok;
}

} // namespace tumbla
