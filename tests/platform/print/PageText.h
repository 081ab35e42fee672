#pragma once

#include "platform/print/Composer.h"

#include <QString>
#include <QStringList>

#include <map>
#include <utility>

namespace printtest {

// The column of `columns` equal columns that a run starting at x lies in.
inline int columnOf(const print::PageLayout& layout, int columns, int x)
{
    int column = 0;
    while (column + 1 < columns && layout.columnLeft(columns, column + 1) <= x)
        ++column;
    return column;
}

// The body text of a page as lines, the way a reader takes them: down the
// first of `columns` columns, then down the next. Runs outside the text area
// (header and footer) are left out; the runs of one line are joined.
inline QStringList bodyLines(const print::Page& page, const print::PageLayout& layout, int columns = 1)
{
    std::map<std::pair<int, int>, QString> lines; // (column, top) -> text
    for (const print::TextRun& run : page.runs) {
        if (run.top < layout.textTop() || run.top >= layout.textBottom())
            continue;
        lines[{columnOf(layout, columns, run.x), run.top}] += run.text;
    }
    QStringList result;
    for (const auto& entry : lines)
        result << entry.second;
    return result;
}

// Every body line of the document, page after page.
inline QStringList documentLines(const print::Document& document, const print::PageLayout& layout, int columns = 1)
{
    QStringList result;
    for (const print::Page& page : document.pages)
        result << bodyLines(page, layout, columns);
    return result;
}

} // namespace printtest
