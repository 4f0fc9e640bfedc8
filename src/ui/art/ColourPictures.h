#pragma once
// The pictures of the colours 1..8 as cells of those colours are drawn under
// the given settings: their picture set, with the other joker and glass
// pictures where the settings ask for them. The settings dialog's previews and
// the stone count window show these.

#include "engine/GameSettings.h"

#include <QPixmap>

#include <array>

namespace tumbla {

std::array<QPixmap, 8> ColourPictures(const GameSettings& settings, int size, qreal dpr = 1.0);

} // namespace tumbla
