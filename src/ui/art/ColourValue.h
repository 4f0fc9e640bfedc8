#pragma once
// Colours as the settings keep them: 0x00BBGGRR for a plain colour, or a
// system colour (high byte 0x80, low byte its number) that follows the desktop.

#include <QColor>

#include <cstdint>

namespace tumbla {

QColor ColourFromValue(std::int32_t value);
std::int32_t ValueFromColour(const QColor& colour);

} // namespace tumbla
