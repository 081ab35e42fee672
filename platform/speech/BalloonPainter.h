#pragma once

#include "platform/speech/CharacterFile.h"

#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;

namespace speech {

// Draws a speech balloon inside area, its tail pointing down to tailTip, with
// the text wrapped inside. The balloon is as large as its text needs, up to
// the area, and stands on the area's bottom; text too long for the whole area
// is drawn smaller, then cut with an ellipsis.
void paintBalloon(QPainter& painter, const CharacterLook& look, const QRectF& area, QPointF tailTip,
                  const QString& text);

} // namespace speech
