#pragma once
// An INI file held in memory, read and written in the dialect of Tumbla.ini
// (IniDocument): for tests, and for reading INI text without a file.

#include "situation/IniDocument.h"
#include "situation/IniStore.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tumbla {

class MemoryIniStore final : public IniStore {
  public:
    MemoryIniStore() = default;
    static MemoryIniStore FromIniText(std::string_view text);
    std::string toIniText() const { return document_.text(); }

    std::optional<std::string> readValue(std::string_view section,
                                         std::string_view key) const override;
    bool writeValue(std::string_view section, std::string_view key, std::string_view text) override;
    bool commit() override;
    void discard() override;

    // Failure seams: writes after the first `count` fail; commit fails.
    void failWritesAfter(std::size_t count) { writesLeft_ = count; }
    void failCommit(bool fails) { commitFails_ = fails; }
    std::size_t commitCount() const { return commits_; }
    // The keys in the order they were first written, "Section/Key".
    const std::vector<std::string>& writeOrder() const { return writeOrder_; }

  private:
    struct Pending {
        std::string section, key, text;
    };
    IniDocument document_;
    std::vector<Pending> pending_;
    std::vector<std::string> writeOrder_;
    std::size_t writesLeft_ = static_cast<std::size_t>(-1);
    bool commitFails_ = false;
    std::size_t commits_ = 0;
};

} // namespace tumbla
