#include "record/MarksDialog.h"

#include <algorithm>

namespace tumbla {

MarksDialog::MarksDialog(const MarkStack& marks, const std::function<std::int32_t(int)>& totalAt) {
    for (int i = 0; i < marks.count(); ++i)
        lines_.push_back(LineText(marks.at(i), totalAt(marks.at(i))));
    std::sort(lines_.begin(), lines_.end());
}

std::string MarksDialog::LineText(int position, std::int32_t total) {
    std::string number = std::to_string(position);
    if (number.size() < 3) number.insert(0, 3 - number.size(), ' ');
    return number + ".tah(" + std::to_string(total) + ")";
}

int MarksDialog::LineNumber(std::string_view line) {
    const auto dot = line.find('.');
    if (dot == std::string_view::npos) return 0;
    int value = 0;
    bool any = false;
    for (char c : line.substr(0, dot)) {
        if (c == ' ') continue;
        if (c < '0' || c > '9' || value > 100000) return 0;
        value = value * 10 + (c - '0');
        any = true;
    }
    return any ? value : 0;
}

bool MarksDialog::deleteSelected(const std::vector<int>& selected) {
    if (selected.empty()) return false;
    std::vector<std::string> kept;
    for (int i = 0; i < static_cast<int>(lines_.size()); ++i)
        if (std::find(selected.begin(), selected.end(), i) == selected.end())
            kept.push_back(lines_[static_cast<std::size_t>(i)]);
    lines_ = std::move(kept);
    return lines_.empty();
}

std::optional<int> MarksDialog::chosenPosition(const std::vector<int>& selected) const {
    if (lines_.empty()) return std::nullopt;
    int line = -1;
    for (int i : selected)
        if (i >= 0 && i < static_cast<int>(lines_.size())) line = std::max(line, i);
    if (line < 0) line = 0;
    return LineNumber(lines_[static_cast<std::size_t>(line)]);
}

void MarksDialog::writeBack(MarkStack& marks) const {
    marks.clear();
    for (const std::string& line : lines_) marks.add(LineNumber(line));
}

} // namespace tumbla
