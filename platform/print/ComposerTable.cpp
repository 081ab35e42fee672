// Placing a filled table at the cursor: cells bordered, text set inside each
// cell, pictures scaled into theirs.

#include "platform/print/Composer.h"

#include <QtMath>

namespace print {

namespace {

// Room between a cell's border and its text or picture.
constexpr int cellPadding = 60;

} // namespace

void Composer::placeTable(const Table& table)
{
    if (table.rows <= 0 || table.columns <= 0)
        return;
    const int width = table.columnWidth > 0 ? table.columnWidth
                                             : (layout_.textWidth() - table.indent) / table.columns;
    const int innerWidth = qMax(1, width - 2 * cellPadding);

    // Each cell's text is set once: its lines give the row heights and are
    // then placed.
    std::vector<std::vector<Line>> cellLines(table.cells.size());
    std::vector<int> rowHeights(std::size_t(table.rows), 0);
    for (int row = 1; row <= table.rows; ++row) {
        int height = table.minRowHeights[std::size_t(row - 1)];
        for (int column = 1; column <= table.columns; ++column) {
            const std::size_t index = std::size_t((row - 1) * table.columns + column - 1);
            const QString& text = table.cell(row, column).text;
            int textHeight = 0;
            if (!text.isEmpty()) {
                LineSetter setter(metrics_, innerWidth);
                auto sink = [&](Line&& line) {
                    textHeight += line.height;
                    cellLines[index].push_back(std::move(line));
                };
                setter.add(text, body_, sink);
                if (!setter.atLineStart())
                    setter.endLine(body_, sink);
            }
            height = qMax(height, textHeight + 2 * cellPadding);
        }
        rowHeights[std::size_t(row - 1)] = height;
    }
    int total = 0;
    for (int height : rowHeights)
        total += height;

    ensurePage();
    if (y_ + total > layout_.textBottom() && !atPageTop()) {
        closePage();
        openPage();
    }

    const int left = layout_.textLeft() + table.indent;
    const int right = left + width * table.columns;
    int top = y_;
    page_.rules.push_back(Rule{left, top, right, top});
    for (int row = 1; row <= table.rows; ++row) {
        const int height = rowHeights[std::size_t(row - 1)];
        for (int column = 1; column <= table.columns; ++column) {
            const std::size_t index = std::size_t((row - 1) * table.columns + column - 1);
            const int cellLeft = left + (column - 1) * width;
            int lineTop = top + cellPadding;
            for (Line& line : cellLines[index]) {
                for (Piece& piece : line.pieces) {
                    page_.runs.push_back(TextRun{std::move(piece.text), piece.style,
                                                 cellLeft + cellPadding + qRound(piece.x), lineTop,
                                                 qCeil(piece.width), line.height, line.ascent});
                }
                lineTop += line.height;
            }
            const Table::Cell& cell = table.cell(row, column);
            if (!cell.picture.isNull()) {
                const int boxWidth = qMax(1, width - 2 * cellPadding);
                const int boxHeight = qMax(1, height - 2 * cellPadding);
                int pictureWidth = qMin(boxWidth, cell.picture.width() * 15);
                int pictureHeight = qMin(boxHeight, cell.picture.height() * 15);
                if (cell.scalePicture) {
                    const QSize fitted = cell.picture.size().scaled(boxWidth, boxHeight, Qt::KeepAspectRatio);
                    pictureWidth = qMax(1, fitted.width());
                    pictureHeight = qMax(1, fitted.height());
                }
                page_.pictures.push_back(PictureItem{cell.picture,
                                                     cellLeft + (width - pictureWidth) / 2,
                                                     top + (height - pictureHeight) / 2, pictureWidth,
                                                     pictureHeight});
            }
        }
        top += height;
        page_.rules.push_back(Rule{left, top, right, top});
    }
    for (int column = 0; column <= table.columns; ++column) {
        const int x = left + column * width;
        page_.rules.push_back(Rule{x, y_, x, top});
    }
    y_ = top;
    deepest_ = qMax(deepest_, y_);
}

} // namespace print
