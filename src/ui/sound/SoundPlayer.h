#pragma once
// Plays the game's two clips. Nothing of the sound system is touched before
// the first clip is asked for, so starting the game costs nothing here: the
// sound plugin is loaded then. A machine without the plugin, its libraries or
// an audio output plays nothing and says nothing.

#include <QObject>

#include <array>
#include <memory>

namespace tumbla {

class SoundOutput;

enum class SoundClip { Glass = 0, EndOfGame = 1 };

class SoundPlayer : public QObject {
    Q_OBJECT
  public:
    explicit SoundPlayer(QObject* parent = nullptr);
    ~SoundPlayer() override;

    // The "zvuk" setting: while off, play() does nothing.
    void setSoundOn(bool on) { soundOn_ = on; }
    bool soundOn() const { return soundOn_; }

    void play(SoundClip clip);

    // Whether an audio output was found; only known after the first play().
    bool outputAvailable() const { return probed_ && available_; }

  private:
    bool soundOn_ = false;
    bool probed_ = false;
    bool available_ = false;
    std::unique_ptr<SoundOutput> output_;
    std::array<bool, 2> prepared_{};
};

} // namespace tumbla
