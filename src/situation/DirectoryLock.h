#pragma once
// Changes of the files in one directory, one at a time across every copy of
// the game and every player sharing the directory. The lock sits on the
// directory itself, so that no lock file joins the player's files, and it
// survives the renames by which the files are replaced.

#include <filesystem>

namespace tumbla {

class DirectoryLock {
  public:
    // Waits a few seconds at most for another holder; see held().
    explicit DirectoryLock(const std::filesystem::path& directory);
    ~DirectoryLock();
    DirectoryLock(const DirectoryLock&) = delete;
    DirectoryLock& operator=(const DirectoryLock&) = delete;

    // False when the directory cannot be opened or another holder kept it.
    bool held() const { return held_; }
    const std::filesystem::path& directory() const { return directory_; }

  private:
    std::filesystem::path directory_;
    int fd_ = -1;
    bool held_ = false;
};

} // namespace tumbla
