#pragma once

#include "platform/speech/BookmarkTags.h"
#include "platform/speech/Gesture.h"
#include "platform/speech/Utterance.h"

#include <QPoint>

#include <optional>

namespace speech {

// One queued request of a character.
struct CharacterRequest {
    enum class Kind { Show, Hide, MoveTo, Speak, Play };

    int id = 0;
    Kind kind = Kind::Show;
    QPoint position;                    // MoveTo
    TaggedText text;                    // Speak
    Gesture gesture = Gesture::None;    // Play
    quint64 ticket = 0;                 // Speak: the engine's ticket for its sound
    std::optional<Utterance> utterance; // Speak and Play: ready to play
};

} // namespace speech
