// The sound plugin: the only part of the game that links Qt Multimedia.

#include "ui/platform/Plugins.h"

#include <QAudioDevice>
#include <QDir>
#include <QMediaDevices>
#include <QObject>
#include <QSoundEffect>
#include <QTemporaryFile>
#include <QUrl>

#include <map>

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

class SoundEffectOutput : public SoundOutput {
  public:
    bool available() override {
        const QuietScope quiet;
        return !QMediaDevices::audioOutputs().isEmpty();
    }

    bool prepare(int clip, const std::vector<std::uint8_t>& wav) override {
        // The sound system plays files, so each clip goes to a temporary file once.
        auto file = std::make_unique<QTemporaryFile>(QDir::tempPath() +
                                                     QStringLiteral("/tumbla-XXXXXX.wav"));
        if (!file->open()) return false;
        const auto size = static_cast<qint64>(wav.size());
        if (file->write(reinterpret_cast<const char*>(wav.data()), size) != size || !file->flush())
            return false;
        Clip& c = clips_[clip];
        c.effect = std::make_unique<QSoundEffect>();
        c.effect->setSource(QUrl::fromLocalFile(file->fileName()));
        c.effect->setVolume(0.8f);
        c.file = std::move(file);
        return true;
    }

    void play(int clip) override {
        const auto it = clips_.find(clip);
        if (it == clips_.end()) return;
        it->second.effect->stop();
        it->second.effect->play();
    }

  private:
    struct Clip {
        std::unique_ptr<QTemporaryFile> file;
        std::unique_ptr<QSoundEffect> effect;
    };
    std::map<int, Clip> clips_;
};

} // namespace

class SoundEffectPlugin : public QObject, public SoundPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "tumbla.SoundPlugin/1")
    Q_INTERFACES(tumbla::SoundPlugin)
  public:
    std::unique_ptr<SoundOutput> makeSoundOutput() override {
        return std::make_unique<SoundEffectOutput>();
    }
};

} // namespace tumbla

#include "SoundEffectOutput.moc"
