#pragma once

#include <QString>

namespace speech {

// How a character sounds: an espeak-ng voice name ("en-us"), its speaking
// rate and its pitch (espeak-ng's 0 to 100 scale).
struct VoiceSettings {
    QString voice = QStringLiteral("en-us");
    int wordsPerMinute = 165;
    int pitch = 50;

    bool operator==(const VoiceSettings&) const = default;
};

} // namespace speech
