#pragma once

#include <QImage>

// Pale seaside scenes for the beach and island skins: soft colours and low
// contrast, since black captions sit on top of them.
namespace assets::scenes {

QImage beach(QSize size);
QImage lighthouseBluff(QSize size);
QImage harbour(QSize size);
QImage dunes(QSize size);

} // namespace assets::scenes
