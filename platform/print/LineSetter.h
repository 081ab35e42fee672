#pragma once

#include "platform/print/DisplayList.h"

#include <QString>
#include <QStringView>

#include <vector>

namespace print {

class TextMetrics;

// Text of one look within a line being set; x and width are in twips from
// the start of the line.
struct Piece {
    QString text;
    TextStyle style;
    double x = 0;
    double width = 0;
};

// A finished line: its pieces, its height and the baseline's distance from
// its top, both in whole twips.
struct Line {
    std::vector<Piece> pieces;
    int height = 0;
    int ascent = 0;
};

// Sets running text into lines of a given width, as a typewriter would: text
// is added at the end of the line being set, a line break (CR, LF or CR LF)
// ends the line, and a word that does not fit starts a new line. Blanks are
// kept exactly as written; they never start a new line themselves, so the
// blanks before a wrapped word stay at the end of the line above. A word
// wider than the whole line is cut where it reaches the edge.
//
// Writing and measuring both set their text with this one class, so an entry
// measured to fit a given room takes exactly that room when it is written.
class LineSetter {
public:
    LineSetter(TextMetrics& metrics, int width) : metrics_(&metrics), width_(width) {}

    // Each finished line is handed to sink(Line&&).
    template <class Sink>
    void add(QStringView text, const TextStyle& style, Sink&& sink);

    // Ends the line being set; an empty line takes the height of the style.
    template <class Sink>
    void endLine(const TextStyle& style, Sink&& sink)
    {
        finish(style);
        sink(std::move(line_));
        line_ = Line{};
        x_ = 0;
    }

    bool atLineStart() const { return line_.pieces.empty(); }
    int width() const { return width_; }

private:
    void append(QStringView token, const TextStyle& style, double advance);
    void finish(const TextStyle& style);

    TextMetrics* metrics_;
    int width_;
    Line line_;
    double x_ = 0;
};

bool isLineBreak(QChar c);

// Calls word(token, isBlank) for each run of blanks and each run of other
// characters of a text without line breaks.
template <class Word>
void forEachToken(QStringView text, Word&& word)
{
    qsizetype start = 0;
    while (start < text.size()) {
        const bool blank = text[start] == QLatin1Char(' ');
        qsizetype end = start + 1;
        while (end < text.size() && (text[end] == QLatin1Char(' ')) == blank)
            ++end;
        word(text.mid(start, end - start), blank);
        start = end;
    }
}

} // namespace print

#include "platform/print/LineSetter_impl.h"
