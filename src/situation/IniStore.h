#pragma once
// The player's INI file as the plain code sees it: values by section and key.
// The window supplies the real file; tests use MemoryIniStore.

#include <optional>
#include <string>
#include <string_view>

namespace tumbla {

class IniStore {
  public:
    virtual ~IniStore() = default;

    // The value's text as stored, or nothing when the key is missing.
    virtual std::optional<std::string> readValue(std::string_view section,
                                                 std::string_view key) const = 0;
    // Writes take effect only at commit(); false when the value cannot be kept.
    virtual bool writeValue(std::string_view section, std::string_view key,
                            std::string_view text) = 0;
    // Makes the written values lasting, all at once; false when the file cannot
    // be written, which leaves the old file as it was.
    virtual bool commit() = 0;
    // Forgets the values written since the last commit.
    virtual void discard() = 0;

    // Missing keys and values that are no number read as their defaults.
    int readInteger(std::string_view section, std::string_view key, int defaultValue) const;
    std::string readText(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const;
    // Yes/no values are numbers; anything but 0 means yes.
    bool readBool(std::string_view section, std::string_view key, bool defaultValue) const;

    bool writeInteger(std::string_view section, std::string_view key, int value);
    bool writeText(std::string_view section, std::string_view key, std::string_view text);
    bool writeBool(std::string_view section, std::string_view key, bool value);
};

// A decimal integer with an optional sign, blanks around it allowed; nothing
// when the text holds anything else or does not fit 32 bits.
std::optional<int> ParseIniInteger(std::string_view text);

} // namespace tumbla
