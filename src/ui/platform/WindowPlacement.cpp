#include "ui/platform/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tumbla {

bool SaveWindowPlacement(const QWidget& window, IniStore& ini, std::string_view section) {
    const QPoint at = window.pos();
    return ini.writeInteger(section, "Left", at.x()) && ini.writeInteger(section, "Top", at.y());
}

void RestoreWindowPlacement(QWidget& window, const IniStore& ini, std::string_view section) {
    if (!ini.readValue(section, "Left") || !ini.readValue(section, "Top")) return;
    const QPoint at(ini.readInteger(section, "Left", 0), ini.readInteger(section, "Top", 0));
    // A place on a screen no longer attached would hide the window for good.
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen->availableGeometry().contains(at)) {
            window.move(at);
            return;
        }
}

} // namespace tumbla
