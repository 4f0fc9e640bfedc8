#pragma once
// Reads the system's font configuration on a thread of its own while the main
// thread connects to the window system. Reading it (dozens of XML files and
// the font caches) is the longest single step of a start, and the first text
// the window measures would otherwise wait for it.

#include <thread>

namespace tumbla {

class FontConfigWarmUp {
  public:
    FontConfigWarmUp();
    ~FontConfigWarmUp() { wait(); }
    FontConfigWarmUp(const FontConfigWarmUp&) = delete;
    FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

    // Returns once the configuration is read; before the first font is used.
    void wait() {
        if (reader_.joinable()) reader_.join();
    }

  private:
    std::thread reader_;
};

} // namespace tumbla
