#include "ui/mainwindow/SecondaryWindows.h"

#include "ui/platform/WindowPlacement.h"

#include <QDialog>
#include <QEvent>
#include <QWidget>

#include <algorithm>

namespace tumbla {

SecondaryWindows::SecondaryWindows(QWidget& owner, IniStore& ini, bool iniWritable)
    : QObject(&owner), owner_(owner), ini_(ini), iniWritable_(iniWritable) {}

SecondaryWindows::~SecondaryWindows() {
    // The last made may use one made before it (the end window the sound).
    places_.clear();
    for (auto it = made_.rbegin(); it != made_.rend(); ++it) delete *it;
}

QWidget* SecondaryWindows::window(std::type_index type) {
    Entry& entry = entries_.at(type);
    if (entry.window) return entry.window;
    entry.window = entry.make();
    made_.push_back(entry.window);
    const bool placed = entry.section && keepPlace(*entry.window, entry.section);
    if (!placed && entry.unplaced) entry.unplaced(*entry.window);
    return entry.window;
}

QWidget* SecondaryWindows::madeWindow(std::type_index type) const {
    const auto it = entries_.find(type);
    return it == entries_.end() ? nullptr : it->second.window;
}

void SecondaryWindows::execInPlace(QDialog& dialog, const char* section) {
    keepPlace(dialog, section);
    dialog.exec();
    places_.erase(&dialog);
    dialog.removeEventFilter(this);
}

void SecondaryWindows::closeAll() {
    for (QWidget* window : made_)
        if (window->isVisible()) window->close();
}

bool SecondaryWindows::keepPlace(QWidget& window, const char* section) {
    const bool restored = iniWritable_ && RestoreWindowPlacement(window, ini_, section);
    places_[&window] = Place{section, std::nullopt};
    window.installEventFilter(this);
    return restored;
}

void SecondaryWindows::savePlace(const QWidget& window, const Place& place) {
    if (!iniWritable_) return;
    if (!SaveWindowPlacement(window, ini_, place.section) || !ini_.commit()) ini_.discard();
}

bool SecondaryWindows::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide)
        if (const auto it = places_.find(watched); it != places_.end())
            savePlace(*static_cast<QWidget*>(watched), it->second);
    return QObject::eventFilter(watched, event);
}

} // namespace tumbla
