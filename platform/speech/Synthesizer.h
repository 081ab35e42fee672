#pragma once

#include "platform/speech/BookmarkTags.h"
#include "platform/speech/Utterance.h"
#include "platform/speech/VoiceSettings.h"

namespace speech {

// espeak-ng, turned into PCM in synchronous mode. espeak-ng keeps its state in
// the library itself (one per process), so exactly one Synthesizer may exist
// at a time and every call, its constructor included, must come from one
// thread: SpeechEngine owns it on its worker thread.
//
// The library is initialised by the constructor and deliberately never
// terminated: espeak-ng 1.51 hangs in a terminate that follows a second
// initialisation, while initialising again without terminating is clean.
class Synthesizer {
public:
    Synthesizer();
    ~Synthesizer() = default;

    Synthesizer(const Synthesizer&) = delete;
    Synthesizer& operator=(const Synthesizer&) = delete;

    // False when espeak-ng could not start (no data files, no voice).
    bool available() const { return sampleRate_ > 0; }
    int sampleRate() const { return sampleRate_; }

    // Whether espeak-ng has the voice by this name ("en-us"); a request for a
    // voice it lacks is spoken with its plain English voice instead.
    bool hasVoice(const QString& name);

    // Speaks the text stretch by stretch. espeak-ng drops a <mark> that
    // follows a sentence end inside a text, so each stretch is synthesized on
    // its own with its mark last, where the mark event is reliable; the
    // mark's time is the sample espeak-ng reports it at. A stretch of blanks
    // adds no sound and its mark falls where the speech before it ended.
    Utterance synthesize(const TaggedText& text, const VoiceSettings& voice);

private:
    void applyVoice(const VoiceSettings& voice);

    int sampleRate_ = 0;
    VoiceSettings applied_;
    bool voiceApplied_ = false;
};

} // namespace speech
