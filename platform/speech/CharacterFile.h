#pragma once

#include "platform/speech/VoiceSettings.h"

#include <QColor>
#include <QString>

namespace speech {

// The colours the character is drawn in.
struct CharacterLook {
    QColor helmet;
    QColor coat;
    QColor trim; // the coat's reflective bands
    QColor skin;
    QColor outline;
    QColor balloon;
    QColor balloonText;

    bool operator==(const CharacterLook&) const = default;
};

// Everything a character file holds.
struct CharacterDescription {
    QString name; // what the character is called on screen
    VoiceSettings voice;
    CharacterLook look;

    bool operator==(const CharacterDescription&) const = default;
};

// A character file is a small JSON document of ours:
//   { "format": "drillbook character", "version": 1, "name": "Nuvia",
//     "voice": "en-us", "wordsPerMinute": 165, "pitch": 50,
//     "look": { "helmet": "#b71c1c", ... } }
// Reading refuses a missing file (error 53) and anything that is not such a
// document with every field valid (error 321), so a damaged file never gives
// a half-made character.
CharacterDescription readCharacterFile(const QString& path);

// Writes the file atomically; throws (error 75) when it cannot.
void writeCharacterFile(const QString& path, const CharacterDescription& description);

// The program's own character, as its character file holds it.
CharacterDescription nuviaCharacter();

} // namespace speech
