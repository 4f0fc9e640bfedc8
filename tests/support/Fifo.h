#pragma once
// Named pipes as a hostile player hands them to the game: whoever opens one
// for reading waits until a writer comes, which never happens.

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

namespace tumbla::test {

inline bool MakeFifo(const std::filesystem::path& path) {
    return ::mkfifo(path.c_str(), 0600) == 0;
}

// Runs `read` on a thread of its own; true when it returns within a few
// seconds. One that waits on the pipe is then freed by a writer that comes
// and goes, so that the test fails instead of hanging.
template <class Read> bool ReturnsWithoutAWriter(const std::filesystem::path& fifo, Read read) {
    auto done = std::async(std::launch::async, read);
    if (done.wait_for(std::chrono::seconds(5)) == std::future_status::ready) return true;
    while (done.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready) {
        const int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) ::close(fd);
    }
    return false;
}

} // namespace tumbla::test
