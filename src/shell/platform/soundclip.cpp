#include "shell/platform/soundclip.h"

#include <QFile>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace rollwell {
namespace {

// Sound effects are short; anything larger than this is not one of ours.
constexpr qint64 maxWaveBytes = 16 * 1024 * 1024;

std::uint32_t le32(const QByteArray& bytes, qsizetype at) {
    const auto byte = [&](qsizetype i) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i]));
    };
    return byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24;
}

std::uint16_t le16(const QByteArray& bytes, qsizetype at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                      static_cast<unsigned char>(bytes[at + 1]) << 8);
}

constexpr std::uint16_t formatPcm = 1;
constexpr std::uint16_t formatExtensible = 0xFFFE;

// The sample format of a "fmt " chunk of `size` bytes at `at`, when we can play it.
std::optional<QAudioFormat> readFormat(const QByteArray& bytes, qsizetype at, qsizetype size) {
    if (size < 16) return std::nullopt;
    std::uint16_t tag = le16(bytes, at);
    if (tag == formatExtensible && size >= 26) tag = le16(bytes, at + 24); // the sub-format
    const std::uint16_t channels = le16(bytes, at + 2);
    const std::uint32_t rate = le32(bytes, at + 4);
    const std::uint16_t bits = le16(bytes, at + 14);
    if (tag != formatPcm || channels < 1 || channels > 2 || rate < 4000 || rate > 192000 ||
        (bits != 8 && bits != 16))
        return std::nullopt;
    QAudioFormat format;
    format.setSampleRate(static_cast<int>(rate));
    format.setChannelCount(channels);
    format.setSampleFormat(bits == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    return format;
}

} // namespace

std::chrono::milliseconds SoundClip::length() const {
    const qint64 frameBytes = format.bytesPerFrame();
    if (frameBytes <= 0 || format.sampleRate() <= 0) return std::chrono::milliseconds{0};
    return std::chrono::milliseconds{samples.size() / frameBytes * 1000 / format.sampleRate()};
}

QAudioFormat mixFormat() {
    QAudioFormat format;
    format.setSampleRate(22050);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

SoundClip toMixFormat(SoundClip clip) {
    const QAudioFormat to = mixFormat();
    const QAudioFormat& from = clip.format;
    if (from == to) return clip;
    const int channels = from.channelCount();
    const qsizetype frames = clip.samples.size() / from.bytesPerFrame();
    const auto* bytes = reinterpret_cast<const unsigned char*>(clip.samples.constData());
    // One frame as a mono sample in the range of 16 bits.
    const auto mono = [&](qsizetype frame) {
        double sum = 0;
        for (int c = 0; c < channels; ++c) {
            const qsizetype i = frame * channels + c;
            if (from.sampleFormat() == QAudioFormat::UInt8) {
                sum += (bytes[i] - 128) * 256.0;
            } else {
                sum += static_cast<qint16>(bytes[2 * i] | bytes[2 * i + 1] << 8);
            }
        }
        return sum / channels;
    };
    const double step = static_cast<double>(from.sampleRate()) / to.sampleRate();
    const auto outFrames = static_cast<qsizetype>(static_cast<double>(frames) / step);
    QByteArray out(outFrames * 2, '\0');
    for (qsizetype k = 0; k < outFrames; ++k) {
        const double at = static_cast<double>(k) * step;
        const auto i = static_cast<qsizetype>(at);
        const double next = i + 1 < frames ? mono(i + 1) : mono(i);
        const double value = mono(i) + (next - mono(i)) * (at - static_cast<double>(i));
        const auto sample = static_cast<qint16>(std::clamp(std::lround(value), -32768L, 32767L));
        std::memcpy(out.data() + 2 * k, &sample, 2); // the device takes its own byte order
    }
    clip.format = to;
    clip.samples = out;
    return clip;
}

std::optional<SoundClip> readWave(const QString& path, std::string name) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > maxWaveBytes) return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return std::nullopt;

    std::optional<QAudioFormat> format;
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const qsizetype size = le32(bytes, at + 4);
        const qsizetype body = at + 8;
        const qsizetype available = std::min(size, bytes.size() - body);
        if (id == "fmt ") {
            format = readFormat(bytes, body, available);
            if (!format) return std::nullopt;
        } else if (id == "data") {
            if (!format) return std::nullopt;
            const qsizetype frameBytes = format->bytesPerFrame();
            const qsizetype whole = available / frameBytes * frameBytes;
            if (whole == 0) return std::nullopt;
            return SoundClip{std::move(name), *format, bytes.mid(body, whole)};
        }
        at = body + size + (size & 1); // chunks are padded to an even length
    }
    return std::nullopt;
}

} // namespace rollwell
