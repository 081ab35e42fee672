#pragma once

#include "platform/speech/Utterance.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <memory>

class QAudioSink;

namespace speech {

// Plays one utterance at a time for one character: its sound through Qt
// Multimedia when asked to, and its marks at their times, timed by a timer of
// the UI thread. The marks follow the same clock whether or not sound is
// heard, so a chain behaves alike with and without an audio device.
class SpeechPlayer : public QObject {
    Q_OBJECT
public:
    explicit SpeechPlayer(QObject* parent = nullptr);
    ~SpeechPlayer() override;

    // Starts the utterance, ending any other first (its marks are dropped).
    void play(const Utterance& utterance, bool withSound);
    // Ends the utterance at once: no further mark, no finished().
    void stop();
    // Holds the clock (and the sound) until unpaused.
    void setPaused(bool paused);

    bool isPlaying() const { return playing_; }
    bool isPaused() const { return paused_; }

signals:
    void markReached(int number);
    void finished();

private:
    void step();
    qint64 positionMs() const;
    void startSound(const Utterance& utterance);
    void stopSound();

    Utterance utterance_;
    qsizetype nextMark_ = 0;
    bool playing_ = false;
    bool paused_ = false;
    // Bumped by every play and stop, so a mark handler that starts or stops
    // speech ends the delivery of the marks of the utterance it interrupted.
    quint64 generation_ = 0;

    QTimer timer_;
    QElapsedTimer running_;
    qint64 playedBeforePauseMs_ = 0;

    std::unique_ptr<QAudioSink> sink_;
    QBuffer sound_;
};

} // namespace speech
