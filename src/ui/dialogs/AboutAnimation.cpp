#include "ui/dialogs/AboutAnimation.h"

#include "ui/art/StonePictures.h"

#include <QPainter>

#include <algorithm>
#include <numbers>

namespace tumbla {

namespace {

constexpr int Stone = 24;
constexpr int Width = 4 * Stone;
constexpr int Height = 5 * Stone;
// Frames of one to-and-fro of the rolling stone.
constexpr int RollFrames = 64;
// Frames a falling stone needs from the top to the floor.
constexpr int FallFrames = 12;
constexpr int ColumnHeight = 5;

// Each falling stone takes the next colour, so the column is never one colour.
int ColourOf(int stone) {
    return stone % 8 + 1;
}

} // namespace

AboutAnimation::AboutAnimation(Kind kind, QWidget* parent) : QWidget(parent), kind_(kind) {
    setFixedSize(sizeHint());
    timer_.setInterval(TickMs);
    connect(&timer_, &QTimer::timeout, this, &AboutAnimation::step);
}

void AboutAnimation::step() {
    ++frame_;
    update();
}

QSize AboutAnimation::sizeHint() const {
    return {Width, Height};
}

void AboutAnimation::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    timer_.start();
}

void AboutAnimation::hideEvent(QHideEvent* event) {
    timer_.stop();
    QWidget::hideEvent(event);
}

void AboutAnimation::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.fillRect(rect(), QColor(0xf4, 0xf1, 0xe8));
    p.setPen(QColor(0x9a, 0x8f, 0x78));
    p.drawLine(0, height() - 1, width(), height() - 1);
    if (kind_ == RollingStone)
        paintRolling(p);
    else
        paintFalling(p);
}

void AboutAnimation::paintRolling(QPainter& p) const {
    // Out and back along the floor; the stone turns as it goes, a full turn
    // for each length of its circumference.
    const int phase = frame_ % RollFrames;
    const int half = RollFrames / 2;
    const double t = phase < half ? double(phase) / half : double(RollFrames - phase) / half;
    const double travel = Width - Stone;
    const double x = t * travel;
    const double angle = x / (std::numbers::pi * Stone) * 360.0;
    const QPixmap stone = StonePictures::stone(
        StonePictureIndex(frame_ / RollFrames % 15, 1 + frame_ / RollFrames % 8), Stone,
        devicePixelRatioF());
    p.save();
    p.translate(x + Stone / 2.0, Height - 1 - Stone / 2.0);
    p.rotate(angle);
    p.drawPixmap(QPointF(-Stone / 2.0, -Stone / 2.0), stone);
    p.restore();
}

void AboutAnimation::paintFalling(QPainter& p) const {
    // Stones drop one after another into the middle column until it is full,
    // then the column empties and starts again.
    const int cycle = ColumnHeight * FallFrames + FallFrames;
    const int phase = frame_ % cycle;
    const int landed = std::min(phase / FallFrames, ColumnHeight);
    const int round = frame_ / cycle;
    const double x = (Width - Stone) / 2.0;
    for (int i = 0; i < landed; ++i)
        p.drawPixmap(QPointF(x, Height - 1 - (i + 1) * Stone),
                     StonePictures::stone(StonePictureIndex(round % 15, ColourOf(round + i)), Stone,
                                          devicePixelRatioF()));
    if (landed < ColumnHeight) {
        // Falling with gravity: the drop grows with the square of the time.
        const double t = double(phase % FallFrames) / FallFrames;
        const double floor = Height - 1 - (landed + 1) * Stone;
        const double y = -Stone + (floor + Stone) * t * t;
        p.drawPixmap(QPointF(x, y),
                     StonePictures::stone(StonePictureIndex(round % 15, ColourOf(round + landed)),
                                          Stone, devicePixelRatioF()));
    }
}

} // namespace tumbla
