#include "ui/FontConfigWarmUp.h"

#include <dlfcn.h>
#include <sys/resource.h>

namespace tumbla {

FontConfigWarmUp::FontConfigWarmUp() {
    // The library is the one Qt's font database reads the configuration with
    // when it first needs a font; it is looked up, not linked, so a Qt that
    // does without it starts as before. Once read, the configuration is the
    // library's current one, and Qt's own call finds it done.
    using Init = int (*)();
    const auto init = reinterpret_cast<Init>(dlsym(RTLD_DEFAULT, "FcInit"));
    if (!init) return;
    reader_ = std::thread([init] {
        // Only what the other core leaves idle: the display server, which the
        // main thread waits on meanwhile, goes first. (On Linux the nice value
        // belongs to this thread alone.)
        setpriority(PRIO_PROCESS, 0, 19);
        init();
    });
}

} // namespace tumbla
