#include "shell/platform/sinkoutput.h"

#include <QAudioSink>
#include <QMediaDevices>

namespace rollwell {

SinkOutput::~SinkOutput() {
    stop();
}

bool SinkOutput::open() {
    device_ = QMediaDevices::defaultAudioOutput();
    if (device_.isNull()) return false;
    // The effects are made as 16-bit mono at 22.05 kHz: a sink of that format
    // is ready before the first one is asked for.
    QAudioFormat format;
    format.setSampleRate(22050);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    makeSink(format);
    return true;
}

void SinkOutput::makeSink(const QAudioFormat& format) {
    delete sink_;
    sink_ = new QAudioSink(device_, format, this);
    connect(sink_, &QAudioSink::stateChanged, this, &SinkOutput::onStateChanged);
}

void SinkOutput::start(const SoundClip& clip) {
    if (device_.isNull()) return;
    stop();
    if (!sink_ || sink_->format() != clip.format) makeSink(clip.format);
    buffer_.setData(clip.samples); // shares the clip's samples, copies nothing
    buffer_.open(QIODevice::ReadOnly);
    playing_ = true;
    sink_->start(&buffer_);
}

void SinkOutput::stop() {
    playing_ = false;
    if (sink_) sink_->stop();
    buffer_.close();
}

void SinkOutput::onStateChanged() {
    if (!playing_) return;
    const QAudio::State state = sink_->state();
    // Idle with samples left is a short underrun: the sink reads on by itself.
    const QAudio::Error error = sink_->error();
    const bool ended = (state == QAudio::IdleState && buffer_.atEnd()) ||
                       state == QAudio::StoppedState ||
                       (error != QAudio::NoError && error != QAudio::UnderrunError);
    if (!ended) return;
    stop();
    emit finished();
}

} // namespace rollwell
