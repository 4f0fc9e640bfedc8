#include "record/SearchFormat.h"

#include <cmath>
#include <cstdio>

namespace tumbla {
namespace {

std::string Printf(const char* format, int decimals, double value) {
    // %f of the largest double has 309 digits before the point.
    char buffer[400];
    const int n = std::snprintf(buffer, sizeof buffer, format, decimals, value);
    return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
}

// Characters, not bytes: a separator may take several bytes in UTF-8.
std::size_t CharacterCount(std::string_view text) {
    std::size_t n = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

std::string PadLeft(std::string text, std::size_t width) {
    const std::size_t n = CharacterCount(text);
    if (n < width) text.insert(0, width - n, ' ');
    return text;
}

// Plain decimal with the locale's decimal separator and no grouping.
std::string FixedText(double value, int decimals, std::string_view decimalSeparator) {
    if (!std::isfinite(value)) return std::isnan(value) ? "?" : value < 0 ? "-∞" : "∞";
    std::string text = Printf("%.*f", decimals, value);
    const std::size_t point = text.find('.');
    if (point != std::string::npos) text.replace(point, 1, decimalSeparator);
    return text;
}

} // namespace

std::string SearchProgressLine(int depth, int index, int count, std::int32_t best) {
    return std::to_string(depth) + " - " + std::to_string(index) + "/" + std::to_string(count) +
           " - " + std::to_string(best);
}

std::string SearchMoveText(int value) {
    if (value < 100) {
        static constexpr const char* letters[] = {"D", "N", "L", "P"};
        return value >= 0 && value < 4 ? letters[value] : std::to_string(value);
    }
    return std::to_string(value / 100) + "/" + std::to_string(value % 100);
}

std::string SearchPathRow(int value, bool last, std::int32_t bestScore) {
    std::string text = SearchMoveText(value);
    if (last) text += "  [=" + std::to_string(bestScore) + "]";
    return text;
}

std::string FormatGrouped(double value, int decimals, std::string_view thousandsSeparator,
                          std::string_view decimalSeparator) {
    if (!std::isfinite(value)) return FixedText(value, decimals, decimalSeparator);
    const std::string plain = Printf("%.*f", decimals, value);
    const bool negative = !plain.empty() && plain[0] == '-';
    const std::size_t begin = negative ? 1 : 0;
    std::size_t point = plain.find('.');
    if (point == std::string::npos) point = plain.size();

    std::string out = negative ? "-" : "";
    const std::size_t digits = point - begin;
    for (std::size_t i = 0; i < digits; ++i) {
        if (i > 0 && (digits - i) % 3 == 0) out += thousandsSeparator;
        out += plain[begin + i];
    }
    if (point < plain.size()) {
        out += decimalSeparator;
        out += plain.substr(point + 1);
    }
    return out;
}

std::string FormatShareDone(double leafCount, double maxEstimate,
                            std::string_view decimalSeparator) {
    const double share = maxEstimate > 0 ? leafCount * 100 / maxEstimate : 0;
    return PadLeft(FixedText(leafCount, 0, decimalSeparator), 10) +
           " (=" + PadLeft(FixedText(share, 7, decimalSeparator), 10) + "%)";
}

double EstimatedYears(double maxEstimate, double leafCount, std::int64_t elapsedSeconds) {
    if (leafCount <= 0) return 0;
    return maxEstimate / leafCount * static_cast<double>(elapsedSeconds) / 31536000.0;
}

} // namespace tumbla
