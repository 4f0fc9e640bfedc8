#pragma once
// The caption strip at the top of every window of the game: a gradient that
// starts at the colour `Head` of the settings, with the window's title on it.

#include <QWidget>

#include <cstdint>

namespace tumbla {

class HeadStrip : public QWidget {
    Q_OBJECT
  public:
    // A strip takes the colour every strip shows at the time it is made.
    explicit HeadStrip(const QString& text = {}, QWidget* parent = nullptr);

    // Puts a strip along the top of `window`, above everything its layout
    // holds, showing the window's title as it changes.
    static HeadStrip* AttachTo(QWidget* window);
    // The colour of the settings' `Head` (0x00BBGGRR) on every strip of the
    // program, and on those of windows made later.
    static void SetColourValueForAll(std::int32_t value);

    void setText(const QString& text);
    QString text() const { return text_; }
    // A word at the far end of the strip ("konec hry"); empty for none.
    void setNote(const QString& note);
    QString note() const { return note_; }
    // A colour value of the settings (0x00BBGGRR).
    void setColourValue(std::int32_t value);
    QColor startColour() const { return start_; }
    QColor endColour() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    int stripHeight() const;

    QString text_;
    QString note_;
    QColor start_;
};

} // namespace tumbla
