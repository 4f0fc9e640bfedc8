#include "ui/platform/WindowPlacement.h"

#include <QGuiApplication>
#include <QPoint>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace tumbla {

bool SaveWindowPlacement(const QWidget& window, IniStore& ini, std::string_view section) {
    return SaveWindowPlacement(window.pos(), ini, section);
}

bool SaveWindowPlacement(QPoint at, IniStore& ini, std::string_view section) {
    return ini.writeInteger(section, "Left", at.x()) && ini.writeInteger(section, "Top", at.y());
}

bool RestoreWindowPlacement(QWidget& window, const IniStore& ini, std::string_view section) {
    if (!ini.readValue(section, "Left") || !ini.readValue(section, "Top")) return false;
    const QPoint at(ini.readInteger(section, "Left", 0), ini.readInteger(section, "Top", 0));
    // A place on a screen no longer attached would hide the window for good.
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen->availableGeometry().contains(at)) {
            window.move(at);
            return true;
        }
    return false;
}

QSize FramedSize(const QWidget& window, const QWidget& like) {
    if (window.frameGeometry().size() != window.size()) return window.frameGeometry().size();
    return window.size() + (like.frameGeometry().size() - like.size());
}

QPoint PlaceBeside(const QRect& main, const QSize& size, const QRect& screen) {
    constexpr int Gap = 8;
    const int top = std::clamp(main.top(), screen.top(),
                               std::max(screen.top(), screen.bottom() + 1 - size.height()));
    if (main.right() + 1 + Gap + size.width() <= screen.right() + 1)
        return {main.right() + 1 + Gap, top};
    if (main.left() - Gap - size.width() >= screen.left())
        return {main.left() - Gap - size.width(), top};
    return {std::max(screen.left(), screen.right() + 1 - size.width()), top};
}

QPoint PlaceClearOf(const QRect& main, const QSize& size, const QRect& screen,
                    const std::vector<QRect>& keep) {
    const QPoint beside = PlaceBeside(main, size, screen);
    if (!QRect(beside, size).intersects(main)) return beside;
    // Tried on a grid fine enough for stones of the smallest cells.
    constexpr int Step = 8;
    const int right = std::max(screen.left(), screen.right() + 1 - size.width());
    const int bottom = std::max(screen.top(), screen.bottom() + 1 - size.height());
    QPoint best = beside;
    long long bestCovered = -1;
    long long bestDistance = 0;
    for (int y = screen.top();; y = std::min(y + Step, bottom)) {
        for (int x = screen.left();; x = std::min(x + Step, right)) {
            const QRect place(QPoint(x, y), size);
            long long covered = 0;
            for (const QRect& r : keep) {
                const QRect both = place.intersected(r);
                if (!both.isEmpty())
                    covered += static_cast<long long>(both.width()) * both.height();
            }
            const QPoint d = QPoint(x, y) - beside;
            const long long distance = static_cast<long long>(d.x()) * d.x() + d.y() * d.y();
            if (bestCovered < 0 || covered < bestCovered ||
                (covered == bestCovered && distance < bestDistance)) {
                best = {x, y};
                bestCovered = covered;
                bestDistance = distance;
            }
            if (x == right) break;
        }
        if (y == bottom) break;
    }
    return best;
}

} // namespace tumbla
