#include "record/PositionEntry.h"

#include <cstdint>

namespace tumbla {

int ReadPositionText(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return 1;
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return 1;
        value = value * 10 + (c - '0');
        if (value > 2147483648LL) return 1;
    }
    if (negative) value = -value;
    if (value > 2147483647LL) return 1;
    return static_cast<int>(value);
}

std::optional<int> CheckPosition(int value, int last) {
    if (value < 1 || value > last) return std::nullopt;
    return value;
}

} // namespace tumbla
