#include "situation/FileRead.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tumbla {

ReadableFile::ReadableFile(const std::filesystem::path& path) {
    // Without O_NONBLOCK the open of a pipe itself waits for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    fd_ = fd;
    size_ = static_cast<std::uint64_t>(st.st_size);
}

ReadableFile::~ReadableFile() {
    if (fd_ >= 0) ::close(fd_);
}

std::optional<std::size_t> ReadableFile::readAt(std::uint64_t offset, std::uint8_t* into,
                                                std::size_t count) const {
    if (fd_ < 0) return std::nullopt;
    std::size_t done = 0;
    while (done < count) {
        const ssize_t n =
            ::pread(fd_, into + done, count - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    return done;
}

std::optional<std::vector<std::uint8_t>> ReadFileStart(const std::filesystem::path& path,
                                                       std::size_t limit) {
    const ReadableFile file(path);
    if (!file.isOpen()) return std::nullopt;
    std::vector<std::uint8_t> bytes(
        static_cast<std::size_t>(std::min<std::uint64_t>(limit, file.size())));
    const std::optional<std::size_t> n = file.readAt(0, bytes.data(), bytes.size());
    if (!n) return std::nullopt;
    bytes.resize(*n);
    return bytes;
}

} // namespace tumbla
