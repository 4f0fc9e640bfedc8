#include "record/ScoreTableText.h"

#include "engine/Scoring.h"

namespace tumbla {
namespace {

std::string RightAligned(long long value, std::size_t width) {
    std::string text = std::to_string(value);
    if (text.size() < width) text.insert(0, width - text.size(), ' ');
    return text;
}

} // namespace

ScoreColumns ScoreColumnsFor(int n) {
    return {n, ScoreOf(n), static_cast<long long>(n) * (n / 3 + 1)};
}

std::vector<std::string> ScoreTableText() {
    std::vector<std::string> lines{"počet  V1      V2       V3", std::string(26, '=')};
    for (int n = 1; n <= 70; ++n) {
        const ScoreColumns v = ScoreColumnsFor(n);
        lines.push_back(RightAligned(n, 4) + ":" + RightAligned(v.direct, 4) +
                        RightAligned(v.premium, 8) + RightAligned(v.block, 9));
    }
    return lines;
}

} // namespace tumbla
