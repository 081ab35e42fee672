#pragma once

#include <QImage>
#include <QString>
#include <QVariant>

#include <vector>

namespace print {

// A table being filled before it is placed on the page: rows and columns
// counted from 1, a width for the columns, a least height per row, and per
// cell a text or a picture. Sizes are in twips.
struct Table {
    struct Cell {
        QString text;
        QImage picture;
        bool scalePicture = false;
    };

    int indent = 0;
    int rows = 0;
    int columns = 0;
    int columnWidth = 0; // 0: the columns share the text width
    std::vector<int> minRowHeights;
    std::vector<Cell> cells;

    Cell& cell(int row, int column) { return cells[std::size_t((row - 1) * columns + column - 1)]; }
    const Cell& cell(int row, int column) const { return cells[std::size_t((row - 1) * columns + column - 1)]; }
};

// The setting codes a table takes.
namespace tablecode {
constexpr int indent = 0;
constexpr int rows = 1;
constexpr int columns = 2;
constexpr int rowHeight = 7;
constexpr int columnWidth = 13;
constexpr int cellText = 18;
constexpr int cellPicture = 29;
constexpr int pictureFit = 30;
// The picture-fit value that scales the picture into its cell, keeping its
// shape, centred.
constexpr int fitStretchKeepShape = 10;
} // namespace tablecode

// A length as the layout settings give it: a number followed by "in", "cm",
// "mm" or "pt", or a bare number of twips. Gives false for anything else.
bool parseTwips(const QString& text, int& twips);

// Applies one setting to the table; throws the invalid-property error for an
// unknown code, an index outside the table or a value of the wrong kind.
void applyTableSetting(Table& table, int code, int row, int column, const QVariant& value);

} // namespace print
