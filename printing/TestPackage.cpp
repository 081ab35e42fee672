#include "printing/TestPackage.h"

#include "platform/print/Composer.h"
#include "settings/Markers.h"

#include <algorithm>

namespace printing {

namespace {

// Line breaks in printed text are a lone carriage return.
const QString br = QStringLiteral("\r");

// The blanks after the sheet's first word leave room to write in by hand.
const QString formTail = QStringLiteral("                      Class:                   Date: ");

const QString letters[4] = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")};

QString entryOf(int number, const PrintedQuestion& q, TestVariant variant)
{
    QString entry = QString::number(number) + QStringLiteral(") ") + q.question + br + br;
    const QString* answers[4] = {&q.a, &q.b, &q.c, &q.d};
    for (int i = 0; i < 4; ++i)
        entry += letters[i] + QStringLiteral("  ") + *answers[i] + br;
    const QString answerLine = QStringLiteral("Answer --> ") + q.answer;
    switch (variant) {
    case TestVariant::withAnswers:
        entry += answerLine;
        break;
    case TestVariant::withNotes:
        entry += q.notes;
        break;
    case TestVariant::withNotesAndAnswers:
        entry += answerLine + br + q.notes;
        break;
    default:
        break;
    }
    return entry + br + br;
}

// The sheet's cells: a letter or the key's X, each five characters wide, so
// the X stands where the sheet prints the correct letter.
QString cell(const QString& mark)
{
    return mark + QStringLiteral("    ");
}

void startFormProduct(print::Composer& composer, const PrintSettings& settings, const QString& defaultHeader,
                      QStringList& replaced)
{
    composer.setHeaderText(settings.hasOwnTitle() ? settings.headerTitle : defaultHeader);
    applyBodyColor(composer, settings, replaced);
    composer.setBodyFontName(settings.font);
    // The sheet and the key keep their size whatever the body size: the rows
    // must line up with each other in four columns.
    composer.setColumnCount(4);
    composer.setBodyFontSize(11);
    applyHeaderSettings(composer, settings, replaced);
}

} // namespace

QString emptySetRefusal()
{
    return QStringLiteral("The question set holds no questions, so there is nothing to print.");
}

QString replacedSettingsNotice(const QStringList& replaced)
{
    return QStringLiteral("These print settings are not numbers the printer can use and were printed "
                          "with their defaults: %1.")
        .arg(replaced.join(QStringLiteral(", ")));
}

QString titleOfSet(const SetTitle& title, const QString& wholeBankTitle)
{
    if (title.marker == markers::wholeBank)
        return wholeBankTitle;
    if (title.marker == markers::selectedChapters)
        return title.selectTitle;
    return title.currentChapter;
}

QString testTitle(TestVariant variant, const SetTitle& title)
{
    return titleOfSet(title, variant == TestVariant::withoutAnswers ? QStringLiteral("All Questions        ")
                                                                    : QStringLiteral("All Questions  "));
}

QString answerListTitle(const SetTitle& title, const QString& firstChapter)
{
    if (title.marker == markers::wholeBank)
        return QStringLiteral("These Are The Answers For:  All Questions");
    if (title.marker == markers::selectedChapters)
        return QStringLiteral("These Are The Answers For: ") + title.selectTitle;
    return QStringLiteral("These Are The Answers For:  ") + firstChapter;
}

QString answerSheetHeader()
{
    return QStringLiteral("Name:                ") + formTail;
}

QString correctionKeyHeader()
{
    return QStringLiteral("Test                ") + formTail;
}

QStringList composeTest(print::Composer& composer, const std::vector<PrintedQuestion>& questions,
                        const PrintSettings& settings, TestVariant variant, const SetTitle& title)
{
    if (variant == TestVariant::withoutAnswers)
        composer.writeLine(QString());
    composer.setHeaderText(settings.hasOwnTitle() ? settings.headerTitle : testTitle(variant, title));
    composer.setColumnCount(1);
    const QStringList replaced = applyPrintSettings(composer, settings);
    int number = 0;
    for (const PrintedQuestion& q : questions) {
        const QString entry = entryOf(++number, q, variant);
        // An entry is never split: one that does not fit below the cursor
        // starts a new page; one that exactly fits stays.
        composer.measureEntry(entry);
        if (composer.fitNeed() > composer.fitLimit() - composer.fitUsed())
            composer.breakPage();
        composer.writeInline(entry);
    }
    return replaced;
}

QStringList composeAnswerList(print::Composer& composer, const std::vector<PrintedQuestion>& questions,
                              const PrintSettings& settings, const SetTitle& title)
{
    composer.setColumnCount(1);
    const QString firstChapter = questions.empty() ? QString() : questions.front().chapter;
    composer.setHeaderText(settings.hasOwnTitle() ? settings.headerTitle : answerListTitle(title, firstChapter));
    const QStringList replaced = applyPrintSettings(composer, settings);
    composer.setColumnCount(8);
    int number = 0;
    for (const PrintedQuestion& q : questions) {
        composer.writeLine(QString::number(++number) + QStringLiteral(")     ") + q.answer);
        composer.writeLine(QStringLiteral(" "));
    }
    return replaced;
}

QStringList composeAnswerSheet(print::Composer& composer, const std::vector<PrintedQuestion>& questions,
                               const PrintSettings& settings)
{
    QStringList replaced;
    startFormProduct(composer, settings, answerSheetHeader(), replaced);
    for (int number = 1; number <= int(questions.size()); ++number) {
        composer.writeInline(QString::number(number) + QStringLiteral(")  "));
        for (const QString& letter : letters)
            composer.writeInline(cell(letter));
        composer.writeInline(br);
        composer.writeLine(QString());
    }
    return replaced;
}

QStringList composeCorrectionKey(print::Composer& composer, const std::vector<PrintedQuestion>& questions,
                                 const PrintSettings& settings)
{
    QStringList replaced;
    startFormProduct(composer, settings, correctionKeyHeader(), replaced);
    int number = 0;
    for (const PrintedQuestion& q : questions) {
        ++number;
        // Only a whole upper-case letter is a key; any other answer leaves
        // its row blank but still uses its number.
        const int correct = int(std::find(std::begin(letters), std::end(letters), q.answer) - std::begin(letters));
        if (correct < 4) {
            composer.writeInline(QString::number(number) + QStringLiteral(")  "));
            for (int i = 0; i < 4; ++i) {
                if (i == correct) {
                    composer.setBodyBold(true);
                    composer.writeInline(cell(QStringLiteral("X")));
                    composer.setBodyBold(false);
                } else {
                    composer.writeInline(cell(letters[i]));
                }
            }
        }
        // A record without a key letter still takes its row's room, so every
        // later row stays where the sheet prints it.
        composer.writeInline(br);
        composer.writeLine(QString());
    }
    return replaced;
}

PackageResult composeTestPackage(print::Composer& composer, const std::vector<PrintedQuestion>& questions,
                                 const PrintSettings& settings, const PackageChoices& choices, const SetTitle& title)
{
    PackageResult result;
    if (questions.empty()) {
        result.refusal = emptySetRefusal();
        return result;
    }
    composer.startDocument();
    bool first = true;
    // Each product after the first begins on a page of its own.
    auto next = [&] {
        if (!first)
            composer.breakPage();
        first = false;
    };
    auto note = [&](const QStringList& replaced) {
        for (const QString& name : replaced)
            if (!result.replacedSettings.contains(name))
                result.replacedSettings << name;
    };
    if (choices.test != TestVariant::none) {
        next();
        note(composeTest(composer, questions, settings, choices.test, title));
    }
    if (choices.answerList) {
        next();
        note(composeAnswerList(composer, questions, settings, title));
    }
    if (choices.answerSheet) {
        next();
        note(composeAnswerSheet(composer, questions, settings));
    }
    if (choices.correctionKey) {
        next();
        note(composeCorrectionKey(composer, questions, settings));
    }
    composer.endDocument();
    return result;
}

PackageResult composeRecordKey(print::Composer& composer, const std::vector<PrintedQuestion>& questions)
{
    PackageResult result;
    if (questions.empty()) {
        result.refusal = emptySetRefusal();
        return result;
    }
    composer.startDocument();
    for (const PrintedQuestion& q : questions) {
        composer.writeLine(QString::number(q.id) + QStringLiteral(")     ") + q.answer);
        composer.writeLine(QStringLiteral(" "));
    }
    composer.endDocument();
    return result;
}

} // namespace printing
