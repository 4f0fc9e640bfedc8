#pragma once
// Player names are kept in the hall of fame as Windows-1250 bytes, one byte a
// character, and shown as Unicode (UTF-8 inside the program). Texts that a
// player wrote into Tumbla.ini on the old system are in the same code page.

#include <cstdint>
#include <string>
#include <string_view>

namespace tumbla {

// The character a byte stands for. The five bytes the code page leaves open
// stand for the control character of the same number, as the system does.
char32_t Windows1250ToUnicode(std::uint8_t byte);

// The byte of a character, or '?' when the code page has no form for it.
std::uint8_t UnicodeToWindows1250(char32_t c);

std::string Windows1250ToUtf8(std::string_view bytes);

// Every character becomes one byte; a character without a form, and every
// byte of a malformed UTF-8 sequence, becomes '?'.
std::string Utf8ToWindows1250(std::string_view utf8);

// The characters of a UTF-8 text (a malformed byte counts as one character).
std::size_t Utf8Length(std::string_view utf8);

// Whether `text` is well-formed UTF-8 throughout.
bool IsUtf8(std::string_view text);

} // namespace tumbla
