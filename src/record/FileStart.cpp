#include "record/FileStart.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace tumbla {

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
