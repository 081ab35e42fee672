#pragma once

#include "platform/speech/BookmarkTags.h"
#include "platform/speech/Utterance.h"

namespace speech {

// The timing of a request spoken without a synthesizer: each stretch lasts as
// long as its words take at wordsPerMinute, and each mark falls at the end of
// its stretch. This keeps the reading chains going at a speaking pace when
// espeak-ng is missing. wordsPerMinute 0 gives an instant request: every mark
// at 0 ms, no length.
Utterance pacedUtterance(const TaggedText& text, int wordsPerMinute);

// Words in a text, as the pacing counts them (runs of letters or digits).
int countWords(const QString& text);

} // namespace speech
