#pragma once

#include <QRect>

#include <span>

class QWidget;
class QScrollArea;

namespace forms {
class Form;
}

// The shared design of the tables of contents, in pixels at 96 dpi: a canvas
// of 1024 by 700 with the chapter buttons in two columns that read down, and
// the window buttons in a column at the right.
namespace contents::layout {

inline constexpr int canvasWidth = 1024;
inline constexpr int canvasHeight = 700;

// The chapter columns and the window-button column.
inline constexpr int chapterLeft = 32;
inline constexpr int chapterColumnWidth = 392;
inline constexpr int columnGap = 20;
inline constexpr int sideLeft = 860;
inline constexpr int sideWidth = 140;
inline constexpr int sideButtonHeight = 56;
inline constexpr int bottom = 684;

// A scrolling canvas as the window's central widget, never smaller than the
// design, so a small screen scrolls rather than squeezing the buttons.
QWidget* makeCanvas(forms::Form& window);

// Keeps `background` covering the whole canvas as the canvas grows.
void coverCanvas(QWidget& canvas, QWidget& background);

// Sizes a window to the design, within the screen's free area.
void sizeWindow(forms::Form& window);

// Places buttons in two columns from `top` down to the bottom line, filling
// the first column before the second, each row `rows` high in all.
void placeChapterButtons(std::span<QWidget* const> buttons, int top, int rows, int gap);

// Places a window button at `top` in the right-hand column.
void placeSideButton(QWidget& button, int top);

} // namespace contents::layout
