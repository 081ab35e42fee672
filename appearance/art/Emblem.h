#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

class QPainter;
class QRectF;

namespace art {

// The program's emblem (a cross of the fire service around a flame) inside
// `box`; the start-up picture, the about box and the web-links window show it.
void paintEmblem(QPainter& painter, const QRectF& box);

// The emblem alone on a transparent square ground, as the about box and the
// web-links window show it.
QImage emblemPicture(const QSize& size);

// The emblem's brass, which the start-up picture's rules and lettering repeat.
QColor brass();

} // namespace art
