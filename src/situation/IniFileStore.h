#pragma once
// Tumbla.ini on disk. Each read of the settings parses the file once (it is
// parsed again only when it changed); a commit takes the folder's lock, applies
// the written values to what the file holds then, and replaces the file whole.

#include "situation/IniDocument.h"
#include "situation/IniStore.h"

#include <cstdint>
#include <filesystem>
#include <vector>

namespace tumbla {

// A Tumbla.ini larger than this is no file of the game's: it reads as missing
// and is never rewritten.
inline constexpr std::uint64_t IniSizeLimit = 1024 * 1024;

class IniFileStore final : public IniStore {
  public:
    explicit IniFileStore(std::filesystem::path file);

    std::optional<std::string> readValue(std::string_view section,
                                         std::string_view key) const override;
    bool writeValue(std::string_view section, std::string_view key, std::string_view text) override;
    bool commit() override;
    void discard() override;

    const std::filesystem::path& filePath() const { return file_; }

  private:
    struct Pending {
        std::string section, key, text;
    };
    struct Seen {
        bool operator==(const Seen&) const = default;
        std::uint64_t device = 0, inode = 0, size = 0;
        std::int64_t seconds = 0, nanoseconds = 0;
        bool exists = false;
    };
    // The file as the system describes it now: `exists` false when it is not
    // there; nothing when it cannot be looked at.
    static std::optional<Seen> Look(const std::filesystem::path& file);
    // What the file so described holds; nothing when it cannot be used.
    static std::optional<IniDocument> Load(const std::filesystem::path& file, const Seen& seen);
    const IniDocument& current() const;

    std::filesystem::path file_;
    std::vector<Pending> pending_;
    mutable std::optional<Seen> seen_;
    mutable IniDocument document_;
};

} // namespace tumbla
