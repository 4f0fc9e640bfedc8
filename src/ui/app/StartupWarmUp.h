#pragma once
// What the start needs but the main thread cannot yet use, made ready on a
// second core while the main thread sets Qt up and connects to the display:
// - the libraries of Qt's X11 window-system plugin (some twenty XCB ones),
//   which Qt would load only once it has chosen its platform;
// - the system's font configuration (dozens of XML files and the font
//   caches), the longest single step of a start, which the first text the
//   window measures would otherwise wait for.

#include <thread>

namespace tumbla {

class StartupWarmUp {
  public:
    StartupWarmUp();
    ~StartupWarmUp() { wait(); }
    StartupWarmUp(const StartupWarmUp&) = delete;
    StartupWarmUp& operator=(const StartupWarmUp&) = delete;

    // Returns once all is ready; before the first font is used.
    void wait() {
        if (worker_.joinable()) worker_.join();
    }

  private:
    std::thread worker_;
};

} // namespace tumbla
