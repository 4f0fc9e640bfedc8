#pragma once
// Shared pieces of the results tests: a scratch directory and a player who
// answers message boxes from a script.

#include "situation/Ports.h"

#include <deque>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace tumbla::test {

class ScratchDirectory {
  public:
    ScratchDirectory() {
        std::random_device seed;
        path_ = std::filesystem::temp_directory_path() /
                ("tumbla-results-" + std::to_string(seed()) + std::to_string(seed()));
        std::filesystem::create_directories(path_);
    }
    ~ScratchDirectory() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;
    const std::filesystem::path& path() const { return path_; }

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

struct ScriptedMessages : Messages {
    std::vector<std::string> errors, warnings, informations, plains, questions;
    std::deque<Answer> answers; // Yes when the script has run out

    void showPlain(std::string_view t) override { plains.emplace_back(t); }
    void showError(std::string_view t) override { errors.emplace_back(t); }
    void showWarning(std::string_view t) override { warnings.emplace_back(t); }
    void showInformation(std::string_view t) override { informations.emplace_back(t); }
    Answer askConfirmation(std::string_view t, bool) override {
        questions.emplace_back(t);
        if (answers.empty()) return Answer::Yes;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
};

} // namespace tumbla::test
