#pragma once
// An INI file held in memory, for tests and for reading INI text without a
// file. Sections and keys are found regardless of letter case, as the
// platform's INI files are; the first of two equal keys counts.

#include "situation/IniStore.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tumbla {

class MemoryIniStore final : public IniStore {
  public:
    MemoryIniStore() = default;
    // Reads INI text: "[Section]" lines, "key=value" lines, ";" comments.
    static MemoryIniStore FromIniText(std::string_view text);
    std::string toIniText() const;

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
    struct Entry {
        std::string section;
        std::string key;
        std::string value;
    };
    static const Entry* find(const std::vector<Entry>& entries, std::string_view section,
                             std::string_view key);
    static void put(std::vector<Entry>& entries, std::string_view section, std::string_view key,
                    std::string_view value, bool replace);

    std::vector<Entry> stored_;
    std::vector<Entry> pending_;
    std::vector<std::string> writeOrder_;
    std::size_t writesLeft_ = static_cast<std::size_t>(-1);
    bool commitFails_ = false;
    std::size_t commits_ = 0;
};

} // namespace tumbla
