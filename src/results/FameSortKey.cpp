#include "results/FameSortKey.h"

#include "results/FameDate.h"
#include "situation/Windows1250.h"

namespace tumbla {
namespace {

// Capital of a Windows-1250 letter; other bytes stay.
std::uint8_t UpperByte(std::uint8_t b) {
    if (b >= 'a' && b <= 'z') return static_cast<std::uint8_t>(b - 32);
    switch (b) {
    case 0x9A:
    case 0x9C:
    case 0x9D:
    case 0x9E:
    case 0x9F:
        return static_cast<std::uint8_t>(b - 0x10);
    case 0xB3:
        return 0xA3;
    case 0xB9:
        return 0xA5;
    case 0xBA:
        return 0xAA;
    case 0xBE:
        return 0xBC;
    case 0xBF:
        return 0xAF;
    default:
        break;
    }
    if (b >= 0xE0 && b <= 0xFE && b != 0xF7) return static_cast<std::uint8_t>(b - 0x20);
    return b;
}

} // namespace

int CompareCaseBlind(std::string_view a, std::string_view b) {
    const std::string x = Utf8ToWindows1250(a);
    const std::string y = Utf8ToWindows1250(b);
    const std::size_t n = std::min(x.size(), y.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int cx = UpperByte(static_cast<std::uint8_t>(x[i]));
        const int cy = UpperByte(static_cast<std::uint8_t>(y[i]));
        if (cx != cy) return cx < cy ? -1 : 1;
    }
    return x.size() == y.size() ? 0 : (x.size() < y.size() ? -1 : 1);
}

std::string RightAligned(std::string_view text, std::size_t width) {
    const std::size_t length = Utf8Length(text);
    std::string out(length < width ? width - length : 0, ' ');
    out += text;
    return out;
}

std::string ZeroPadded(std::int64_t value, std::size_t width) {
    std::string text = std::to_string(value);
    if (text.size() < width) text.insert(0, width - text.size(), '0');
    return text;
}

std::string PointsSegment(std::int32_t points) {
    // Wide arithmetic: a stored points value of any size must not overflow.
    return ZeroPadded(99'999'999 - std::int64_t{points}, 9);
}

std::string NameSegment(const FameRecord& r) {
    std::string upper = r.name;
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (upper.size() < FameRecord::NameCapacity) upper.resize(FameRecord::NameCapacity, ' ');
    return Windows1250ToUtf8(upper);
}

std::string DateSegment(const FameRecord& r) {
    return FameDateKey(FameDateTimeFromDate(r.entered));
}

std::string SituationSegment(std::int32_t situationNumber) {
    return ZeroPadded(situationNumber, 10);
}

std::string SettingsSegment(const GameSettings& s, const FameFilters& filters) {
    auto yesNo = [](bool b) { return b ? 'A' : 'N'; };
    const std::string parts[10] = {
        ZeroPadded(s.Rows, 2) + ZeroPadded(s.Cols, 2),
        ZeroPadded(s.Count, 1),
        ZeroPadded(s.Joly, 1),
        ZeroPadded(s.Sklo, 1),
        ZeroPadded(s.Skala, 2),
        ZeroPadded(s.Rating, 1),
        ZeroPadded(s.Studna, 1),
        s.Transformator ? "T" : "F",
        s.Doraz == 0 ? "N" : "A",
        {yesNo(s.Directions & DirUp), yesNo(s.Directions & DirLeft),
         yesNo(s.Directions & DirRight)},
    };
    // A value wider than its part (a damaged record) is cut to the part's width,
    // so the segments after it stay in place.
    static constexpr std::size_t widths[10] = {4, 1, 1, 1, 2, 1, 1, 1, 1, 3};
    std::string out;
    for (std::size_t i = 0; i < 10; ++i) {
        if (filters[i])
            out += parts[i].substr(parts[i].size() - widths[i]);
        else
            out.append(widths[i], ' ');
    }
    return out;
}

std::string FameKeySegments(const FameRecord& r, const FameKeyOrder& order,
                            const FameFilters& filters) {
    std::string key;
    for (char letter : order) {
        switch (letter) {
        case 'B':
            key += PointsSegment(r.points);
            break;
        case 'J':
            key += NameSegment(r);
            break;
        case 'D':
            key += DateSegment(r);
            break;
        case 'C':
            key += SituationSegment(r.settings.BeginNumber);
            break;
        default:
            key += SettingsSegment(r.settings, filters);
            break;
        }
    }
    return key;
}

std::string RecordNumberSegment(std::size_t number) {
    return ZeroPadded(static_cast<std::int64_t>(number), 4);
}

std::string FameSortKey(const FameRecord& r, std::size_t number, const FameKeyOrder& order,
                        const FameFilters& filters) {
    return FameKeySegments(r, order, filters) + RecordNumberSegment(number);
}

} // namespace tumbla
