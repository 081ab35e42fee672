#include "platform/speech/Gesture.h"

namespace speech {

std::optional<Gesture> gestureNamed(const QString& name)
{
    if (name.compare(QLatin1String("Pleased"), Qt::CaseInsensitive) == 0)
        return Gesture::Pleased;
    if (name.compare(QLatin1String("Decline"), Qt::CaseInsensitive) == 0)
        return Gesture::Decline;
    return std::nullopt;
}

} // namespace speech
