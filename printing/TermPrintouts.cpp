#include "printing/TermPrintouts.h"

#include "platform/print/Composer.h"

namespace printing {

namespace {

// Line breaks in printed text are a lone carriage return.
const QString br = QStringLiteral("\r");

void startPage(print::Composer& composer)
{
    composer.writeLine(QStringLiteral(" "));
    composer.writeLine(QStringLiteral(" "));
}

// An entry never splits across pages; one that does not fit starts the next
// page below the same two blank paragraphs as the first. The Jeopardy key
// measures its entry without the last break, so an entry that just fits
// without it stays on the page.
void writeEntry(print::Composer& composer, const QString& paragraph, const QString& measured)
{
    composer.measureEntry(measured);
    if (composer.fitNeed() > composer.fitLimit() - composer.fitUsed()) {
        composer.breakPage();
        startPage(composer);
    }
    composer.writeLine(paragraph);
}

} // namespace

QString termPrintoutCaption(TermPrintout printout)
{
    switch (printout) {
    case TermPrintout::glossary:
        return glossaryCaption;
    case TermPrintout::writtenTest:
        return writtenTestCaption;
    case TermPrintout::jeopardyTest:
        break;
    }
    return jeopardyCaption;
}

QString termPrintoutHeader(const PrintSettings& settings)
{
    return settings.hasOwnTitle() ? settings.headerTitle : QStringLiteral("Raze Verudev E/RE Drillmate Version 4.1");
}

QString termQuestionEntry(TermPrintout printout, int number, const TermRow& row)
{
    const QString n = QString::number(number) + QStringLiteral(") ");
    switch (printout) {
    case TermPrintout::glossary:
        return row.term + QStringLiteral("  - ") + QStringLiteral(" ") + row.definition + br + br;
    case TermPrintout::writtenTest:
        return n + row.term + QStringLiteral("  - ") + br + br + QString(87, u'_') + br + br;
    case TermPrintout::jeopardyTest:
        break;
    }
    return n + row.definition + QStringLiteral("  - ") + br + br + QStringLiteral("What is ") + QString(82, u'_') + br
           + br;
}

QString termKeyEntry(TermPrintout printout, int number, const TermRow& row)
{
    const QString answer = printout == TermPrintout::jeopardyTest ? row.term : row.definition;
    return QString::number(number) + QStringLiteral(")     ") + answer + br + br;
}

QStringList composeTermPrintout(print::Composer& composer, TermPrintout printout, const std::vector<TermRow>& rows,
                                const PrintSettings& settings, const std::function<void(double percent)>& progress)
{
    const auto passed = [&](int number) {
        if (progress)
            progress(number * 100.0 / double(rows.size()));
    };
    composer.setColumnCount(1);
    composer.setHeaderText(termPrintoutHeader(settings));
    const QStringList replaced = applyPrintSettings(composer, settings);
    composer.startDocument();
    startPage(composer);

    int number = 0;
    for (const TermRow& row : rows) {
        const QString entry = termQuestionEntry(printout, ++number, row);
        writeEntry(composer, entry, entry);
        passed(number);
    }
    if (printout == TermPrintout::glossary) {
        composer.endDocument();
        return replaced;
    }

    composer.breakPage();
    composer.setColumnCount(1);
    startPage(composer);
    number = 0;
    for (const TermRow& row : rows) {
        const QString entry = termKeyEntry(printout, ++number, row);
        writeEntry(composer, entry, printout == TermPrintout::jeopardyTest ? entry.chopped(1) : entry);
        passed(number);
    }
    composer.endDocument();
    return replaced;
}

} // namespace printing
