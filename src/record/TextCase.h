#pragma once
// Upper case of UTF-8 text as file names are compared: ASCII and the
// accented Latin letters (Czech among them); anything else stays.

#include <string>
#include <string_view>

namespace tumbla {

std::u32string DecodeUtf8(std::string_view text);
std::string EncodeUtf8(std::u32string_view text);
char32_t UpperCaseLetter(char32_t c);
std::string UpperCase(std::string_view text);

} // namespace tumbla
