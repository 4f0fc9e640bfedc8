#pragma once
// Waiting in window tests on what happens, never on the clock.

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace tumbla {

// Runs the event loop until nothing is left to do: posted events, timers that
// are due and whatever they post in turn. A test that must show that
// something does not happen runs this instead of sleeping.
inline void RunUntilIdle() {
    for (int round = 0; round < 10000; ++round) {
        QCoreApplication::sendPostedEvents();
        if (!QCoreApplication::eventDispatcher()->processEvents(QEventLoop::AllEvents)) return;
    }
}

// Runs `inside` from the event loop once `window` has been shown, modally or
// not, however long that takes, so that no modal window is left waiting.
inline void WhenShown(QWidget* window, std::function<void()> inside) {
    class Watcher : public QObject {
      public:
        Watcher(QWidget* window, std::function<void()> inside)
            : QObject(window), inside_(std::move(inside)) {
            window->installEventFilter(this);
        }
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::Show) {
                watched->removeEventFilter(this);
                QTimer::singleShot(0, this, [this] {
                    inside_();
                    deleteLater();
                });
            }
            return false;
        }

      private:
        std::function<void()> inside_;
    };
    new Watcher(window, std::move(inside));
}

} // namespace tumbla
