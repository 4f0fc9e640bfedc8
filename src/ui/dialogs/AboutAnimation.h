#pragma once
// A little moving picture for the about box: a stone rolling to and fro, or a
// column of stones falling and piling up. It runs only while it is shown.

#include <QTimer>
#include <QWidget>

namespace tumbla {

class AboutAnimation : public QWidget {
    Q_OBJECT
  public:
    enum Kind { RollingStone, FallingStones };
    static constexpr int TickMs = 60;

    explicit AboutAnimation(Kind kind, QWidget* parent = nullptr);

    Kind kind() const { return kind_; }
    int frame() const { return frame_; }
    bool isRunning() const { return timer_.isActive(); }
    // One frame on. The timer calls it every TickMs while the picture is shown.
    void step();

    QSize sizeHint() const override;

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void paintRolling(class QPainter& p) const;
    void paintFalling(class QPainter& p) const;

    Kind kind_;
    int frame_ = 0;
    QTimer timer_;
};

} // namespace tumbla
