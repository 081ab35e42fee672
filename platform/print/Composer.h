#pragma once

#include "platform/print/DisplayList.h"
#include "platform/print/LineSetter.h"
#include "platform/print/PageLayout.h"
#include "platform/print/Table.h"
#include "platform/print/TextMetrics.h"

#include <QString>
#include <QVariant>

#include <optional>

namespace print {

// Composes printed products into pages, headless. Text goes in at a
// typewriter cursor: writeInline adds text where the cursor stands,
// writeLine writes a paragraph of its own; either flows down the columns and
// on to new pages. Each page ends up as a display list (Page) that the
// renderer draws and the saved-test file holds.
//
// Settings (fonts, colours, header and footer, columns, frame) outlive a
// document: a product sets only what it names and inherits the rest from the
// product before it. Header, footer and frame are taken for a page when the
// page is closed, so a header set after a page break heads the new page, and
// one set after the first paragraph still heads the first page.
//
// A page break is lazy: breakPage closes the page, and the next page opens
// only when something is written on it, so a break at the end adds no blank
// page. Lines are never split between pages or columns.
//
// Setters that get a value out of range throw the invalid-property error and
// change nothing.
class Composer {
public:
    Composer();

    // Documents. startDocument drops the pages and keeps the settings;
    // endDocument finishes the last page (a document always has one page).
    void startDocument();
    void endDocument();
    const Document& document() const { return document_; }
    // A document read from a file takes the place of the composed one.
    void replaceDocument(Document document);

    // Text.
    void writeInline(const QString& text);
    void writeLine(const QString& text);

    // The keep-together test: fitNeed() > fitLimit() - fitUsed() exactly
    // when the measured entry, written from a line start at the cursor, does
    // not fit below it. The entry is laid out as writeLine would lay it out.
    void measureEntry(const QString& text);
    int fitNeed() const { return fitNeed_; }
    int fitLimit() const { return layout_.textBottom(); }
    int fitUsed() const;

    void breakPage();
    void setPositionY(int twips);

    // Settings, kept from one document to the next.
    void setHeaderText(const QString& text) { headerText_ = text; }
    void setFooterText(const QString& text) { footerText_ = text; }
    const QString& headerText() const { return headerText_; }
    const QString& footerText() const { return footerText_; }
    void setBodyFontName(const QString& name) { body_.family = name; }
    void setBodyFontSize(double points);
    void setBodyBold(bool bold) { body_.bold = bold; }
    void setBodyTextColor(qint64 color);
    void setHeaderFontName(const QString& name) { header_.family = name; }
    void setHeaderFontSize(double points);
    void setHeaderTextColor(qint64 color);
    const TextStyle& bodyStyle() const { return body_; }
    const TextStyle& headerStyle() const { return header_; }
    void setColumnCount(int count);
    int columnCount() const { return columns_; }
    void setPageFrame(int frame);
    PageFrame pageFrame() const { return frame_; }

    // Tables: filled by settings, placed at the cursor when closed.
    void openTable();
    void tableSetting(int code, int row, int column, const QVariant& value);
    void closeTable();

    const PageLayout& layout() const { return layout_; }

private:
    struct Band {
        int top = 0;
        int columns = 1;
    };

    void place(Line&& line);
    bool writeMeasured(const QString& text, bool asLine);
    void placeTable(const Table& table);
    void flushLine();
    void ensurePage();
    void openPage();
    void closePage();
    void closeLastPage(); // at a break or the end: a page of only run-over blank lines is dropped
    void decorate(Page& page);
    void advanceColumnOrPage(int height);
    bool atPageTop() const;
    int columnLeft() const { return layout_.columnLeft(columns_, column_); }

    PageLayout layout_;
    TextMetrics metrics_;
    Document document_;

    TextStyle body_;
    TextStyle header_;
    QString headerText_;
    QString footerText_;
    int columns_ = 1;
    PageFrame frame_ = PageFrame::none;

    // The page being composed, and the cursor on it.
    bool pageOpen_ = false;
    bool overflowPage_ = false; // opened because the text ran past the last one
    Page page_;
    std::vector<Band> bands_;
    int column_ = 0;
    int y_ = 0;
    int deepest_ = 0;
    LineSetter setter_;

    int fitNeed_ = 0;
    // The lines of the entry measured last, kept for writing it.
    struct Measured {
        QString text;
        TextStyle style;
        int width = 0;
        std::vector<Line> lines;
    };
    std::optional<Measured> measured_;
    std::optional<Table> table_;
};

} // namespace print
