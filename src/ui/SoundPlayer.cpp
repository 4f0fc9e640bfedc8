#include "ui/SoundPlayer.h"

#include "ui/SoundClips.h"

#include <QAudioDevice>
#include <QDir>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTemporaryFile>
#include <QUrl>

namespace tumbla {

namespace {

// Asked for its devices, the sound system complains aloud when it finds no
// server; a game on a machine without sound should stay quiet about it.
class QuietScope {
  public:
    QuietScope() : previous_(qInstallMessageHandler(Drop)) {}
    ~QuietScope() { qInstallMessageHandler(previous_); }
    QuietScope(const QuietScope&) = delete;
    QuietScope& operator=(const QuietScope&) = delete;

  private:
    static void Drop(QtMsgType, const QMessageLogContext&, const QString&) {}
    QtMessageHandler previous_;
};

} // namespace

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {}

SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::play(SoundClip clip) {
    if (!soundOn_) return;
    if (!probed_) {
        probed_ = true;
        const QuietScope quiet;
        available_ = !QMediaDevices::audioOutputs().isEmpty();
    }
    if (!available_) return;
    if (QSoundEffect* e = effect(clip)) {
        e->stop();
        e->play();
    }
}

QSoundEffect* SoundPlayer::effect(SoundClip clip) {
    const auto slot = static_cast<std::size_t>(clip);
    if (effects_[slot] != nullptr) return effects_[slot];

    // The sound system plays files, so each clip goes to a temporary file once.
    auto file =
        std::make_unique<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/tumbla-XXXXXX.wav"));
    if (!file->open()) return nullptr;
    const std::vector<std::uint8_t> bytes =
        clip == SoundClip::Glass ? GlassClip() : EndOfGameClip();
    const auto size = static_cast<qint64>(bytes.size());
    if (file->write(reinterpret_cast<const char*>(bytes.data()), size) != size || !file->flush()) {
        return nullptr;
    }
    auto* e = new QSoundEffect(this);
    e->setSource(QUrl::fromLocalFile(file->fileName()));
    e->setVolume(0.8f);
    files_[slot] = std::move(file);
    effects_[slot] = e;
    return e;
}

} // namespace tumbla
