#include "results/HallOfFame.h"

#include "situation/DirectoryLock.h"
#include "situation/FileRead.h"
#include "situation/ReplaceFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <system_error>

namespace tumbla {
namespace {

namespace fs = std::filesystem;
constexpr std::size_t Size = FameRecord::PackedSize;
// Records read at a time: the file is read in one pass, in pieces of this many.
constexpr std::size_t Batch = 512;

} // namespace

HallOfFame::HallOfFame(fs::path directory)
    : directory_(std::move(directory)), file_(directory_ / "Tumbla.Fam") {}

bool HallOfFame::append(const FameRecord& record) const {
    const fs::path file = FollowLinks(file_);
    const DirectoryLock lock(file.parent_path());
    if (!lock.held()) return false;
    // Never waits on a pipe; a device or a directory is refused below.
    const int fd =
        ::open(file.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NONBLOCK | O_NOCTTY, 0666);
    if (fd < 0) return false;
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && (st.st_mode & S_IWUSR) != 0;
    // The end of the last whole record; a cut-off tail is shorter than a record,
    // so the new one covers it.
    const off_t end = ok ? st.st_size - st.st_size % static_cast<off_t>(Size) : 0;
    // A record the list could never show is not written.
    ok = ok && static_cast<std::uint64_t>(end) / Size < MaxRecords;
    if (ok) {
        const PackedFameRecord bytes = PackFameRecord(record);
        ok = WriteAllAt(fd, bytes, static_cast<std::uint64_t>(end)) && ::fsync(fd) == 0;
        // Leave no half record behind where it can be helped.
        if (!ok) (void)!::ftruncate(fd, std::max<off_t>(end, 0));
    }
    ok = ::close(fd) == 0 && ok;
    return ok;
}

std::optional<PackedFameRecord> HallOfFame::readPacked(std::size_t number) const {
    const ReadableFile f(file_);
    if (!f.isOpen() || number >= MaxRecords || number >= f.size() / Size) return std::nullopt;
    PackedFameRecord block;
    const auto n = f.readAt(static_cast<std::uint64_t>(number) * Size, block.data(), Size);
    if (!n || *n != Size) return std::nullopt;
    return block;
}

std::optional<FameRecord> HallOfFame::read(std::size_t number) const {
    const auto block = readPacked(number);
    if (!block) return std::nullopt;
    return UnpackFameRecord(*block);
}

bool HallOfFame::forEach(
    const std::function<void(std::size_t, const PackedFameRecord&)>& visit) const {
    const ReadableFile f(file_);
    if (!f.isOpen()) {
        std::error_code ec;
        return !fs::exists(file_, ec) && !ec;
    }
    std::vector<std::uint8_t> piece(Batch * Size);
    std::size_t number = 0;
    for (std::uint64_t at = 0; number < MaxRecords;) {
        const std::size_t wanted = std::min(Batch, MaxRecords - number) * Size;
        const auto n = f.readAt(at, piece.data(), wanted);
        if (!n) return false;
        PackedFameRecord block;
        for (std::size_t i = 0; i + Size <= *n; i += Size) {
            std::copy(piece.begin() + static_cast<std::ptrdiff_t>(i),
                      piece.begin() + static_cast<std::ptrdiff_t>(i + Size), block.begin());
            visit(number++, block);
        }
        if (*n < wanted) return true;
        at += *n;
    }
    return true;
}

std::vector<FameRecord> HallOfFame::readAll() const {
    std::vector<FameRecord> out;
    forEach([&](std::size_t, const PackedFameRecord& block) {
        out.push_back(UnpackFameRecord(block));
    });
    return out;
}

HallOfFame::Removal HallOfFame::remove(const FameSelection& selected) const {
    const fs::path file = FollowLinks(file_);
    const DirectoryLock lock(file.parent_path());
    if (!lock.held()) return Removal::Failed;

    // What the file holds now, not what the list showed.
    const ReadableFile f(file);
    if (!f.isOpen()) {
        std::error_code ec;
        return fs::exists(file, ec) ? Removal::Failed : Removal::Gone;
    }
    const std::uint64_t records = f.size() / Size;
    if (selected.number >= records) return Removal::Gone;
    if (records > MaxRecords) return Removal::Failed;
    std::vector<std::uint8_t> kept(static_cast<std::size_t>(records * Size));
    const auto n = f.readAt(0, kept.data(), kept.size());
    if (!n || *n != kept.size()) return Removal::Failed;
    const auto at = kept.begin() + static_cast<std::ptrdiff_t>(selected.number * Size);
    if (!std::equal(selected.bytes.begin(), selected.bytes.end(), at)) return Removal::Gone;
    kept.erase(at, at + static_cast<std::ptrdiff_t>(Size));

    // The copy that earlier versions built under one fixed name; a kill left it.
    std::error_code ec;
    const fs::path oldWork = file.parent_path() / "_Work.WK";
    if (fs::is_regular_file(fs::symlink_status(oldWork, ec))) fs::remove(oldWork, ec);
    return ReplaceFileWith(file, kept, lock) ? Removal::Removed : Removal::Failed;
}

bool HallOfFame::removeAll() const {
    const fs::path file = FollowLinks(file_);
    const DirectoryLock lock(file.parent_path());
    std::error_code ec;
    fs::remove(file, ec);
    return !ec;
}

} // namespace tumbla
