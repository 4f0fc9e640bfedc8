#include "ui/app/StartupWarmUp.h"

#include <cstdlib>
#include <cstring>

#include <dlfcn.h>
#include <sys/resource.h>

namespace tumbla {

namespace {

// Whether Qt is going to choose its X11 platform: named, or the default on a
// display that is no Wayland one. A wrong guess costs the second core a few
// milliseconds and nothing else.
bool X11PlatformAhead() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform) return std::strncmp(platform, "xcb", 3) == 0;
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return display && *display && !(wayland && *wayland);
}

} // namespace

StartupWarmUp::StartupWarmUp() {
    // Both are what Qt itself loads, by the same names, and neither is linked:
    // loading one again finds it loaded, and a Qt built without fontconfig
    // starts as before. Once read, the font configuration is the library's
    // current one, and Qt's own FcInit() finds it done.
    using FontConfigInit = int (*)();
    const auto readFontConfig = reinterpret_cast<FontConfigInit>(dlsym(RTLD_DEFAULT, "FcInit"));
    const bool x11 = X11PlatformAhead();
    if (!readFontConfig && !x11) return;
    worker_ = std::thread([readFontConfig, x11] {
        // Only what the other core leaves idle: the display server, which the
        // main thread waits on meanwhile, goes first. (On Linux the nice value
        // belongs to this thread alone.)
        setpriority(PRIO_PROCESS, 0, 19);
        if (x11) {
            dlopen("libQt6XcbQpa.so.6", RTLD_LAZY);
            dlopen("libXcursor.so.1", RTLD_LAZY);
        }
        if (readFontConfig) readFontConfig();
    });
}

} // namespace tumbla
