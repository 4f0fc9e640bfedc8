#pragma once
// Ports that answer on the player's behalf and remember what was shown.

#include "situation/Ports.h"
#include "support/RecordingMessages.h"

#include <deque>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace tumbla::test {

class ScriptedFiles : public FileChooser {
  public:
    std::optional<std::string> next; // the next choice; nothing = cancel
    std::vector<FileDialogRequest> openRequests, saveRequests;

    std::optional<std::string> chooseOpen(const FileDialogRequest& r) override {
        openRequests.push_back(r);
        return next;
    }
    std::optional<std::string> chooseSave(const FileDialogRequest& r) override {
        saveRequests.push_back(r);
        return next;
    }
};

// A fresh directory, removed with everything in it at the end of the test.
class TempDir {
  public:
    TempDir() {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() /
                ("tumbla-test-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

inline std::string FileBytes(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& p, const std::string& bytes) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

} // namespace tumbla::test
