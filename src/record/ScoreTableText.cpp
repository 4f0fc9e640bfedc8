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

std::vector<std::string> ScoreTableText() {
    std::vector<std::string> lines{"počet  V1      V2       V3", std::string(26, '=')};
    for (int n = 1; n <= 70; ++n)
        lines.push_back(RightAligned(n, 4) + ":" + RightAligned(n, 4) +
                        RightAligned(ScoreOf(n), 8) +
                        RightAligned(static_cast<long long>(n) * (n / 3 + 1), 9));
    return lines;
}

} // namespace tumbla
