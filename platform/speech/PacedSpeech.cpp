#include "platform/speech/PacedSpeech.h"

namespace speech {

int countWords(const QString& text)
{
    int words = 0;
    bool inWord = false;
    for (const QChar c : text) {
        const bool wordChar = c.isLetterOrNumber();
        if (wordChar && !inWord)
            ++words;
        inWord = wordChar;
    }
    return words;
}

Utterance pacedUtterance(const TaggedText& text, int wordsPerMinute)
{
    Utterance utterance;
    qint64 elapsedMs = 0;
    for (const TextSegment& segment : text.segments) {
        if (wordsPerMinute > 0)
            elapsedMs += qint64(countWords(segment.text)) * 60000 / wordsPerMinute;
        if (segment.mark)
            utterance.marks.append({*segment.mark, int(elapsedMs)});
    }
    utterance.durationMs = int(elapsedMs);
    return utterance;
}

} // namespace speech
