#include "ui/art/ColourPictures.h"

#include "ui/art/StonePictures.h"

namespace tumbla {

std::array<QPixmap, 8> ColourPictures(const GameSettings& settings, int size, qreal dpr) {
    std::array<QPixmap, 8> pictures;
    for (int colour = 1; colour <= 8; ++colour)
        pictures[std::size_t(colour - 1)] = StonePictures::pixmap(
            PictureOfCode(static_cast<StoneCode>(colour), settings), size, dpr);
    return pictures;
}

} // namespace tumbla
