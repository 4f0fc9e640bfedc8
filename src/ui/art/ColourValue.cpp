#include "ui/art/ColourValue.h"

#include <QGuiApplication>
#include <QPalette>

namespace tumbla {

namespace {

QColor SystemColour(int number) {
    const QPalette palette = QGuiApplication::palette();
    switch (number) {
    case 2:  // active caption
    case 13: // selection
        return palette.color(QPalette::Highlight);
    case 9:  // caption text
    case 14: // selected text
        return palette.color(QPalette::HighlightedText);
    case 5: // window background
        return palette.color(QPalette::Base);
    case 7:  // menu text
    case 8:  // window text
    case 18: // button text
        return palette.color(QPalette::Text);
    case 16: // button shadow
        return palette.color(QPalette::Dark);
    case 17: // grey text
        return palette.color(QPalette::Disabled, QPalette::Text);
    case 20: // button highlight
        return palette.color(QPalette::Light);
    default: // button face, menu, desktop and the rest
        return palette.color(QPalette::Button);
    }
}

} // namespace

QColor ColourFromValue(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    if ((bits >> 24) == 0x80) return SystemColour(static_cast<int>(bits & 0xFF));
    return QColor(static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
                  static_cast<int>((bits >> 16) & 0xFF));
}

std::int32_t ValueFromColour(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return rgb.red() | (rgb.green() << 8) | (rgb.blue() << 16);
}

} // namespace tumbla
