#include "shell/platform/soundplayer.h"

#include "shell/platform/effectoutput.h"

#include <QAudioOutput>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QTimer>
#include <QUrl>
#include <algorithm>

namespace rollwell {
namespace {

// How long a sound played to its end may overrun its length before the wait
// gives up on the device.
constexpr std::chrono::milliseconds syncMargin{500};

} // namespace

SoundPlayer::SoundPlayer(QString programFolder, std::unique_ptr<SoundOutput> output)
    : folder_(std::move(programFolder)), output_(std::move(output)) {
    if (!output_) output_ = std::make_unique<EffectOutput>();
}

SoundPlayer::~SoundPlayer() {
    stopMusic();
    output_->stop();
}

void SoundPlayer::preload() {
    if (preloaded_) return;
    preloaded_ = true;
    outputOpen_ = output_->open();
    for (std::string_view name : effectNames)
        if (const SoundClip* effect = clip(name); effect && outputOpen_)
            output_->prepare(*effect, effectPath(name));
}

QString SoundPlayer::effectPath(std::string_view name) const {
    return folder_ + QStringLiteral("/RWWAVS/") +
           QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())) +
           QStringLiteral(".WAV");
}

const SoundClip* SoundPlayer::clip(std::string_view name) {
    auto found = clips_.find(name);
    if (found == clips_.end()) {
        found =
            clips_.emplace(std::string(name), readWave(effectPath(name), std::string(name))).first;
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
    // window itself holds back input and timers meanwhile. The wait ends with
    // the sound, but not before its length: a device may report the end while
    // its last samples still sound. A device that never reports the end is given
    // up on after the length and a margin.
    const std::chrono::milliseconds length = effect->length();
    QEventLoop loop;
    QTimer wait;
    wait.setSingleShot(true);
    wait.setTimerType(Qt::PreciseTimer);
    connect(&wait, &QTimer::timeout, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    bool ended = false;
    const auto connection = connect(output_.get(), &SoundOutput::finished, &loop, [&] {
        ended = true;
        wait.start(std::max(length - std::chrono::milliseconds{clock.elapsed()},
                            std::chrono::milliseconds{0}));
    });
    clock.start();
    wait.start(length + syncMargin);
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
        music_->setAudioOutput(musicOutput_);
    }
    music_->setSource(QUrl::fromLocalFile(path)); // open it
    music_->play();
}

void SoundPlayer::stopMusic() {
    if (music_) music_->stop();
}

} // namespace rollwell
