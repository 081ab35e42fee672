#pragma once

#include "printing/TestPackage.h"

#include <optional>
#include <vector>

namespace print {
class Composer;
}

namespace printing {

// Side one of the cards carries the questions, side two the text of the
// correct answers, each card in the same place on its side, so the two
// sides can be printed back to back.
enum class CardSide { questions, answers };

// Where the four cards of a page stand, from the page's top, and how tall a
// card may be.
inline constexpr int cardTops[4] = {1000, 4800, 8800, 12800};
inline constexpr int cardHeight = 4000;

// The text a card of this side carries; none when a side-two card has no
// answer to show (the correct letter is none of "A" to "D", compared whole
// and case-sensitively): its place on the page stays empty.
std::optional<QString> cardText(const PrintedQuestion& question, CardSide side);

// Composes the cards of the set as a document of its own, four to a page
// in one column without border or footer; the header and fonts are those
// the composer has. An empty set is refused and the document left as it was.
PackageResult composeFlashCards(print::Composer& composer, const std::vector<PrintedQuestion>& questions,
                                CardSide side);

// The question window's set printed as cards and shown in the preview; an
// empty set is refused with a notice.
void printFlashCards(CardSide side);

} // namespace printing
