#pragma once

namespace gdi {

// A rectangle as the drawing calls take it: right and bottom are excluded.
// Nothing keeps left <= right or top <= bottom; the calls say what they do
// with a rectangle that is turned over.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

} // namespace gdi
