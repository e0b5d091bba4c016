#include "shell/platform/effectoutput.h"

#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace rollwell {

bool EffectOutput::open() {
    device_ = QMediaDevices::defaultAudioOutput();
    return !device_.isNull();
}

void EffectOutput::prepare(const SoundClip& clip, const QString& path) {
    if (device_.isNull() || effects_.count(clip.name)) return;
    auto* effect = new QSoundEffect(device_, this);
    connect(effect, &QSoundEffect::playingChanged, this,
            [this, effect] { onPlayingChanged(effect); });
    effect->setSource(QUrl::fromLocalFile(path)); // decodes in the background
    effects_.emplace(clip.name, effect);
}

void EffectOutput::start(const SoundClip& clip) {
    stop();
    const auto found = effects_.find(clip.name);
    if (found == effects_.end() || found->second->status() == QSoundEffect::Error) {
        // Nothing to play: whoever waits for the end hears of it at once.
        QTimer::singleShot(0, this, &SoundOutput::finished);
        return;
    }
    current_ = found->second;
    current_->play(); // an effect still loading plays as soon as it is loaded
}

void EffectOutput::stop() {
    QSoundEffect* playing = current_;
    current_ = nullptr; // its "stopped" is not an end the caller waits for
    if (playing) playing->stop();
}

void EffectOutput::onPlayingChanged(QSoundEffect* effect) {
    if (effect != current_ || effect->isPlaying()) return;
    current_ = nullptr;
    emit finished();
}

} // namespace rollwell
