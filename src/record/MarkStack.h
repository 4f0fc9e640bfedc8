#pragma once
// Bookmarked position numbers of the game in progress. A mark names a
// position, not a copy of it, so marks past a replaced position must go.

#include <array>
#include <cstdint>

namespace tumbla {

class MarkStack {
  public:
    static constexpr int Capacity = 100;

    int count() const { return count_; }
    int at(int i) const { return marks_[static_cast<std::size_t>(i)]; } // 0-based
    bool contains(int position) const;

    // False when full or already marked.
    bool add(int position);
    // Removes every mark at `position` or later, keeping the order of the rest.
    // Returns whether anything went.
    bool dropFrom(int position);
    void clear() { count_ = 0; }

  private:
    std::array<std::uint16_t, Capacity> marks_{};
    int count_ = 0;
};

} // namespace tumbla
