#include "platform/print/Composer.h"

#include "platform/core/Errors.h"

#include <QtMath>

#include <algorithm>

namespace print {

namespace {

constexpr int mostColumns = 32;
// The largest font size a setting takes, in points.
constexpr double largestFontSize = 1638.0;

double checkedSize(double points)
{
    if (!(points > 0.0 && points <= largestFontSize))
        throw platform::errors::invalidPropertyValue();
    return points;
}

gdi::ColorRef checkedColor(qint64 color)
{
    // A colour is an RGB value; system colours and anything wider are no
    // colour a page can be printed in.
    if (color < 0 || color > 0xFFFFFF)
        throw platform::errors::invalidPropertyValue();
    return gdi::ColorRef(color);
}

} // namespace

Composer::Composer()
    : body_{QStringLiteral("Arial"), 10.0, false, 0}, header_{QStringLiteral("Arial"), 12.0, false, 0},
      setter_(metrics_, layout_.columnWidth(1))
{}

void Composer::startDocument()
{
    document_ = Document{layout_.paper, {}};
    pageOpen_ = false;
    page_ = Page{};
    bands_.clear();
    setter_ = LineSetter(metrics_, layout_.columnWidth(columns_));
    table_.reset();
}

void Composer::endDocument()
{
    flushLine();
    if (table_)
        closeTable();
    if (pageOpen_)
        closeLastPage();
    if (document_.pages.empty()) {
        openPage();
        closePage();
    }
}

void Composer::replaceDocument(Document document)
{
    document_ = std::move(document);
    pageOpen_ = false;
    page_ = Page{};
    bands_.clear();
    setter_ = LineSetter(metrics_, layout_.columnWidth(columns_));
    table_.reset();
}

void Composer::writeInline(const QString& text)
{
    if (writeMeasured(text, false))
        return;
    setter_.add(text, body_, [this](Line&& line) { place(std::move(line)); });
}

void Composer::writeLine(const QString& text)
{
    auto sink = [this](Line&& line) { place(std::move(line)); };
    if (!setter_.atLineStart())
        setter_.endLine(body_, sink);
    if (writeMeasured(text, true))
        return;
    setter_.add(text, body_, sink);
    if (!setter_.atLineStart() || text.isEmpty())
        setter_.endLine(body_, sink);
}

void Composer::measureEntry(const QString& text)
{
    // The same setting as writeLine, on a setter of its own, so the cursor
    // does not move. The lines are kept: the entry measured is nearly
    // always the entry written next, and is then placed as measured.
    LineSetter scratch(metrics_, setter_.width());
    measured_ = Measured{text, body_, setter_.width(), {}};
    int need = 0;
    auto sink = [&](Line&& line) {
        need += line.height;
        measured_->lines.push_back(std::move(line));
    };
    scratch.add(text, body_, sink);
    if (!scratch.atLineStart() || text.isEmpty())
        scratch.endLine(body_, sink);
    fitNeed_ = need;
}

bool Composer::writeMeasured(const QString& text, bool asLine)
{
    // The measured lines are those writeLine gives; writeInline gives the
    // same only for a text that ends its last line itself.
    std::optional<Measured> measured = std::move(measured_);
    measured_.reset();
    if (!measured || !setter_.atLineStart() || measured->width != setter_.width() || !(measured->style == body_)
        || measured->text != text)
        return false;
    if (!asLine && (text.isEmpty() || !isLineBreak(text.back())))
        return false;
    for (Line& line : measured->lines)
        place(std::move(line));
    return true;
}

int Composer::fitUsed() const
{
    return pageOpen_ ? y_ : layout_.textTop();
}

void Composer::breakPage()
{
    flushLine();
    if (pageOpen_)
        closeLastPage();
}

void Composer::setPositionY(int twips)
{
    if (twips < 0 || twips > document_.paper.height)
        throw platform::errors::invalidPropertyValue();
    flushLine();
    ensurePage();
    y_ = twips;
    deepest_ = qMax(deepest_, y_);
}

void Composer::setBodyFontSize(double points)
{
    body_.pointSize = checkedSize(points);
}

void Composer::setBodyTextColor(qint64 color)
{
    body_.color = checkedColor(color);
}

void Composer::setHeaderFontSize(double points)
{
    header_.pointSize = checkedSize(points);
}

void Composer::setHeaderTextColor(qint64 color)
{
    header_.color = checkedColor(color);
}

void Composer::setColumnCount(int count)
{
    if (count < 1 || count > mostColumns)
        throw platform::errors::invalidPropertyValue();
    if (count == columns_)
        return;
    flushLine();
    columns_ = count;
    setter_ = LineSetter(metrics_, layout_.columnWidth(columns_));
    if (!pageOpen_)
        return;
    // The new columns start as a band of their own below the deepest text
    // of the page; a band that holds nothing yet is simply re-cut.
    if (deepest_ > bands_.back().top) {
        bands_.push_back(Band{deepest_, columns_});
    } else {
        bands_.back().columns = columns_;
    }
    column_ = 0;
    y_ = bands_.back().top;
}

void Composer::setPageFrame(int frame)
{
    if (frame < 0 || frame > lastPageFrame)
        throw platform::errors::invalidPropertyValue();
    frame_ = PageFrame(frame);
}

void Composer::openTable()
{
    table_.emplace();
}

void Composer::tableSetting(int code, int row, int column, const QVariant& value)
{
    if (!table_)
        throw platform::errors::invalidProcedureCall();
    applyTableSetting(*table_, code, row, column, value);
}

void Composer::closeTable()
{
    if (!table_)
        throw platform::errors::invalidProcedureCall();
    const Table table = std::move(*table_);
    table_.reset();
    flushLine();
    placeTable(table);
}

void Composer::flushLine()
{
    if (!setter_.atLineStart())
        setter_.endLine(body_, [this](Line&& line) { place(std::move(line)); });
}

void Composer::ensurePage()
{
    if (!pageOpen_)
        openPage();
}

void Composer::openPage()
{
    page_ = Page{};
    pageOpen_ = true;
    overflowPage_ = false;
    bands_.assign(1, Band{layout_.textTop(), columns_});
    column_ = 0;
    y_ = layout_.textTop();
    deepest_ = y_;
}

void Composer::closeLastPage()
{
    // Blank lines that ran past the bottom of a page and that nothing followed
    // would otherwise print a page holding only its header.
    const bool blank = std::all_of(page_.runs.begin(), page_.runs.end(),
                                   [](const TextRun& run) { return run.text.trimmed().isEmpty(); });
    if (overflowPage_ && blank && page_.rules.empty() && page_.pictures.empty()) {
        page_ = Page{};
        pageOpen_ = false;
        return;
    }
    closePage();
}

void Composer::closePage()
{
    page_.header = headerText_;
    page_.footer = footerText_;
    page_.frame = frame_;
    decorate(page_);
    document_.pages.push_back(std::move(page_));
    page_ = Page{};
    pageOpen_ = false;
}

void Composer::advanceColumnOrPage(int height)
{
    ensurePage();
    while (y_ + height > layout_.textBottom() && !atPageTop()) {
        if (column_ + 1 < columns_) {
            ++column_;
            y_ = bands_.back().top;
        } else {
            closePage();
            openPage();
            overflowPage_ = true;
        }
    }
}

bool Composer::atPageTop() const
{
    // Something taller than a whole page is placed at the top of a fresh
    // page rather than sent on from page to page.
    return bands_.size() == 1 && column_ == 0 && y_ == layout_.textTop();
}

void Composer::place(Line&& line)
{
    advanceColumnOrPage(line.height);
    const int left = columnLeft();
    for (Piece& piece : line.pieces) {
        page_.runs.push_back(TextRun{std::move(piece.text), piece.style, left + qRound(piece.x), y_, qCeil(piece.width),
                                     line.height, line.ascent});
    }
    y_ += line.height;
    deepest_ = qMax(deepest_, y_);
}

} // namespace print
