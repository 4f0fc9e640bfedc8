#include "record/MarkStack.h"

namespace tumbla {

bool MarkStack::contains(int position) const {
    for (int i = 0; i < count_; ++i)
        if (at(i) == position) return true;
    return false;
}

bool MarkStack::add(int position) {
    if (count_ >= Capacity || position < 1 || position > 0xFFFF || contains(position)) return false;
    marks_[static_cast<std::size_t>(count_++)] = static_cast<std::uint16_t>(position);
    return true;
}

bool MarkStack::dropFrom(int position) {
    int kept = 0;
    for (int i = 0; i < count_; ++i)
        if (at(i) < position)
            marks_[static_cast<std::size_t>(kept++)] = marks_[static_cast<std::size_t>(i)];
    const bool dropped = kept != count_;
    count_ = kept;
    return dropped;
}

} // namespace tumbla
