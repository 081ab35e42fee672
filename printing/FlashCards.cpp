#include "printing/FlashCards.h"

#include "platform/print/Composer.h"

#include <QStringList>

#include <algorithm>

namespace printing {

namespace {

// The card box: from the card's top to the next card's top, and never past
// the text area, so that no card pushes the cards after it onto a new page.
int cardBottom(const print::Composer& composer, int slot)
{
    const int next = slot + 1 < 4 ? cardTops[slot + 1] : composer.fitLimit();
    return std::min({cardTops[slot] + cardHeight, next, composer.fitLimit()});
}

// A card is the text and a blank paragraph under it.
int cardNeed(print::Composer& composer, const QString& text)
{
    composer.measureEntry(text + QStringLiteral("\r "));
    return composer.fitNeed();
}

// The text cut at a word so that the card fits its box, marked as cut.
QString fittedCardText(print::Composer& composer, const QString& text, int room)
{
    if (cardNeed(composer, text) <= room)
        return text;
    const QStringList words = text.split(QLatin1Char(' '));
    const auto cut = [&](qsizetype count) { return words.first(count).join(QLatin1Char(' ')) + QStringLiteral("..."); };
    qsizetype fits = 0;
    qsizetype tooMany = words.size();
    while (tooMany - fits > 1) {
        const qsizetype middle = (fits + tooMany) / 2;
        if (cardNeed(composer, cut(middle)) <= room)
            fits = middle;
        else
            tooMany = middle;
    }
    return cut(fits);
}

} // namespace

std::optional<QString> cardText(const PrintedQuestion& question, CardSide side)
{
    if (side == CardSide::questions)
        return question.question;
    const QString* answers[4] = {&question.a, &question.b, &question.c, &question.d};
    for (int i = 0; i < 4; ++i) {
        if (question.answer == QChar(u'A' + i))
            return *answers[i];
    }
    return std::nullopt;
}

PackageResult composeFlashCards(print::Composer& composer, const std::vector<PrintedQuestion>& questions, CardSide side)
{
    if (questions.empty())
        return {emptySetRefusal(), {}};
    composer.startDocument();
    composer.setFooterText(QString());
    composer.setColumnCount(1);
    composer.setPageFrame(int(print::PageFrame::none));
    // The question side opens with a blank paragraph; the answer side does
    // not, and its cards stand where the questions stand all the same.
    if (side == CardSide::questions)
        composer.writeLine(QStringLiteral(" "));

    int slot = 0;
    for (const PrintedQuestion& question : questions) {
        if (const std::optional<QString> text = cardText(question, side)) {
            composer.setPositionY(cardTops[slot]);
            composer.writeLine(fittedCardText(composer, *text, cardBottom(composer, slot) - cardTops[slot]));
            composer.writeLine(QStringLiteral(" "));
        }
        // A full page ends here; the next page opens with its first card,
        // so a set of whole pages ends without a blank page.
        if (++slot == 4) {
            composer.breakPage();
            slot = 0;
        }
    }
    composer.endDocument();
    return {};
}

} // namespace printing
