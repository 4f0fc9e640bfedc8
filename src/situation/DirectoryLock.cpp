#include "situation/DirectoryLock.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace tumbla {

DirectoryLock::DirectoryLock(const std::filesystem::path& directory) : directory_(directory) {
    const std::filesystem::path path = directory.empty() ? "." : directory;
    fd_ = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ < 0) return;
    // Holders keep it for one read and one write of a file; ten seconds is a
    // holder that hangs, and waiting longer would hang this copy with it.
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    for (;;) {
        if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
            held_ = true;
            return;
        }
        if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() > giveUp)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

DirectoryLock::~DirectoryLock() {
    if (fd_ >= 0) ::close(fd_); // closing releases the lock
}

} // namespace tumbla
