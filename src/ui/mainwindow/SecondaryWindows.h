#pragma once
// The windows the game window opens beside itself. Each has one factory entry
// here: how it is made and the section of Tumbla.ini in which it keeps its
// place. A window is made the first time it is asked for (the start builds
// none of them), kept for the whole run, put back at its kept place before
// every showing and deleted, the last made first, before the members of the
// game window it was given.

#include "situation/IniStore.h"

#include <QObject>
#include <QPoint>

#include <functional>
#include <map>
#include <optional>
#include <typeindex>
#include <vector>

class QDialog;
class QWidget;

namespace tumbla {

class SecondaryWindows final : public QObject {
    Q_OBJECT
  public:
    SecondaryWindows(QWidget& owner, IniStore& ini, bool iniWritable);
    ~SecondaryWindows() override;

    // The factory entry of the window W. `section` null: the window keeps no
    // place. `unplaced` places a new window that has no stored place.
    template <class W>
    void add(const char* section, std::function<W*()> make, std::function<void(W&)> unplaced = {}) {
        Entry& entry = entries_[std::type_index(typeid(W))];
        entry.section = section;
        entry.make = [make = std::move(make)]() -> QWidget* { return make(); };
        if (unplaced)
            entry.unplaced = [unplaced = std::move(unplaced)](QWidget& w) {
                unplaced(static_cast<W&>(w));
            };
    }

    // The window W, made now if it was not yet.
    template <class W> W* get() { return static_cast<W*>(window(typeid(W))); }
    // The window W if it was made, else null.
    template <class W> W* made() const { return static_cast<W*>(madeWindow(typeid(W))); }

    // Runs a window made for one showing (a score view, the about box) at the
    // place kept in `section` and keeps the place it was left at.
    void execInPlace(QDialog& dialog, const char* section);
    // Closes every made window that is open.
    void closeAll();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Entry {
        const char* section = nullptr;
        std::function<QWidget*()> make;
        std::function<void(QWidget&)> unplaced;
        QWidget* window = nullptr;
    };
    // Where a window stands, its frame's top left corner, as last seen on screen.
    struct Place {
        const char* section;
        std::optional<QPoint> at;
        bool framing = false; // shown, not yet seen in its frame
    };

    QWidget* window(std::type_index type);
    QWidget* madeWindow(std::type_index type) const;
    // Puts the window at its stored place, if any (true), and keeps it from now on.
    bool keepPlace(QWidget& window, const char* section);
    void savePlace(const Place& place);

    QWidget& owner_;
    IniStore& ini_;
    bool iniWritable_;
    std::map<std::type_index, Entry> entries_;
    std::vector<QWidget*> made_; // in the order they were made
    std::map<const QObject*, Place> places_;
};

} // namespace tumbla
