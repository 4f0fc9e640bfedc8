#include "situation/Random.h"

#include <chrono>

namespace tumbla {

std::uint32_t ClockSeed() {
    using namespace std::chrono;
    const auto now = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    return static_cast<std::uint32_t>(now % (24LL * 60 * 60 * 1000));
}

} // namespace tumbla
