#pragma once
// What the marks window "značky:" holds and does, without the window: its
// sorted lines, deleting, the position chosen, and writing the list back.

#include "record/MarkStack.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tumbla {

class MarksDialog {
  public:
    // One line per mark, "  5.tah(120)", kept sorted by text.
    MarksDialog(const MarkStack& marks, const std::function<std::int32_t(int)>& totalAt);

    static std::string LineText(int position, std::int32_t total);
    // The text before the first ".", blanks removed, as a number; 0 when there is none.
    static int LineNumber(std::string_view line);

    const std::vector<std::string>& lines() const { return lines_; }

    // "zruš aktuální": removes the selected lines (indices into lines()).
    // Returns true when the list became empty and the window closes.
    bool deleteSelected(const std::vector<int>& selected);
    // "zruš všechny": the list is emptied and the window closes.
    void deleteAll() { lines_.clear(); }
    // "přejdi k pozici" or a double click: the last selected line in list
    // order, or the first line when none is selected.
    std::optional<int> chosenPosition(const std::vector<int>& selected) const;
    // The marks as the list now holds them, in list order.
    void writeBack(MarkStack& marks) const;

  private:
    std::vector<std::string> lines_;
};

} // namespace tumbla
