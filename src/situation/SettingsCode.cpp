#include "situation/SettingsCode.h"

#include <array>
#include <vector>

namespace tumbla {
namespace {

// Code points of a UTF-8 text; a malformed byte stands for itself, which no
// position of the code accepts.
std::vector<char32_t> CodePoints(std::string_view text) {
    std::vector<char32_t> out;
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
        if (i + extra >= text.size()) extra = 0; // a cut sequence: the lead byte alone
        char32_t cp = extra == 0 ? b : (b & (0x3F >> extra));
        for (int k = 1; k <= extra; ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        out.push_back(cp);
        i += 1 + extra;
    }
    return out;
}

// Digit positions read any other character as 0.
int DigitValue(char32_t c) {
    return c >= U'0' && c <= U'9' ? static_cast<int>(c - U'0') : 0;
}
int FromA(char32_t c) {
    return static_cast<int>(c) - 'A';
}

} // namespace

std::string SettingsCodeFromSettings(const GameSettings& s) {
    auto ch = [](int v) { return static_cast<char>(v); };
    const int g = ((s.Directions & DirUp) ? 1 : 0) + ((s.Directions & DirLeft) ? 2 : 0) +
                  ((s.Directions & DirRight) ? 4 : 0);
    std::string code;
    code += ch('A' + s.Rows - 1);
    code += ch('A' + s.Cols - 1);
    code += ch('0' + s.Count);
    code += ch('0' + s.Joly);
    code += ch(s.Transformator ? 'A' + g : '0' + g);
    code += ch('A' + s.Rating);
    code += ch('A' + s.Skala);
    code += ch('0' + s.Sklo);
    code += ch('A' + s.Doraz + 4 * s.Studna);
    return code;
}

DecodedSettings SettingsFromCode(std::string_view code, const GameSettings& base) {
    DecodedSettings out{0, base};
    GameSettings& s = out.settings;
    const std::vector<char32_t> c = CodePoints(code);
    auto fail = [&](int result) {
        out.result = result;
        out.settings = base;
        return out;
    };
    if (c.size() != 9) return fail(10);

    const int rows = static_cast<int>(c[0]) - 64;
    if (rows < 5 || rows > 15) return fail(1);
    s.Rows = static_cast<std::uint8_t>(rows);

    const int cols = static_cast<int>(c[1]) - 64;
    if (cols < 10 || cols > 25) return fail(2);
    s.Cols = static_cast<std::uint8_t>(cols);

    const int count = DigitValue(c[2]);
    if (count < 4 || count > 8) return fail(3);
    s.Count = static_cast<std::uint8_t>(count);

    const int joly = DigitValue(c[3]);
    if (joly > count) return fail(4);
    s.Joly = static_cast<std::uint8_t>(joly);

    int g;
    if (c[4] >= U'0' && c[4] <= U'7') {
        g = static_cast<int>(c[4] - U'0');
        s.Transformator = 0;
    } else if (c[4] >= U'A' && c[4] <= U'G') {
        g = FromA(c[4]);
        s.Transformator = 1;
    } else {
        return fail(5);
    }
    int directions = (g / 4 ? DirRight : 0) + ((g % 4) / 2 ? DirLeft : 0) + (g % 2 ? DirUp : 0);
    if (directions != 0) directions |= DirDown;
    s.Directions = static_cast<std::uint8_t>(directions);

    const int rating = FromA(c[5]);
    if (!(rating >= 0 && rating <= 2) && !(rating >= 5 && rating <= 7)) return fail(6);
    s.Rating = static_cast<std::uint8_t>(rating);

    const int rocks = FromA(c[6]);
    if (rocks < 0 || rocks > 20) return fail(7);
    s.Skala = static_cast<std::uint8_t>(rocks);

    const int sklo = DigitValue(c[7]);
    if (sklo > count) return fail(8);
    s.Sklo = static_cast<std::uint8_t>(sklo);

    if (s.Joly == s.Sklo && s.Joly != 0) return fail(11);

    // A..C and E..M, except H and L: their join value 3 is no join mode.
    const int p = FromA(c[8]);
    if (p < 0 || p > 12 || p % 4 == 3) return fail(9);
    s.Studna = static_cast<std::uint8_t>(p / 4);
    s.Doraz = static_cast<std::uint8_t>(p % 4);
    return out;
}

std::string_view SettingsCodeMessage(int result) {
    static constexpr std::array<std::string_view, 12> messages{
        "Nastavení je OK.",
        "Pozice R - chybný počet řádků (5-15 = A-O).",
        "Pozice S - chybný počet sloupců (10-25 = A-Y).",
        "Pozice B - chybný počet barev (4-8).",
        "Pozice Z - chybné pořadí žolíka (0-pozice B).",
        "Pozice G - chybná hodnota gravitace (0-7 -> D=0, N=1, L=2, P=4).",
        "Pozice H - chybný způsob hodnocení (A-D podle pořadí na přísl. záložce).",
        "Pozice J - chybný počet skal (0-20 = A-U).",
        "Pozice K - chybné pořadí skla (0-pozice B).",
        "Pozice P - chybné zadání spojování (A-C).",
        "Chybná délka řetězce - musí být zadáno 9 znaků.",
        "Pozice Z a K musí být odlišné nebo obě rovny 0.",
    };
    return result >= 0 && result < 12 ? messages[static_cast<std::size_t>(result)]
                                      : std::string_view{};
}

} // namespace tumbla
