#pragma once

#include "controls/runtime/RuntimeExport.h"

#include <QRect>

#include <cstdint>

class QPainter;
class QWidget;

namespace qvrun {

// Text placement flags, as the controls pass them.
enum TextFlags : unsigned {
    kTextLeft = 0x0,
    kTextCenter = 0x1,
    kTextRight = 0x2,
    kTextVCenter = 0x4,
    kTextBottom = 0x8,
    kTextWordBreak = 0x10,
    kTextSingleLine = 0x20,
    kTextNoPrefix = 0x800,
};

// Font styles of three-dimensional text.
enum FontStyle { kFlat = 0, kRaisedLight = 1, kRaisedHeavy = 2, kInsetLight = 3, kInsetHeavy = 4 };

// Bevel styles of a frame, numbered as the controls' BevelStyle property.
// The two shadowed styles take their bevel from two sides only: a shadow
// below and right of the face, or above and left of it.
enum BevelStyle {
    kBevelLowered = 0,
    kBevelRaised = 1,
    kBevelChiseled = 2,
    kBevelShadowedRight = 3,
    kBevelShadowedLeft = 4,
};

// Border styles of a frame, numbered as the controls' BorderStyle property.
enum BorderStyle { kBorderNone = 0, kBorderSingle = 1, kBorderRounded = 2 };

// Draws single-byte text (length -1: up to the NUL) in the rectangle: flat
// for style 0, with a light and a shadow copy beside it for the raised and
// inset styles. Colours are property values.
QVRUN_EXPORT void draw3dText(QPainter& dc, const char* text, int length, const QRect& rect, unsigned flags,
                             int fontStyle, std::uint32_t textColor, std::uint32_t lightColor,
                             std::uint32_t shadowColor);

// Fills the rectangle and draws the border (borderWidth wide, when the
// border style is not 0) and the bevel inside it. The arguments follow the
// order every control of the suite passes them in; the ones the date and
// option controls fix are accepted and have no effect here.
QVRUN_EXPORT void drawFrame(QWidget* window, QPainter& dc, int bevelSize, int borderWidth, int borderStyle,
                            int bevelStyle, int bevelFlags, int pictureState, std::uint32_t shadowColor,
                            std::uint32_t lightColor, std::uint32_t fillColor, std::uint32_t borderColor, int reserved1,
                            bool autoSize, int drawAction, int wallpaper, int reserved2, int reserved3,
                            const QRect& rect);

// The area inside bevel, border and inset: a shadowed bevel is taken off
// its two sides only.
QVRUN_EXPORT QRect innerRect(const QRect& rect, int bevelStyle, int bevelSize, int inset);

} // namespace qvrun
