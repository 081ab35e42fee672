#pragma once

#include <QString>
#include <QStringList>

namespace data {
class Recordset;
}

namespace print {
class Composer;
}

namespace printing {

// The title box's text while the user has typed no title of his own: every
// product then makes its header by its own rule.
inline constexpr QLatin1StringView untitled{"Enter A Test Title Here!"};

// The print settings row as its boxes hold it: texts, converted only where a
// product applies them, so a row holding something that is no number still
// prints (with the default for that setting).
struct PrintSettings {
    QString font = QStringLiteral("Times New Roman");
    QString size = QStringLiteral("12");
    QString color = QStringLiteral("0");
    QString headerFont = QStringLiteral("Arial");
    QString headerSize = QStringLiteral("16");
    QString headerColor = QStringLiteral("0");
    QString headerTitle = QString(untitled);

    bool hasOwnTitle() const { return headerTitle != untitled; }
};

// Reads the current row of the print settings table; a null field reads as
// an empty text.
PrintSettings readPrintSettings(data::Recordset& row);

// The print settings row of the program's question database as it is
// stored: the test-package window stores each change at once, so the row
// holds what the user chose last. Without a row, the defaults.
PrintSettings storedPrintSettings();

// Gives the composer the six print settings in the order the products set
// them: body colour, body font, body size, header font, header size, header
// colour. A size or colour that is not a usable number is replaced by its
// default; the answer names each one so replaced (empty when all were used).
QStringList applyPrintSettings(print::Composer& composer, const PrintSettings& settings);

// The body colour and header settings alone, for the products that fix the
// body size themselves; same replacement rule.
void applyBodyColor(print::Composer& composer, const PrintSettings& settings, QStringList& replaced);
void applyHeaderSettings(print::Composer& composer, const PrintSettings& settings, QStringList& replaced);

} // namespace printing
