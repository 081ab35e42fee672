#pragma once

#include "platform/print/DisplayList.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QString>
#include <QStringView>

#include <memory>
#include <unordered_map>

namespace print {

// The font a style draws with, sized in twips: its pixel size is the point
// size times 20, so one pixel of the font is one twip on the page. Measuring
// and drawing use this same font, whatever device the page goes to, so a
// layout never depends on the screen it was made on.
QFont fontOf(const TextStyle& style);

// Measures text in whole twips for the composer. The line height, ascent and
// the advance of each word are taken once per font and kept, so laying out a
// long document measures each distinct word only once.
class TextMetrics {
public:
    TextMetrics();
    ~TextMetrics();
    TextMetrics(const TextMetrics&) = delete;
    TextMetrics& operator=(const TextMetrics&) = delete;

    struct Font {
        QFontMetricsF metrics;
        int lineHeight = 0;
        int ascent = 0;
        QHash<QString, double> advances;

        explicit Font(const QFont& font);
        double advance(QStringView text);
    };

    Font& font(const TextStyle& style);

private:
    std::unordered_map<QString, std::unique_ptr<Font>> fonts_;
    // The font asked for last, which is nearly always the next one asked for.
    TextStyle lastStyle_;
    Font* last_ = nullptr;
};

} // namespace print
