#pragma once

#include <QImage>

// Procedural surface textures for the skins. Each is calm enough for a
// caption to stay readable over it: the dark ones (water, rock, blue, blue
// brick, electric, black paper) carry white text, the others black text.
namespace assets::textures {

QImage water(QSize size);
QImage leather(QSize size);
QImage paper(QSize size);
QImage blackPaper(QSize size);
QImage rock(QSize size);
QImage blue(QSize size);
QImage parchment(QSize size);
QImage smoke(QSize size);
QImage blueBrick(QSize size);
QImage whiteBrick(QSize size);
QImage marble(QSize size);
QImage sand(QSize size);
QImage electric(QSize size);
QImage yellow(QSize size);

} // namespace assets::textures
