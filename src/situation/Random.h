#pragma once
// The situation generator's own random numbers. Pinned by tests: a change here
// changes every situation of every player.

#include <cstdint>

namespace tumbla {

class Random {
  public:
    explicit Random(std::uint32_t seed = 0) : seed_(seed) {}

    // 0..n-1 for 1 <= n <= 2^31 - 1.
    std::uint32_t Next(std::uint32_t n) {
        seed_ = seed_ * 134775813u + 1u;
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(seed_) * n) >> 32);
    }

    std::uint32_t seed() const { return seed_; }
    void setSeed(std::uint32_t seed) { seed_ = seed; }

  private:
    std::uint32_t seed_;
};

// Milliseconds since midnight UTC: the seed from which a number is drawn when
// the settings ask for a random situation.
std::uint32_t ClockSeed();

} // namespace tumbla
