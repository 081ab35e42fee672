#pragma once

#include <QString>

namespace assets {

// Writes the start-up chime: a soft rising arpeggio, 16-bit mono PCM WAV.
bool writeChime(const QString &path);

} // namespace assets
