#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace art {

// The start-up picture at a size: the program's emblem, its name and what it
// trains for, on a fire-service ground of our own drawing, with the program's
// version text in its footer.
QImage startUpPicture(const QSize& size, const QString& versionText);

} // namespace art
