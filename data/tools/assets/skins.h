#pragma once

#include <QString>

namespace assets {

// Writes the skin pictures into <folder>/images: the window backgrounds
// (which the table-of-contents buttons also use as their textures) and the
// small skin pictures shown by the question window and the skin chooser.
bool writeSkins(const QString &folder);

} // namespace assets
