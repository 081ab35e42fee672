#pragma once

#include "platform/speech/CharacterFile.h"
#include "platform/speech/Gesture.h"

#include <QSize>

class QPainter;

namespace speech {

// The moment of the animation a figure is drawn at.
struct FigurePose {
    int frame = 0;        // counts the animation's ticks; drives breathing, blinking and the mouth
    bool talking = false; // the mouth moves
    Gesture gesture = Gesture::None;
};

// The size of the figure's frame: the point a character is moved to is the
// top-left corner of this frame.
constexpr QSize figureSize(140, 190);

// Draws the fire-fighter figure into the frame at (0, 0) of figureSize.
void paintFigure(QPainter& painter, const CharacterLook& look, const FigurePose& pose);

} // namespace speech
