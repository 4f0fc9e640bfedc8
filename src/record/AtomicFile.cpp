#include "record/AtomicFile.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace tumbla {

bool WriteFileReplacing(const std::string& path, std::span<const std::uint8_t> bytes) {
    const std::string temp = path + ".~tmp";
    std::FILE* file = std::fopen(temp.c_str(), "wb");
    if (file == nullptr) return false;
    bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = std::fflush(file) == 0 && ok;
    ok = std::fclose(file) == 0 && ok;
    std::error_code error;
    if (ok) {
        std::filesystem::rename(temp, path, error);
        ok = !error;
    }
    if (!ok) std::filesystem::remove(temp, error);
    return ok;
}

std::optional<std::vector<std::uint8_t>> ReadFileStart(const std::string& path, std::size_t limit) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return std::nullopt;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return std::nullopt;
    std::vector<std::uint8_t> bytes(limit);
    const std::size_t n = limit == 0 ? 0 : std::fread(bytes.data(), 1, limit, file);
    const bool ok = std::ferror(file) == 0;
    std::fclose(file);
    if (!ok) return std::nullopt;
    bytes.resize(n);
    return bytes;
}

} // namespace tumbla
