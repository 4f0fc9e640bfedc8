#include "ui/mainwindow/WindowFit.h"

#include "ui/board/BoardLayout.h"
#include "ui/board/BoardWidget.h"
#include "ui/platform/WindowPlacement.h"

#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>

namespace tumbla {

WindowFit::WindowFit(QMainWindow& window, QWidget& playArea, BoardWidget& board, IniStore& ini,
                     bool iniWritable, int cellWidth)
    : window_(window), playArea_(playArea), board_(board), ini_(ini), iniWritable_(iniWritable),
      preferredCell_(cellWidth) {}

void WindowFit::resized() {
    if (fitting_ || sizeRestored_ || window_.size() == fittedSize_) return;
    // The player gave the window this size: the cells that fill it now are
    // the ones the next field of another size gets.
    const BoardLayout fitted = BoardLayout::Fitting(board_.baseGeometry(), board_.layout().rows(),
                                                    board_.layout().cols(), board_.size());
    preferredCell_ = fitted.geometry().cellWidth;
    board_.setPreferredCell(preferredCell_);
    fittedSize_ = window_.size();
}

void WindowFit::fitToField() {
    // The window follows the size of the field, at the cells the player chose.
    // Every resize on the way is the window's own, not the player's.
    fitting_ = true;
    board_.setPreferredCell(preferredCell_);
    // The sizes the layouts ask for, and the window's least size, follow the
    // new field before the window is resized: a smaller field lets it shrink.
    for (QLayout* l : {playArea_.layout(), window_.centralWidget()->layout(), window_.layout()}) {
        l->invalidate();
        l->activate();
    }
    const bool restored = sizeRestored_;
    sizeRestored_ = false;
    // The stored size comes first; the cells fill it.
    if (!restored && !window_.isMaximized() && !window_.isFullScreen()) {
        QSize target = window_.sizeHint();
        if (const QScreen* s = window_.screen())
            target = target.boundedTo(s->availableGeometry().size() -
                                      (window_.frameGeometry().size() - window_.size()));
        window_.resize(target.expandedTo(window_.minimumSizeHint()));
    }
    // Lay the field out now, so that it is drawn in its place in the first paint.
    for (QLayout* l : {window_.layout(), window_.centralWidget()->layout(), playArea_.layout()})
        l->activate();
    fittedSize_ = window_.size();
    fitting_ = false;
    // The stored size is the player's: its cells are the ones to keep. A
    // field the screen cannot hold at the player's cells leaves them as they are.
    if (restored) {
        preferredCell_ = BoardLayout::Fitting(board_.baseGeometry(), board_.layout().rows(),
                                              board_.layout().cols(), board_.size())
                             .geometry()
                             .cellWidth;
        board_.setPreferredCell(preferredCell_);
    }
}

void WindowFit::restore() {
    if (!iniWritable_) return;
    // The size is the window's inside, the place that of its frame, as they were stored.
    const int width = ini_.readInteger(IniSection::GameWindow, "Width", -1);
    const int height = ini_.readInteger(IniSection::GameWindow, "Height", -1);
    if (width > 0 && height > 0) {
        QSize size(width, height);
        if (const QScreen* s = QGuiApplication::primaryScreen())
            size = size.boundedTo(s->availableGeometry().size());
        window_.resize(size);
        fittedSize_ = window_.size();
        sizeRestored_ = true;
    }
    const int x = ini_.readInteger(IniSection::GameWindow, "Left", -1);
    const int y = ini_.readInteger(IniSection::GameWindow, "Top", -1);
    if (x >= 0 && y >= 0) {
        const QScreen* screen = QGuiApplication::screenAt(QPoint(x + 20, y + 20));
        if (screen) window_.move(x, y);
    }
}

void WindowFit::store() {
    if (!iniWritable_) return;
    const QRect frame = window_.frameGeometry();
    ini_.writeInteger(IniSection::GameWindow, "Left", frame.x());
    ini_.writeInteger(IniSection::GameWindow, "Top", frame.y());
    ini_.writeInteger(IniSection::GameWindow, "Width", window_.width());
    ini_.writeInteger(IniSection::GameWindow, "Height", window_.height());
    if (!ini_.commit()) ini_.discard();
}

} // namespace tumbla
