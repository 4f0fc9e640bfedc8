#pragma once
// The caption strip at the top of every window of the game: a gradient that
// starts at the colour `Head` of the settings, with the window's title on it.

#include <QWidget>

#include <cstdint>

namespace tumbla {

class HeadStrip : public QWidget {
    Q_OBJECT
  public:
    explicit HeadStrip(const QString& text = {}, QWidget* parent = nullptr);

    void setText(const QString& text);
    QString text() const { return text_; }
    // A colour value of the settings (0x00BBGGRR).
    void setColourValue(std::int32_t value);
    QColor startColour() const { return start_; }
    QColor endColour() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString text_;
    QColor start_{Qt::white};
};

} // namespace tumbla
