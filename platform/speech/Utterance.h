#pragma once

#include <QByteArray>
#include <QList>

namespace speech {

// A bookmark and the moment, in milliseconds from the start of its request's
// speech, at which the speech reaches it.
struct TimedMark {
    int number = 0;
    int atMs = 0;

    bool operator==(const TimedMark&) const = default;
};

// One speak request made ready to play: its sound (16-bit mono PCM at
// sampleRate; empty when it was not synthesized), its bookmarks in spoken
// order and its length. Marks never lie beyond durationMs.
struct Utterance {
    QByteArray pcm;
    int sampleRate = 0;
    QList<TimedMark> marks;
    int durationMs = 0;
};

} // namespace speech
