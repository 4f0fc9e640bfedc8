#pragma once
// Reading files that players name or edit. Only regular files are opened: a
// pipe would make the reader wait for a writer for ever, and a device or a
// directory holds nothing a reader could use, so they are refused at once.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace tumbla {

class ReadableFile {
  public:
    explicit ReadableFile(const std::filesystem::path& path);
    ~ReadableFile();
    ReadableFile(const ReadableFile&) = delete;
    ReadableFile& operator=(const ReadableFile&) = delete;

    // False for a missing, unreadable or not regular file.
    bool isOpen() const { return fd_ >= 0; }
    // The size when it was opened.
    std::uint64_t size() const { return size_; }
    // Up to `count` bytes from `offset` (fewer only at the end of the file);
    // nothing on a read error.
    std::optional<std::size_t> readAt(std::uint64_t offset, std::uint8_t* into,
                                      std::size_t count) const;

  private:
    int fd_ = -1;
    std::uint64_t size_ = 0;
};

// The first `limit` bytes of a regular file (all of a shorter one), or nothing
// when it cannot be read. Readers ask for no more than their layout can use,
// so a huge file costs nothing and a short one is refused by its reader.
std::optional<std::vector<std::uint8_t>> ReadFileStart(const std::filesystem::path& path,
                                                       std::size_t limit);

} // namespace tumbla
