#pragma once

#include "platform/speech/BookmarkTags.h"
#include "platform/speech/Utterance.h"
#include "platform/speech/VoiceSettings.h"

#include <QObject>
#include <QThread>

#include <memory>

namespace speech {

class Synthesizer;

// How fast requests are spoken. Speaking: at the voice's pace, marks when the
// speech reaches them. Instant: no sound, every mark of a request delivered
// at once in order on the next turn of the event loop, so tests of the
// reading chains do not wait for speech.
enum class Pace { Speaking, Instant };

// The speech of every character in the program: espeak-ng on a worker thread
// that turns each request into sound and mark times.
//
// espeak-ng keeps its state inside the library, one per process, so at most
// one engine with Synthesis::Espeak may exist at a time. The program's engine
// is forApplication(): a child of the application object, made on first use
// and found again through Qt's object tree, so no variable of ours holds it
// and it lives exactly as long as the application.
//
// Without espeak-ng (it failed to start, or Synthesis::Off) requests still run
// at a speaking pace computed from their words, so a missing speech component
// never stops the chains that wait for a mark.
class SpeechEngine : public QObject {
    Q_OBJECT
public:
    enum class Synthesis { Espeak, Off };

    explicit SpeechEngine(Synthesis synthesis = Synthesis::Espeak, QObject* parent = nullptr);
    ~SpeechEngine() override;

    // The program's engine (with espeak-ng), owned by the application object.
    static SpeechEngine& forApplication();

    // Whether espeak-ng is speaking (false: paced without sound).
    bool synthesizerAvailable() const { return synthesizerAvailable_; }

    Pace pace() const { return pace_; }
    void setPace(Pace pace) { pace_ = pace; }

    // Whether the sound is played. On by default when the system has an audio
    // output device; with it off (or without a device) the marks keep the
    // same times and nothing is heard.
    bool audioOutput() const { return audioOutput_; }
    void setAudioOutput(bool on) { audioOutput_ = on; }

    // Starts preparing a request and returns its ticket at once; the result
    // comes later, on this object's thread, through prepared().
    quint64 prepare(const TaggedText& text, const VoiceSettings& voice);

signals:
    void prepared(quint64 ticket, const speech::Utterance& utterance);

private:
    void deliverLater(quint64 ticket, Utterance utterance);

    QThread worker_;
    // Lives on worker_; runs the synthesis jobs posted to it.
    std::unique_ptr<QObject> workerContext_;
    std::unique_ptr<Synthesizer> synthesizer_; // touched only on worker_
    bool synthesizerAvailable_ = false;
    Pace pace_ = Pace::Speaking;
    bool audioOutput_ = false;
    quint64 nextTicket_ = 1;
};

} // namespace speech
