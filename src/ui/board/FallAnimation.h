#pragma once
// The picture of one move in motion, drawn from the tracks of its stones: the
// group fades, the transformer's neighbours change colour, broken glass flies
// apart, wells swallow, the stones fall and the lines close up, one step after
// the other, in about 300 ms. Only the picture moves; the game has already
// moved on.

#include "engine/GameSettings.h"
#include "record/FallPlan.h"

#include <QtGlobal>

class QPainter;

namespace tumbla {

class BoardLayout;

class FallAnimation {
  public:
    static constexpr int FadeMs = 90;
    static constexpr int RecolourMs = 180;
    static constexpr int FallMs = 130;
    static constexpr int CloseUpMs = 80;

    explicit FallAnimation(const FallPlan& plan);

    // 0 when the move shows nothing in motion.
    int duration() const { return closeUpEnd_; }
    // The stones at `ms` after the move; the background and grid are the caller's.
    void paint(QPainter& p, const BoardLayout& layout, const GameSettings& settings, int ms,
               qreal dpr) const;

  private:
    FallPlan plan_;
    int fadeEnd_ = 0;
    int fallEnd_ = 0;
    int closeUpEnd_ = 0;
};

} // namespace tumbla
