#include "situation/ReplaceFile.h"

#include <atomic>
#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <random>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace tumbla {
namespace {

namespace fs = std::filesystem;

// "game.hra" writes through "game.hra.k3Zq9a.~tmp"; "game.hra.~tmp" is the
// fixed name that earlier versions used.
constexpr std::string_view TemporarySuffix = ".~tmp";
constexpr std::size_t RandomLength = 6;
constexpr std::string_view Alphabet =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

std::string RandomPart() {
    static std::atomic<std::uint64_t> counter{0};
    thread_local std::mt19937_64 random;
    thread_local pid_t seededIn = 0;
    // A forked process would otherwise draw the same names as its parent.
    if (seededIn != ::getpid()) {
        seededIn = ::getpid();
        random.seed(std::random_device{}() ^ (static_cast<std::uint64_t>(seededIn) << 32) ^
                    counter.fetch_add(1));
    }
    std::string part;
    for (std::size_t i = 0; i < RandomLength; ++i) part += Alphabet[random() % Alphabet.size()];
    return part;
}

// When this program began: a temporary of the game's own pattern from before
// then belongs to no write still going on in this program, and one of another
// copy that holds no lock would be newer.
const std::timespec ProgramStart = [] {
    std::timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return now;
}();

bool OlderThanProgram(const struct stat& st) {
    return st.st_mtim.tv_sec < ProgramStart.tv_sec ||
           (st.st_mtim.tv_sec == ProgramStart.tv_sec && st.st_mtim.tv_nsec < ProgramStart.tv_nsec);
}

// The random part and the suffix of a temporary's name, after the target's name.
bool IsRandomTemporaryTail(std::string_view rest) {
    if (rest.size() != 1 + RandomLength + TemporarySuffix.size() || rest.front() != '.' ||
        rest.substr(1 + RandomLength) != TemporarySuffix)
        return false;
    for (const char c : rest.substr(1, RandomLength))
        if (Alphabet.find(c) == std::string_view::npos) return false;
    return true;
}

// Temporaries a killed write left in the folder of `file`: those of `file`
// itself, and those of any other file that are the player's and older than
// this program, so that a game saved once under a new name leaves none for good.
void RemoveStaleTemporaries(const fs::path& file) {
    const std::string target = file.filename().string();
    const fs::path dir = file.parent_path().empty() ? "." : file.parent_path();
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const std::string_view n(name);
        const bool ours = IsTemporaryOf(name, target);
        const bool anyones =
            n.size() > 1 + RandomLength + TemporarySuffix.size() &&
            IsRandomTemporaryTail(n.substr(n.size() - 1 - RandomLength - TemporarySuffix.size()));
        if (!ours && !anyones) continue;
        struct stat st {};
        if (::lstat(it->path().c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
        if (!ours && (st.st_uid != ::geteuid() || !OlderThanProgram(st))) continue;
        std::error_code ignored;
        fs::remove(it->path(), ignored);
    }
}

// A new file of a free temporary name beside `file`; -1 on failure.
int CreateNamedTemporary(const fs::path& file, fs::path& temporary) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = file;
        temporary += ".";
        temporary += RandomPart();
        temporary += TemporarySuffix;
        // A new file gets the permissions the player's umask gives.
        const int fd =
            ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Gives the unnamed file `fd` a free temporary name beside `file`.
bool LinkUnnamed(int fd, const fs::path& file, fs::path& temporary) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = file;
        temporary += ".";
        temporary += RandomPart();
        temporary += TemporarySuffix;
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temporary.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return true;
        if (errno != EEXIST) return false;
    }
    return false;
}

bool Replace(const fs::path& file, std::span<const std::uint8_t> bytes, bool staleOnesGo) {
    struct stat old {};
    const bool exists = ::lstat(file.c_str(), &old) == 0;
    if (!exists && errno != ENOENT) return false;
    if (exists) {
        // Only a player's file is replaced, never a pipe, a device or a directory,
        // and a read-only one is left as it is, even for a user allowed to write.
        if (!S_ISREG(old.st_mode) || (old.st_mode & S_IWUSR) == 0) return false;
        if (::access(file.c_str(), W_OK) != 0) return false;
    }
    if (staleOnesGo) RemoveStaleTemporaries(file);

    // Whole, with the old file's permissions and owner, and on the disk.
    auto writeWhole = [&](int fd) {
        bool ok = WriteAllAt(fd, bytes, 0);
        if (ok && exists) {
            ok = ::fchmod(fd, old.st_mode & 07777) == 0;
            struct stat now {};
            // Root replacing a player's file leaves it the player's; others cannot and need not.
            if (ok && ::fstat(fd, &now) == 0 &&
                (now.st_uid != old.st_uid || now.st_gid != old.st_gid))
                (void)!::fchown(fd, old.st_uid, old.st_gid);
        }
        return ok && ::fsync(fd) == 0;
    };

    // The bytes go to an unnamed file where the file system has them, so that
    // a kill while they are written leaves nothing behind; it is named only
    // once whole, just before it replaces the target.
    const fs::path dir = file.parent_path().empty() ? "." : file.parent_path();
    fs::path temporary;
    bool named = false;
    if (const int fd = ::open(dir.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666); fd >= 0) {
        named = writeWhole(fd) && LinkUnnamed(fd, file, temporary);
        if (::close(fd) != 0 && named) {
            ::unlink(temporary.c_str());
            return false;
        }
    }
    if (!named) {
        const int fd = CreateNamedTemporary(file, temporary);
        if (fd < 0) return false;
        bool ok = writeWhole(fd);
        ok = ::close(fd) == 0 && ok;
        if (!ok) {
            ::unlink(temporary.c_str());
            return false;
        }
    }
    if (::rename(temporary.c_str(), file.c_str()) == 0) return true;
    ::unlink(temporary.c_str());
    return false;
}

} // namespace

bool WriteAllAt(int fd, std::span<const std::uint8_t> bytes, std::uint64_t offset) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.data() + done, bytes.size() - done,
                                   static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool IsTemporaryOf(const std::string& name, const std::string& target) {
    const std::string_view n(name);
    if (n.size() <= target.size() || n.substr(0, target.size()) != target) return false;
    const std::string_view rest = n.substr(target.size());
    return rest == TemporarySuffix || IsRandomTemporaryTail(rest);
}

fs::path FollowLinks(const fs::path& path) {
    fs::path at = path;
    // As the system does, a chain of more than 40 links is a loop.
    for (int depth = 0; depth < 40; ++depth) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(at, ec)) || ec) return at;
        const fs::path to = fs::read_symlink(at, ec);
        if (ec) return at;
        at = to.is_absolute() ? to : at.parent_path() / to;
    }
    return at;
}

bool ReplaceFileWith(const fs::path& target, std::span<const std::uint8_t> bytes) {
    const fs::path file = FollowLinks(target);
    const DirectoryLock lock(file.parent_path());
    // Without the lock another copy may be writing this very file: its
    // temporary is no stale one, so none is removed.
    return Replace(file, bytes, lock.held());
}

bool ReplaceFileWith(const fs::path& file, std::span<const std::uint8_t> bytes,
                     const DirectoryLock& held) {
    return Replace(file, bytes, held.held());
}

} // namespace tumbla
