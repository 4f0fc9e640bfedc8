#include "situation/IniStore.h"

#include "situation/Blanks.h"

#include <charconv>
#include <cstdint>

namespace tumbla {

std::optional<int> ParseIniInteger(std::string_view text) {
    text = TrimBlanks(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') return std::nullopt;
    }
    if (text.empty()) return std::nullopt;
    std::int32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc{} || ptr != end) return std::nullopt;
    return value;
}

int IniStore::readInteger(std::string_view section, std::string_view key, int defaultValue) const {
    const std::optional<std::string> text = readValue(section, key);
    if (!text) return defaultValue;
    return ParseIniInteger(*text).value_or(defaultValue);
}

std::string IniStore::readText(std::string_view section, std::string_view key,
                               std::string_view defaultValue) const {
    return readValue(section, key).value_or(std::string(defaultValue));
}

bool IniStore::readBool(std::string_view section, std::string_view key, bool defaultValue) const {
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool IniStore::writeInteger(std::string_view section, std::string_view key, int value) {
    return writeValue(section, key, std::to_string(value));
}

bool IniStore::writeText(std::string_view section, std::string_view key, std::string_view text) {
    return writeValue(section, key, text);
}

bool IniStore::writeBool(std::string_view section, std::string_view key, bool value) {
    return writeValue(section, key, value ? "1" : "0");
}

} // namespace tumbla
