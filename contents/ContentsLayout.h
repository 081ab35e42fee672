#pragma once

#include "platform/forms/WindowKit.h"

#include <span>

class QWidget;

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
inline constexpr int sideButtonStep = 70; // from one window button's top to the next
inline constexpr int bottom = 684;

// Places buttons in two columns from `top` down to the bottom line, filling
// the first column before the second, each row `rows` high in all.
void placeChapterButtons(std::span<QWidget* const> buttons, int top, int rows, int gap);

// The place of a window button at `top` in the right-hand column.
forms::Twips sideButton(int top);

} // namespace contents::layout
