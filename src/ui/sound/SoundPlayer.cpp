#include "ui/sound/SoundPlayer.h"

#include "ui/platform/PluginLoading.h"
#include "ui/platform/Plugins.h"
#include "ui/sound/SoundClips.h"

namespace tumbla {

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {}

SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::play(SoundClip clip) {
    if (!soundOn_) return;
    if (!probed_) {
        probed_ = true;
        if (auto* plugin = LoadPluginAs<SoundPlugin>(SoundPluginName))
            output_ = plugin->makeSoundOutput();
        available_ = output_ && output_->available();
    }
    if (!available_) return;
    const auto slot = static_cast<std::size_t>(clip);
    if (!prepared_[slot])
        prepared_[slot] = output_->prepare(
            static_cast<int>(clip), clip == SoundClip::Glass ? GlassClip() : EndOfGameClip());
    if (prepared_[slot]) output_->play(static_cast<int>(clip));
}

} // namespace tumbla
