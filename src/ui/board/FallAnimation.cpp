#include "ui/board/FallAnimation.h"

#include "ui/art/StonePictures.h"
#include "ui/board/BoardLayout.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace tumbla {

namespace {

double Progress(int ms, int start, int end) {
    if (end <= start) return ms >= end ? 1.0 : 0.0;
    return std::clamp(static_cast<double>(ms - start) / (end - start), 0.0, 1.0);
}

// Falling speeds up; closing up starts and ends gently.
double EaseIn(double t) {
    return t * t;
}
double Smooth(double t) {
    return t * t * (3 - 2 * t);
}

QPointF Corner(const BoardLayout& layout, int tag) {
    const Move cell = Move::FromCode(tag);
    return layout.cellCorner(cell.row, cell.col);
}

QPointF Between(const QPointF& a, const QPointF& b, double t) {
    return a + (b - a) * t;
}

struct Stamp {
    QPainter& p;
    const GameSettings& settings;
    int size;
    qreal dpr;

    // The stone's picture at `corner`, shrunk toward its middle by `scale`.
    void stone(StoneCode code, const QPointF& corner, double opacity, double scale = 1.0) const {
        if (opacity <= 0 || scale <= 0) return;
        const QPixmap pixmap = StonePictures::pixmap(PictureOfCode(code, settings), size, dpr);
        if (pixmap.isNull()) return;
        p.setOpacity(opacity);
        if (scale >= 1.0) {
            p.drawPixmap(corner, pixmap);
        } else {
            const double side = size * scale;
            const double inset = (size - side) / 2;
            p.drawPixmap(QRectF(corner.x() + inset, corner.y() + inset, side, side), pixmap,
                         QRectF(QPointF(0, 0), pixmap.size()));
        }
        p.setOpacity(1.0);
    }

    // Glass flies apart in four pieces that fall a little and fade.
    void shards(StoneCode code, const QPointF& corner, double t, int direction) const {
        const QPixmap pixmap = StonePictures::pixmap(PictureOfCode(code, settings), size, dpr);
        if (pixmap.isNull()) return;
        const QPointF centre = corner + QPointF(size / 2.0, size / 2.0);
        const QPointF corners[4] = {corner, corner + QPointF(size, 0), corner + QPointF(size, size),
                                    corner + QPointF(0, size)};
        static const QPointF falls[4] = {{0, 1}, {0, -1}, {-1, 0}, {1, 0}};
        const QPointF drop = falls[std::clamp(direction, 0, 3)] * (size * 0.5 * t * t);
        p.setOpacity(1.0 - t);
        for (int i = 0; i < 4; ++i) {
            const QPointF a = corners[i];
            const QPointF b = corners[(i + 1) % 4];
            const QPointF out = ((a + b) / 2 - centre) * (0.7 * t);
            QPainterPath piece;
            piece.addPolygon(QPolygonF({centre, a, b}));
            piece.closeSubpath();
            p.save();
            p.translate(out + drop);
            p.setClipPath(piece);
            p.drawPixmap(corner, pixmap);
            p.restore();
        }
        p.setOpacity(1.0);
    }

    // A ring of light that swells and fades over a recoloured stone.
    void glow(const QPointF& corner, double t) const {
        const double strength = std::sin(t * M_PI);
        if (strength <= 0) return;
        QPen pen(QColor(255, 255, 230, static_cast<int>(220 * strength)));
        pen.setWidthF(std::max(1.5, size / 10.0));
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        const double inset = size * (0.1 - 0.08 * t);
        p.drawEllipse(QRectF(corner, QSizeF(size, size)).adjusted(inset, inset, -inset, -inset));
    }
};

} // namespace

FallAnimation::FallAnimation(const FallPlan& plan) : plan_(plan) {
    fadeEnd_ = plan.recoloured ? RecolourMs : plan.taken ? FadeMs : 0;
    fallEnd_ = fadeEnd_ + (plan.falls ? FallMs : 0);
    closeUpEnd_ = fallEnd_ + (plan.closesUp ? CloseUpMs : 0);
}

void FallAnimation::paint(QPainter& p, const BoardLayout& layout, const GameSettings& settings,
                          int ms, qreal dpr) const {
    const Stamp stamp{p, settings, layout.geometry().cellWidth, dpr};
    const double fade = Progress(ms, 0, fadeEnd_);
    const double fall = Progress(ms, fadeEnd_, fallEnd_);
    const double close = Progress(ms, fallEnd_, closeUpEnd_);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    // Rocks and wells last: what falls into a well goes behind its rim.
    for (const bool standing : {false, true}) {
        for (int i = 0; i < plan_.count; ++i) {
            const StoneTrack& t = plan_.stones[static_cast<std::size_t>(i)];
            if ((t.code >= StoneRock) != standing) continue;
            const QPointF from = Corner(layout, t.from);
            switch (t.fate) {
            case StoneTrack::Taken:
                if (fade < 1) stamp.stone(t.code, from, 1 - fade, 1 - 0.4 * fade);
                break;
            case StoneTrack::Broken:
                if (fall <= 0)
                    stamp.stone(t.code, from, 1);
                else if (fall < 1)
                    stamp.shards(t.code, from, fall, plan_.direction);
                break;
            case StoneTrack::Swallowed:
                if (fall < 1) {
                    const QPointF at = Between(from, Corner(layout, t.fallen), EaseIn(fall));
                    stamp.stone(t.code, at, 1 - fall * fall, 1 - 0.5 * fall);
                }
                break;
            case StoneTrack::Stays: {
                const QPointF fallen = Corner(layout, t.fallen);
                const QPointF at = close > 0 ? Between(fallen, Corner(layout, t.to), Smooth(close))
                                             : Between(from, fallen, EaseIn(fall));
                if (t.endCode != t.code && fade < 1) {
                    stamp.stone(t.code, at, 1 - fade);
                    stamp.stone(t.endCode, at, fade);
                    stamp.glow(at, fade);
                } else {
                    stamp.stone(t.endCode, at, 1);
                }
                break;
            }
            }
        }
    }
    p.restore();
}

} // namespace tumbla
