// Placing a filled table at the cursor: cells bordered, text set inside each
// cell, pictures scaled into theirs. A table never runs past the text area:
// rows taller than a page allows give up room their pictures asked for, and
// what still does not fit goes on to the next page.

#include "platform/print/Composer.h"

#include "platform/core/Units.h"

#include <QtMath>

#include <algorithm>

namespace print {

namespace {

// Room between a cell's border and its text or picture.
constexpr int cellPadding = 60;

// A row's asked height is given up for the page only down to this share of
// it, so a picture shrinks but stays a picture; beyond that, rows move to
// the next page instead.
constexpr int shrinkDivisor = 2;

// The height of a row: its asked height, at least what its text needs.
struct RowSize {
    int height = 0;
    int need = 0;  // the text and padding; never given up
    int floor = 0; // the least the row shrinks to for the page
    bool hasText = false;
};

// Rows given less room, each in proportion to what it may give up, so that
// they fit `room` as far as their floors allow.
void shrinkRowsTo(std::vector<RowSize>& rows, int room)
{
    int total = 0;
    int spare = 0;
    for (const RowSize& row : rows) {
        total += row.height;
        spare += row.height - row.floor;
    }
    const int excess = total - room;
    if (excess <= 0 || spare <= 0)
        return;
    const qint64 cut = qMin(excess, spare);
    for (RowSize& row : rows) {
        const int mayGive = row.height - row.floor;
        const int gives = int((cut * mayGive + spare - 1) / spare); // rounded up, so the rows do fit
        row.height -= qMin(gives, mayGive);
    }
}

} // namespace

void Composer::placeTable(const Table& table)
{
    if (table.rows <= 0 || table.columns <= 0)
        return;
    const int width = table.columnWidth > 0 ? table.columnWidth : (layout_.textWidth() - table.indent) / table.columns;
    const int innerWidth = qMax(1, width - 2 * cellPadding);
    const auto indexOf = [&](int row, int column) { return std::size_t((row - 1) * table.columns + column - 1); };

    // Each cell's text is set once: its lines give the row heights and are
    // then placed.
    std::vector<std::vector<Line>> cellLines(table.cells.size());
    std::vector<RowSize> rows(std::size_t(table.rows));
    for (int row = 1; row <= table.rows; ++row) {
        RowSize& size = rows[std::size_t(row - 1)];
        int textHeight = 0;
        for (int column = 1; column <= table.columns; ++column) {
            const std::size_t index = indexOf(row, column);
            const QString& text = table.cell(row, column).text;
            int height = 0;
            if (!text.isEmpty()) {
                size.hasText = true;
                LineSetter setter(metrics_, innerWidth);
                auto sink = [&](Line&& line) {
                    height += line.height;
                    cellLines[index].push_back(std::move(line));
                };
                setter.add(text, body_, sink);
                if (!setter.atLineStart())
                    setter.endLine(body_, sink);
            }
            textHeight = qMax(textHeight, height);
        }
        const int asked = table.minRowHeights[std::size_t(row - 1)];
        size.need = textHeight + 2 * cellPadding;
        size.height = qMax(asked, size.need);
        size.floor = qMax(size.need, asked / shrinkDivisor);
    }
    const int pageRoom = layout_.textBottom() - layout_.textTop();
    shrinkRowsTo(rows, pageRoom);
    int total = 0;
    for (const RowSize& row : rows)
        total += row.height;

    ensurePage();
    // A table that fits a page is never split: it starts a page of its own
    // when it does not fit below the cursor.
    if (y_ + total > layout_.textBottom() && !atPageTop()) {
        closePage();
        openPage();
    }

    const int left = layout_.textLeft() + table.indent;
    const int right = left + width * table.columns;
    int partTop = y_;
    page_.rules.push_back(Rule{left, y_, right, y_});
    // The part of the table on this page gets its column rules; the table
    // goes on at the top of the next page, under a rule of its own.
    auto closePart = [&] {
        for (int column = 0; column <= table.columns; ++column) {
            const int x = left + column * width;
            page_.rules.push_back(Rule{x, partTop, x, y_});
        }
        deepest_ = qMax(deepest_, y_);
    };
    auto nextPage = [&] {
        closePart();
        closePage();
        openPage();
        partTop = y_;
        page_.rules.push_back(Rule{left, y_, right, y_});
    };
    auto roomLeft = [&] { return layout_.textBottom() - y_; };

    std::vector<std::size_t> nextLine(table.cells.size(), 0);
    for (int row = 1; row <= table.rows; ++row) {
        const RowSize& size = rows[std::size_t(row - 1)];
        // A row with text keeps the rows without text below it (its
        // pictures) on its page when they fit a page together.
        int group = size.height;
        for (int below = row + 1; size.hasText && below <= table.rows && !rows[std::size_t(below - 1)].hasText; ++below)
            group += rows[std::size_t(below - 1)].height;
        if (group > roomLeft() && !atPageTop() && group <= pageRoom)
            nextPage();
        else if (size.height > roomLeft() && !atPageTop() && (size.hasText || roomLeft() < size.floor))
            nextPage();

        // Set row by row, a row taller than the room left is placed in
        // slices: each cell's lines go on where the page before left them.
        bool firstSlice = true;
        for (;;) {
            int height = firstSlice ? size.height : 0;
            if (!firstSlice) {
                for (int column = 1; column <= table.columns; ++column) {
                    const std::size_t index = indexOf(row, column);
                    int rest = 0;
                    for (std::size_t line = nextLine[index]; line < cellLines[index].size(); ++line)
                        rest += cellLines[index][line].height;
                    height = qMax(height, rest + 2 * cellPadding);
                }
            }
            const bool sliced = height > roomLeft();
            if (sliced)
                height = roomLeft();
            bool linesLeft = false;
            for (int column = 1; column <= table.columns; ++column) {
                const std::size_t index = indexOf(row, column);
                const int cellLeft = left + (column - 1) * width;
                int lineTop = y_ + cellPadding;
                std::vector<Line>& lines = cellLines[index];
                while (nextLine[index] < lines.size()) {
                    Line& line = lines[nextLine[index]];
                    // A slice takes at least one line, so a line taller than
                    // a page still goes on.
                    if (lineTop + line.height > y_ + height - cellPadding && lineTop > y_ + cellPadding)
                        break;
                    for (Piece& piece : line.pieces) {
                        page_.runs.push_back(TextRun{std::move(piece.text), piece.style,
                                                     cellLeft + cellPadding + qRound(piece.x), lineTop,
                                                     qCeil(piece.width), line.height, line.ascent});
                    }
                    lineTop += line.height;
                    ++nextLine[index];
                }
                linesLeft = linesLeft || nextLine[index] < lines.size();
                const Table::Cell& cell = table.cell(row, column);
                if (firstSlice && !cell.picture.isNull()) {
                    const int boxWidth = qMax(1, width - 2 * cellPadding);
                    const int boxHeight = qMax(1, height - 2 * cellPadding);
                    int pictureWidth = qMin(boxWidth, platform::toTwips(cell.picture.width()));
                    int pictureHeight = qMin(boxHeight, platform::toTwips(cell.picture.height()));
                    if (cell.scalePicture) {
                        const QSize fitted = cell.picture.size().scaled(boxWidth, boxHeight, Qt::KeepAspectRatio);
                        pictureWidth = qMax(1, fitted.width());
                        pictureHeight = qMax(1, fitted.height());
                    }
                    page_.pictures.push_back(PictureItem{cell.picture, cellLeft + (width - pictureWidth) / 2,
                                                         y_ + (height - pictureHeight) / 2, pictureWidth,
                                                         pictureHeight});
                }
            }
            y_ += height;
            page_.rules.push_back(Rule{left, y_, right, y_});
            firstSlice = false;
            if (!linesLeft)
                break;
            nextPage();
        }
    }
    closePart();
}

} // namespace print
