#pragma once
// Reading the number typed into the window "zadání čísla situace:".

#include <cstdint>
#include <optional>
#include <string_view>

namespace tumbla {

// Blanks at both ends are ignored and an empty text counts as 0. Accepts a
// decimal number with an optional sign within the signed 32-bit range, or a
// hexadecimal number after "$" of at most 32 bits (read as its signed
// 32-bit pattern, so "$FFFFFFFF" is -1). Nothing when the text is no such
// number.
std::optional<std::int32_t> ParseSituationNumber(std::string_view text);

} // namespace tumbla
