#include "results/HallOfFame.h"

#include <climits>
#include <cstdio>
#include <memory>
#include <system_error>

namespace tumbla {
namespace {

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

File Open(const std::filesystem::path& path, const char* mode) {
    return File(std::fopen(path.c_str(), mode), &std::fclose);
}

// Closes explicitly so that a failing close (the last buffered bytes) is seen.
bool Close(File& f) {
    std::FILE* raw = f.release();
    return std::fclose(raw) == 0;
}

constexpr std::size_t Size = FameRecord::PackedSize;

// The whole records of the file as raw bytes, or nothing when it cannot be read.
std::optional<std::vector<PackedFameRecord>> ReadRaw(const std::filesystem::path& path) {
    File f = Open(path, "rb");
    if (!f) return std::nullopt;
    std::vector<PackedFameRecord> records;
    PackedFameRecord block;
    while (std::fread(block.data(), 1, Size, f.get()) == Size) records.push_back(block);
    if (std::ferror(f.get())) return std::nullopt;
    return records;
}

} // namespace

HallOfFame::HallOfFame(std::filesystem::path directory)
    : file_(directory / "Tumbla.Fam"), work_(directory / "_Work.WK") {}

bool HallOfFame::append(const FameRecord& record) const {
    std::error_code ec;
    const bool exists = std::filesystem::exists(file_, ec);
    if (ec) return false;
    File f = Open(file_, exists ? "r+b" : "wb");
    if (!f) return false;
    // The end of the last whole record; a cut-off tail is shorter than a record,
    // so the new one covers it completely.
    if (std::fseek(f.get(), 0, SEEK_END) != 0) return false;
    const long size = std::ftell(f.get());
    if (size < 0) return false;
    const long end = size - size % static_cast<long>(Size);
    if (std::fseek(f.get(), end, SEEK_SET) != 0) return false;
    const PackedFameRecord bytes = PackFameRecord(record);
    const bool written =
        std::fwrite(bytes.data(), 1, Size, f.get()) == Size && std::fflush(f.get()) == 0;
    const bool closed = Close(f);
    if (written && closed) return true;
    // Leave no half record behind where it can be helped.
    std::filesystem::resize_file(file_, static_cast<std::uintmax_t>(end), ec);
    return false;
}

std::optional<FameRecord> HallOfFame::read(std::size_t number) const {
    File f = Open(file_, "rb");
    if (!f) return std::nullopt;
    if (number > static_cast<std::size_t>(LONG_MAX / static_cast<long>(Size) - 1))
        return std::nullopt;
    if (std::fseek(f.get(), static_cast<long>(number * Size), SEEK_SET) != 0) return std::nullopt;
    PackedFameRecord block;
    if (std::fread(block.data(), 1, Size, f.get()) != Size) return std::nullopt;
    return UnpackFameRecord(block);
}

std::vector<FameRecord> HallOfFame::readAll() const {
    std::vector<FameRecord> out;
    if (auto raw = ReadRaw(file_)) {
        out.reserve(raw->size());
        for (const PackedFameRecord& block : *raw) out.push_back(UnpackFameRecord(block));
    }
    return out;
}

bool HallOfFame::remove(std::size_t number) const {
    auto raw = ReadRaw(file_);
    if (!raw || number >= raw->size()) return false;

    std::error_code ec;
    bool ok = false;
    bool created = false;
    if (File f = Open(work_, "wb")) {
        ok = created = true;
        // Records are copied byte for byte, so nothing of them changes on the way.
        for (std::size_t i = 0; ok && i < raw->size(); ++i)
            if (i != number) ok = std::fwrite((*raw)[i].data(), 1, Size, f.get()) == Size;
        ok = ok && std::fflush(f.get()) == 0;
        ok = Close(f) && ok;
    }
    if (ok) {
        // Renaming over the old file replaces it in one step.
        std::filesystem::rename(work_, file_, ec);
        ok = !ec;
    }
    if (!ok && created) std::filesystem::remove(work_, ec);
    return ok;
}

bool HallOfFame::removeAll() const {
    std::error_code ec;
    std::filesystem::remove(file_, ec);
    return !ec;
}

} // namespace tumbla
