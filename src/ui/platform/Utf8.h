#pragma once
// The plain rooms speak UTF-8; Qt speaks QString.

#include <QString>

#include <string_view>

namespace tumbla {

inline QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace tumbla
