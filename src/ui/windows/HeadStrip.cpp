#include "ui/windows/HeadStrip.h"

#include "ui/art/ColourValue.h"
#include "ui/art/StonePalette.h"

#include <QApplication>
#include <QEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QResizeEvent>

namespace tumbla {

namespace {

std::int32_t& ColourForAll() {
    static std::int32_t value = 0xFFFFFF;
    return value;
}

} // namespace

HeadStrip::HeadStrip(const QString& text, QWidget* parent)
    : QWidget(parent), text_(text), start_(ColourFromValue(ColourForAll())) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    QFont f = font();
    f.setBold(true);
    setFont(f);
}

HeadStrip* HeadStrip::AttachTo(QWidget* window) {
    auto* strip = new HeadStrip(window->windowTitle(), window);
    strip->setObjectName(QStringLiteral("headStrip"));
    // The window's layout keeps below the strip; the strip keeps the width.
    QMargins margins = window->contentsMargins();
    margins.setTop(margins.top() + strip->stripHeight());
    window->setContentsMargins(margins);
    strip->setGeometry(0, 0, window->width(), strip->stripHeight());
    window->installEventFilter(strip);
    return strip;
}

void HeadStrip::SetColourValueForAll(std::int32_t value) {
    ColourForAll() = value;
    for (QWidget* window : QApplication::topLevelWidgets())
        for (HeadStrip* strip : window->findChildren<HeadStrip*>()) strip->setColourValue(value);
}

bool HeadStrip::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent()) {
        if (event->type() == QEvent::Resize)
            setGeometry(0, 0, static_cast<QResizeEvent*>(event)->size().width(), stripHeight());
        else if (event->type() == QEvent::WindowTitleChange)
            setText(parentWidget()->windowTitle());
    }
    return QWidget::eventFilter(watched, event);
}

void HeadStrip::setText(const QString& text) {
    text_ = text;
    update();
}

void HeadStrip::setNote(const QString& note) {
    note_ = note;
    update();
}

void HeadStrip::setColourValue(std::int32_t value) {
    start_ = ColourFromValue(value);
    update();
}

QColor HeadStrip::endColour() const {
    // The gradient runs toward a deep blue; a start that is itself dark runs
    // toward a lighter shade of itself instead, so the strip never goes flat.
    const QColor deep(0x1D, 0x3B, 0x6E);
    if (start_.lightnessF() < 0.3) return Mix(start_, QColor(0x9F, 0xB8, 0xD8), 0.55);
    return Mix(start_, deep, 0.85);
}

int HeadStrip::stripHeight() const {
    // A line of the regular face: the bold one, which a line of the same
    // family matches in height, is read when the strip is first painted,
    // after its window is shown.
    QFont regular = font();
    regular.setBold(false);
    return QFontMetrics(regular).height() + 10;
}

QSize HeadStrip::sizeHint() const {
    return {200, stripHeight()};
}

QSize HeadStrip::minimumSizeHint() const {
    return {40, stripHeight()};
}

void HeadStrip::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QLinearGradient g(rect().topLeft(), rect().topRight());
    g.setColorAt(0, start_);
    g.setColorAt(1, endColour());
    p.fillRect(rect(), g);
    // The title sits at the start, so its colour is chosen against the start colour.
    const bool lightStart = start_.lightnessF() > 0.55;
    const QRect textRect = rect().adjusted(8, 0, -8, 0);
    if (!lightStart) {
        p.setPen(QColor(0, 0, 0, 90));
        p.drawText(textRect.translated(1, 1), Qt::AlignVCenter | Qt::AlignLeft, text_);
    }
    p.setPen(lightStart ? QColor(0x10, 0x18, 0x28) : Qt::white);
    p.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft, text_);
    // The note stands on the far end, which runs dark or light against the start.
    if (!note_.isEmpty()) {
        p.setPen(endColour().lightnessF() > 0.55 ? QColor(0x10, 0x18, 0x28) : Qt::white);
        p.drawText(textRect, Qt::AlignVCenter | Qt::AlignRight, note_);
    }
}

} // namespace tumbla
