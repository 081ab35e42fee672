#pragma once

#include <QString>

#include <optional>

// What the question window asks of the tables of contents that hand it its
// sets. Defined with them (contents/CallsFromQuestionWindow.cpp), so the question
// window never names them.
namespace questionwindow {

// The chapter title (txtK) of the table of contents a contents route names
// (the main table, or bank II's or bank III's), loading that window, hidden,
// when it is not loaded yet; none for another route.
std::optional<QString> routedChapter(const QString& route);

} // namespace questionwindow
