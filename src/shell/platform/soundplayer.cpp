#include "shell/platform/soundplayer.h"

#include "shell/platform/streamoutput.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QEventLoop>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QTimer>
#include <QUrl>

namespace rollwell {
namespace {

// How long a sound played to its end may overrun its length before the wait
// gives up on the device.
constexpr std::chrono::milliseconds syncMargin{500};
// The music and the effects each keep below half of full scale while both
// play, so that where they meet the sum never clips.
constexpr float musicVolume = 0.5f;
constexpr float effectsOverMusic = 0.5f;

} // namespace

SoundPlayer::SoundPlayer(QString programFolder, std::unique_ptr<SoundOutput> output)
    : folder_(std::move(programFolder)), output_(std::move(output)) {
    if (!output_) output_ = std::make_unique<StreamOutput>();
}

SoundPlayer::~SoundPlayer() {
    stopMusic();
    output_->stop();
}

void SoundPlayer::preload() {
    if (preloaded_) return;
    preloaded_ = true;
    for (std::string_view name : effectNames)
        clip(name);
    outputOpen_ = output_->open();
}

QString SoundPlayer::effectPath(std::string_view name) const {
    return folder_ + QStringLiteral("/RWWAVS/") +
           QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())) +
           QStringLiteral(".WAV");
}

const SoundClip* SoundPlayer::clip(std::string_view name) {
    auto found = clips_.find(name);
    if (found == clips_.end()) {
        std::optional<SoundClip> read = readWave(effectPath(name), std::string(name));
        if (read) read = toMixFormat(std::move(*read));
        found = clips_.emplace(std::string(name), std::move(read)).first;
    }
    return found->second ? &*found->second : nullptr;
}

void SoundPlayer::playAsync(std::string_view name) {
    preload();
    const SoundClip* effect = clip(name);
    if (!outputOpen_ || !effect) return;
    output_->start(*effect);
}

void SoundPlayer::playSync(std::string_view name) {
    preload();
    const SoundClip* effect = clip(name);
    if (!outputOpen_ || !effect) return;

    // Wait in a local event loop, so that the window goes on painting; the
    // window itself holds back input and timers meanwhile. The wait ends when
    // the device has played the last sample; one that never gets there is given
    // up on after the sound's length and a margin.
    QEventLoop loop;
    QTimer wait;
    wait.setSingleShot(true);
    connect(&wait, &QTimer::timeout, &loop, &QEventLoop::quit);
    bool ended = false;
    const auto connection = connect(output_.get(), &SoundOutput::finished, &loop, [&] {
        ended = true;
        loop.quit();
    });
    wait.start(effect->length() + syncMargin);
    output_->start(*effect);
    // Input waits in the queue, in order, until the sound has ended.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    disconnect(connection);
    if (!ended) output_->stop();
}

void SoundPlayer::playMusic() {
    if (music_) music_->stop(); // close the previous song
    const QString path = folder_ + QStringLiteral("/win01.mp3");
    if (!QFileInfo(path).isFile()) return;
    if (!music_) {
        if (QMediaDevices::defaultAudioOutput().isNull()) return;
        music_ = new QMediaPlayer(this);
        musicOutput_ = new QAudioOutput(music_);
        musicOutput_->setVolume(musicVolume);
        music_->setAudioOutput(musicOutput_);
        connect(music_, &QMediaPlayer::playbackStateChanged, this,
                [this](QMediaPlayer::PlaybackState state) {
                    output_->setGain(state == QMediaPlayer::PlayingState ? effectsOverMusic : 1.0f);
                });
    }
    music_->setSource(QUrl::fromLocalFile(path)); // open it
    music_->play();
}

void SoundPlayer::stopMusic() {
    if (music_) music_->stop();
}

} // namespace rollwell
