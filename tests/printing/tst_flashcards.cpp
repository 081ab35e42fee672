#include "../platform/print/Poppler.h"

#include "platform/print/Composer.h"
#include "platform/print/PrintControl.h"
#include "printing/FlashCards.h"

#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

using namespace printing;

Q_DECLARE_METATYPE(printing::CardSide)

namespace {

// Question n reads "Question n", its answers "Answer An" to "Answer Dn".
std::vector<PrintedQuestion> questionsWith(const QStringList& letters)
{
    std::vector<PrintedQuestion> questions;
    for (int i = 0; i < letters.size(); ++i) {
        const QString n = QString::number(i + 1);
        PrintedQuestion q;
        q.id = i + 1;
        q.question = QStringLiteral("Question ") + n;
        q.a = QStringLiteral("Answer A") + n;
        q.b = QStringLiteral("Answer B") + n;
        q.c = QStringLiteral("Answer C") + n;
        q.d = QStringLiteral("Answer D") + n;
        q.answer = letters[i];
        questions.push_back(q);
    }
    return questions;
}

std::vector<PrintedQuestion> questionsOf(int count) { return questionsWith(QStringList(count, QStringLiteral("C"))); }

// Where a text stands: its page and the top of its first line; page -1 when
// it is nowhere.
struct Place {
    int page = -1;
    int top = 0;
};

Place placeOf(const print::Document& document, const QString& text)
{
    for (int p = 0; p < int(document.pages.size()); ++p) {
        for (const print::TextRun& run : document.pages[p].runs) {
            if (run.text.startsWith(text))
                return {p, run.top};
        }
    }
    return {};
}

// The runs of a page, top to bottom, as text.
QStringList runsOf(const print::Page& page)
{
    QStringList texts;
    for (const print::TextRun& run : page.runs)
        texts << run.text;
    return texts;
}

} // namespace

// The flash cards: four to a page at fixed places, the questions on side one
// and the correct answers on side two.
class tst_FlashCards : public QObject {
    Q_OBJECT

private slots:
    // Card n stands on page (n-1)/4 in place (n-1)%4; a set of whole pages
    // ends without a blank page.
    void cardsStandInFourPlacesAPage_data()
    {
        QTest::addColumn<CardSide>("side");
        QTest::addColumn<int>("cards");
        QTest::addColumn<int>("pages");
        for (const auto& [side, name] : {std::pair{CardSide::questions, "questions"}, {CardSide::answers, "answers"}}) {
            for (const auto& [cards, pages] : {std::pair{1, 1}, {4, 1}, {5, 2}, {8, 2}, {9, 3}})
                QTest::addRow("%s, %d cards", name, cards) << side << cards << pages;
        }
    }
    void cardsStandInFourPlacesAPage()
    {
        QFETCH(CardSide, side);
        QFETCH(int, cards);
        QFETCH(int, pages);
        print::Composer composer;
        const std::vector<PrintedQuestion> questions = questionsOf(cards);
        QVERIFY(composeFlashCards(composer, questions, side).composed());
        const print::Document& document = composer.document();
        QCOMPARE(int(document.pages.size()), pages);
        for (int i = 0; i < cards; ++i) {
            const QString text = side == CardSide::questions ? questions[i].question : questions[i].c;
            const Place place = placeOf(document, text);
            QCOMPARE(place.page, i / 4);
            QCOMPARE(place.top, cardTops[i % 4]);
        }
        for (const print::Page& page : document.pages) {
            QCOMPARE(page.footer, QString());
            QCOMPARE(page.frame, print::PageFrame::none);
        }
    }

    // Side one opens with a paragraph holding a single blank, side two not;
    // each card is followed by a blank paragraph.
    void firstParagraph()
    {
        print::Composer composer;
        composeFlashCards(composer, questionsOf(2), CardSide::questions);
        const QStringList first = runsOf(composer.document().pages.at(0));
        QCOMPARE(first, (QStringList{" ", "Question 1", " ", "Question 2", " "}));

        composeFlashCards(composer, questionsOf(2), CardSide::answers);
        QCOMPARE(runsOf(composer.document().pages.at(0)), (QStringList{"Answer C1", " ", "Answer C2", " "}));
    }

    // Side two shows the answer the correct letter names; a letter that is
    // not a whole upper-case "A" to "D" leaves its place empty and the next
    // card takes the next place.
    void answerSideFollowsTheCorrectLetter()
    {
        print::Composer composer;
        const std::vector<PrintedQuestion> questions =
            questionsWith({"A", "b", "D", "", "B", "E", "C"});
        QVERIFY(composeFlashCards(composer, questions, CardSide::answers).composed());
        const print::Document& document = composer.document();
        QCOMPARE(int(document.pages.size()), 2);
        const struct {
            const char* text;
            int page;
            int place;
        } expected[] = {{"Answer A1", 0, 0}, {"Answer D3", 0, 2}, {"Answer B5", 1, 0}, {"Answer C7", 1, 2}};
        for (const auto& card : expected) {
            const Place place = placeOf(document, QString::fromLatin1(card.text));
            QCOMPARE(place.page, card.page);
            QCOMPARE(place.top, cardTops[card.place]);
        }
        for (const char* absent : {"Answer B2", "Answer A4", "Answer E6"})
            QCOMPARE(placeOf(document, QString::fromLatin1(absent)).page, -1);
        QCOMPARE(runsOf(document.pages.at(1)), (QStringList{"Answer B5", " ", "Answer C7", " "}));
    }

    // A card too long for its place is cut at a word and marked, so it
    // never runs into the next card nor pushes the cards after it on.
    void longCardsStayInTheirPlace_data()
    {
        QTest::addColumn<int>("longCard");
        QTest::newRow("first place") << 0;
        QTest::newRow("last place, above the bottom margin") << 3;
    }
    void longCardsStayInTheirPlace()
    {
        QFETCH(int, longCard);
        std::vector<PrintedQuestion> questions = questionsOf(5);
        QStringList words;
        for (int i = 0; i < 600; ++i)
            words << QStringLiteral("word%1").arg(i);
        questions[longCard].question = words.join(QLatin1Char(' '));

        print::Composer composer;
        composeFlashCards(composer, questions, CardSide::questions);
        const print::Document& document = composer.document();
        QCOMPARE(int(document.pages.size()), 2);
        QCOMPARE(placeOf(document, QStringLiteral("Question 5")).top, cardTops[0]);
        QCOMPARE(placeOf(document, QStringLiteral("Question 5")).page, 1);
        const int top = cardTops[longCard];
        const int bottom = longCard < 3 ? cardTops[longCard + 1] : composer.layout().textBottom();
        QString printed;
        for (const print::TextRun& run : document.pages[0].runs) {
            // The blank paragraph that opens side one lies behind the first card.
            if (run.text == QStringLiteral(" "))
                continue;
            if (run.top >= top && run.top < bottom) {
                QVERIFY(run.top + run.height <= bottom);
                printed += run.text;
            }
        }
        QVERIFY2(printed.startsWith(QStringLiteral("word0 word1")), qPrintable(printed.left(40)));
        QVERIFY(printed.contains(QStringLiteral("...")));
        QVERIFY(!printed.contains(QStringLiteral("word599")));
    }

    // An empty set prints nothing and leaves the document as it was.
    void emptySetIsRefused()
    {
        print::Composer composer;
        composeFlashCards(composer, questionsOf(3), CardSide::questions);
        const print::Document before = composer.document();
        const PackageResult result = composeFlashCards(composer, {}, CardSide::answers);
        QVERIFY(!result.composed());
        QCOMPARE(result.refusal, emptySetRefusal());
        QVERIFY(composer.document() == before);
    }

    // Nine cards print as three pages, both sides, with the card texts.
    void printsToPdf_data()
    {
        QTest::addColumn<CardSide>("side");
        QTest::newRow("questions") << CardSide::questions;
        QTest::newRow("answers") << CardSide::answers;
    }
    void printsToPdf()
    {
        QFETCH(CardSide, side);
        print::PrintControl control;
        const std::vector<PrintedQuestion> questions = questionsOf(9);
        composeFlashCards(control, questions, side);

        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("cards.pdf")));
        print::printDocument(control.document(), printer);
        QCOMPARE(printtest::pdfPages(printer.outputFileName()), 3);
        const QString text = printtest::pdfText(printer.outputFileName());
        const QStringList pages = text.split(QLatin1Char('\f'));
        for (int i = 0; i < 9; ++i) {
            const QString card = side == CardSide::questions ? questions[i].question : questions[i].c;
            QVERIFY2(pages.value(i / 4).contains(card), qPrintable(card));
        }
        QVERIFY(!text.contains(side == CardSide::questions ? QStringLiteral("Answer") : QStringLiteral("Question")));
    }
};

QTEST_MAIN(tst_FlashCards)
#include "tst_flashcards.moc"
