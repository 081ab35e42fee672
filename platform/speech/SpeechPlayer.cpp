#include "platform/speech/SpeechPlayer.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <QPointer>

namespace speech {

SpeechPlayer::SpeechPlayer(QObject* parent) : QObject(parent)
{
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &SpeechPlayer::step);
}

SpeechPlayer::~SpeechPlayer()
{
    stopSound();
}

void SpeechPlayer::play(const Utterance& utterance, bool withSound)
{
    stop();
    utterance_ = utterance;
    nextMark_ = 0;
    playing_ = true;
    playedBeforePauseMs_ = 0;
    if (paused_) {
        running_.invalidate();
    } else {
        running_.start();
    }
    if (withSound && !utterance_.pcm.isEmpty() && utterance_.sampleRate > 0)
        startSound(utterance_);
    if (!paused_)
        timer_.start(0);
}

void SpeechPlayer::stop()
{
    ++generation_;
    timer_.stop();
    stopSound();
    playing_ = false;
    utterance_ = {};
    nextMark_ = 0;
}

void SpeechPlayer::setPaused(bool paused)
{
    if (paused == paused_)
        return;
    paused_ = paused;
    if (paused_) {
        if (running_.isValid())
            playedBeforePauseMs_ += running_.elapsed();
        running_.invalidate();
        timer_.stop();
        if (sink_)
            sink_->suspend();
    } else {
        running_.start();
        if (sink_)
            sink_->resume();
        if (playing_)
            timer_.start(0);
    }
}

qint64 SpeechPlayer::positionMs() const
{
    return playedBeforePauseMs_ + (running_.isValid() ? running_.elapsed() : 0);
}

void SpeechPlayer::step()
{
    if (!playing_ || paused_)
        return;
    const quint64 generation = generation_;
    QPointer<SpeechPlayer> alive(this);
    while (nextMark_ < utterance_.marks.size() && utterance_.marks[nextMark_].atMs <= positionMs()) {
        const int number = utterance_.marks[nextMark_++].number;
        emit markReached(number);
        if (!alive || generation != generation_ || paused_)
            return; // the handler stopped, replaced or paused this speech
    }
    const qint64 now = positionMs();
    if (nextMark_ < utterance_.marks.size()) {
        timer_.start(int(utterance_.marks[nextMark_].atMs - now));
    } else if (now < utterance_.durationMs) {
        timer_.start(int(utterance_.durationMs - now));
    } else {
        // The sound may still drain its last few milliseconds of silence;
        // the next utterance's play() cuts it.
        playing_ = false;
        emit finished();
    }
}

void SpeechPlayer::startSound(const Utterance& utterance)
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return;
    QAudioFormat format;
    format.setSampleRate(utterance.sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format))
        return; // heard nowhere, but the marks still come at their times
    sound_.setData(utterance.pcm);
    sound_.open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(device, format);
    sink_->start(&sound_);
    if (paused_)
        sink_->suspend();
}

void SpeechPlayer::stopSound()
{
    if (sink_) {
        sink_->stop();
        sink_.reset();
    }
    if (sound_.isOpen())
        sound_.close();
}

} // namespace speech
