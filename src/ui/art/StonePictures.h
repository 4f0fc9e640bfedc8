#pragma once
// The picture of every stone code: which one a cell shows (the stone list of
// 15 sets x 8 colours and the special list), and the pixmaps themselves,
// drawn on first use for a size and screen density and kept.

#include "engine/GameSettings.h"
#include "engine/MoveRecord.h"

#include <QPixmap>

namespace tumbla {

// Indices in the special list.
enum SpecialPicture : int {
    JoinLeftPicture = 1,
    JoinRightPicture = 2,
    OtherGlassPicture = 22,
    OtherJokerPicture = 24,
    RockPicture = 26,
    NoJoinPicture = 27,
    WellPicture = 28,
    TransformerPlusPicture = 29,
    TransformerMinusPicture = 30,
    LockedTransformerPicture = 31,
};

constexpr int StonePictureCount = 120;
constexpr int SpecialPictureCount = 32;

struct PictureRef {
    enum Kind : std::uint8_t { None, Stone, Special };
    Kind kind = None;
    int index = 0;

    bool operator==(const PictureRef&) const = default;
};

// Whether the special list has a picture at `index` (the others are unused).
bool IsSpecialPicture(int index);

// set 0..14 ("sada 1".."sada 15"), colour 1..8.
constexpr int StonePictureIndex(int set, int colour) {
    return set * 8 + colour - 1;
}

// The set a settings record asks for; a damaged record falls back to the first.
int ImageSetOf(const GameSettings& s);

// The picture of a cell holding `code`; None for an empty cell and for codes
// no picture belongs to.
PictureRef PictureOfCode(StoneCode code, const GameSettings& s);

// The indicators of the panel under the Board; None when there is no joker or glass.
PictureRef JokerIndicator(const GameSettings& s);
PictureRef GlassIndicator(const GameSettings& s);
// Rocks keep empty lines open whatever Doraz says.
PictureRef JoinIndicator(const GameSettings& s);

class StonePictures {
  public:
    // A square pixmap of `size` logical pixels for a screen of `dpr`; null for None.
    static QPixmap pixmap(PictureRef picture, int size, qreal dpr = 1.0);
    static QPixmap stone(int index, int size, qreal dpr = 1.0);
    // Null for an index the special list does not use.
    static QPixmap special(int index, int size, qreal dpr = 1.0);
    // The demo's pointer (20 x 20 at its natural size).
    static QPixmap pointer(int size, qreal dpr = 1.0);

    static void clearCache();
};

} // namespace tumbla
