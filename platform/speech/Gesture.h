#pragma once

#include <QString>

#include <optional>

namespace speech {

// The short poses a character plays on request.
enum class Gesture { None, Pleased, Decline };

// The gesture of a name as the windows spell it ("Pleased", "Decline"), in
// any letter case; none for a name the character cannot play.
std::optional<Gesture> gestureNamed(const QString& name);

// How long a gesture holds its pose at speaking pace.
constexpr int gestureDurationMs = 1500;

} // namespace speech
