#include "ui/art/StonePictures.h"

#include "ui/art/SpecialArt.h"
#include "ui/art/StonePalette.h"
#include "ui/art/StoneSets.h"

#include <QHash>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace tumbla {

int ImageSetOf(const GameSettings& s) {
    return s.ImageSet < StoneSetCount ? s.ImageSet : 0;
}

PictureRef PictureOfCode(StoneCode code, const GameSettings& s) {
    const bool colour = code >= 1 && code <= StoneColourCount;
    if (colour && s.Sklo != 0 && s.JineSklo != 0 && code == s.Sklo) {
        return {PictureRef::Special, OtherGlassPicture};
    }
    if (colour && s.Joly != 0 && s.JinyZolik != 0 && code == s.Joly) {
        return {PictureRef::Special, OtherJokerPicture};
    }
    if (colour) return {PictureRef::Stone, StonePictureIndex(ImageSetOf(s), code)};
    switch (code) {
    case TransformerPlus:
        return {PictureRef::Special, TransformerPlusPicture};
    case TransformerMinus:
        return {PictureRef::Special, TransformerMinusPicture};
    case StoneRock:
        return {PictureRef::Special, RockPicture};
    case StoneWell:
        return {PictureRef::Special, WellPicture};
    default:
        return {};
    }
}

PictureRef JokerIndicator(const GameSettings& s) {
    if (s.Joly < 1 || s.Joly > StoneColourCount) return {};
    if (s.JinyZolik != 0) return {PictureRef::Special, OtherJokerPicture};
    return {PictureRef::Stone, StonePictureIndex(ImageSetOf(s), s.Joly)};
}

PictureRef GlassIndicator(const GameSettings& s) {
    if (s.Sklo < 1 || s.Sklo > StoneColourCount) return {};
    if (s.JineSklo != 0) return {PictureRef::Special, OtherGlassPicture};
    return {PictureRef::Stone, StonePictureIndex(ImageSetOf(s), s.Sklo)};
}

bool IsSpecialPicture(int index) {
    switch (index) {
    case JoinLeftPicture:
    case JoinRightPicture:
    case OtherGlassPicture:
    case OtherJokerPicture:
    case RockPicture:
    case NoJoinPicture:
    case WellPicture:
    case TransformerPlusPicture:
    case TransformerMinusPicture:
    case LockedTransformerPicture:
        return true;
    default:
        return false;
    }
}

PictureRef JoinIndicator(const GameSettings& s) {
    if (s.Skala != 0 || s.Doraz == 0) return {PictureRef::Special, NoJoinPicture};
    return {PictureRef::Special, s.Doraz == 2 ? JoinRightPicture : JoinLeftPicture};
}

namespace {

enum CacheKind : quint64 { StoneKind = 1, SpecialKind = 2, PointerKind = 3 };

QHash<quint64, QPixmap>& Cache() {
    static QHash<quint64, QPixmap> cache;
    return cache;
}

// The pictures of a few sizes are kept: a board that is resized step by step
// would otherwise keep every size it ever passed through.
constexpr std::size_t KeptSizes = 12;
constexpr quint64 SizeBits = (quint64{1} << 40) - 1; // the size and density of a cache key

struct SizeUse {
    quint64 size;
    quint64 lastUse;
};

void TouchSize(quint64 key) {
    static std::vector<SizeUse> sizes;
    static quint64 clock = 0;
    const quint64 size = key & SizeBits;
    ++clock;
    const auto found = std::find_if(sizes.begin(), sizes.end(),
                                    [size](const SizeUse& u) { return u.size == size; });
    if (found != sizes.end()) {
        found->lastUse = clock;
        return;
    }
    sizes.push_back({size, clock});
    if (sizes.size() <= KeptSizes) return;
    const auto oldest =
        std::min_element(sizes.begin(), sizes.end(),
                         [](const SizeUse& a, const SizeUse& b) { return a.lastUse < b.lastUse; });
    const quint64 gone = oldest->size;
    sizes.erase(oldest);
    auto& cache = Cache();
    for (auto it = cache.begin(); it != cache.end();)
        it = (it.key() & SizeBits) == gone ? cache.erase(it) : std::next(it);
}

QPixmap Drawn(CacheKind kind, int index, int size, qreal dpr,
              const std::function<void(QPainter&, const QRectF&)>& paint) {
    if (size <= 0 || size > 1024 || !(dpr > 0) || dpr > 16) return {};
    const auto hundredths = static_cast<quint64>(std::lround(dpr * 100));
    const quint64 key = (kind << 56) | (static_cast<quint64>(index) << 40) |
                        (static_cast<quint64>(size) << 16) | hundredths;
    TouchSize(key);
    auto& cache = Cache();
    const auto found = cache.constFind(key);
    if (found != cache.constEnd()) return *found;

    const int device = std::max(1, static_cast<int>(std::lround(size * dpr)));
    QImage image(device, device, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        paint(p, QRectF(0, 0, device, device));
    }
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(static_cast<qreal>(device) / size);
    cache.insert(key, pixmap);
    return pixmap;
}

} // namespace

QPixmap StonePictures::stone(int index, int size, qreal dpr) {
    if (index < 0 || index >= StonePictureCount) return {};
    return Drawn(StoneKind, index, size, dpr, [index](QPainter& p, const QRectF& r) {
        PaintStone(p, r, index / StoneColourCount, index % StoneColourCount + 1);
    });
}

QPixmap StonePictures::special(int index, int size, qreal dpr) {
    if (!IsSpecialPicture(index)) return {};
    return Drawn(SpecialKind, index, size, dpr,
                 [index](QPainter& p, const QRectF& r) { PaintSpecial(p, r, index); });
}

QPixmap StonePictures::pixmap(PictureRef picture, int size, qreal dpr) {
    switch (picture.kind) {
    case PictureRef::Stone:
        return stone(picture.index, size, dpr);
    case PictureRef::Special:
        return special(picture.index, size, dpr);
    default:
        return {};
    }
}

QPixmap StonePictures::pointer(int size, qreal dpr) {
    return Drawn(PointerKind, 0, size, dpr,
                 [](QPainter& p, const QRectF& r) { PaintPointer(p, r); });
}

void StonePictures::clearCache() {
    Cache().clear();
}

} // namespace tumbla
