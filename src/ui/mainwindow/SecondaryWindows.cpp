#include "ui/mainwindow/SecondaryWindows.h"

#include "ui/platform/WindowPlacement.h"

#include <QDialog>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

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
    places_[&window] = Place{section, restored ? std::optional(window.pos()) : std::nullopt};
    window.installEventFilter(this);
    return restored;
}

void SecondaryWindows::savePlace(const Place& place) {
    if (!iniWritable_ || !place.at) return;
    if (!SaveWindowPlacement(*place.at, ini_, place.section) || !ini_.commit()) ini_.discard();
}

bool SecondaryWindows::eventFilter(QObject* watched, QEvent* event) {
    const auto it = places_.find(watched);
    if (it == places_.end()) return QObject::eventFilter(watched, event);
    auto* window = static_cast<QWidget*>(watched);
    Place& place = it->second;
    if (event->type() == QEvent::Show) {
        // A window without a kept place is placed by itself (a dialog over
        // its owner), as is one its owner has just moved elsewhere.
        if (place.at && window->testAttribute(Qt::WA_Moved) && window->pos() != *place.at)
            place.at = window->pos();
        if (place.at) window->move(*place.at);
        place.framing = place.at.has_value();
    } else if (place.framing && window->isVisible() &&
               window->frameGeometry() != window->geometry()) {
        // The window system framed the window only now: one that took the
        // place for that of the window's inside put the frame 20 px or so
        // higher. The frame goes where it was kept.
        place.framing = false;
        if (window->frameGeometry().topLeft() != *place.at)
            QTimer::singleShot(0, window, [window, at = *place.at] { window->move(at); });
    } else if (event->type() == QEvent::Hide) {
        // Where the frame was left, by the player or as it was put.
        place.framing = false;
        place.at = window->pos();
        savePlace(place);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tumbla
