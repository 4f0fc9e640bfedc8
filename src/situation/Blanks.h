#pragma once

#include <string_view>

namespace tumbla {

// The text without blanks (and other control characters) at both ends, as the
// player's typing and hand-edited files may leave them.
inline std::string_view TrimBlanks(std::string_view text) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

} // namespace tumbla
