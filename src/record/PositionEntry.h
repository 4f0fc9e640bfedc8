#pragma once
// Reading the number typed into the window "přechod k pozici:".

#include <optional>
#include <string_view>

namespace tumbla {

// The typed text as a whole number; a text that is no whole number counts as
// 1, the lowest position.
int ReadPositionText(std::string_view text);

// The chosen position when 1 <= value <= last; nothing otherwise, which the
// window answers with "Číslo tahu je mimo správný rozsah!".
std::optional<int> CheckPosition(int value, int last);

} // namespace tumbla
