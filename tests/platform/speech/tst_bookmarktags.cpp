#include "platform/speech/BookmarkTags.h"
#include "platform/speech/PacedSpeech.h"

#include <QTest>

using speech::TaggedText;
using speech::TextSegment;

class BookmarkTagsTest : public QObject {
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void everyStretchEndsAtItsTag();
    void ssmlEscapesTheWordsAndEndsInTheMark_data();
    void ssmlEscapesTheWordsAndEndsInTheMark();
    void pacedMarksFallAtTheEndOfTheirWords_data();
    void pacedMarksFallAtTheEndOfTheirWords();
};

void BookmarkTagsTest::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QList<int>>("marks");

    QTest::newRow("tag at the end") << R"(Hello\mrk=5\)" << "Hello" << QList<int>{5};
    QTest::newRow("verdict") << R"(Correct. \mrk=5\)" << "Correct. " << QList<int>{5};
    QTest::newRow("no tag") << "That was the last question." << "That was the last question." << QList<int>{};
    QTest::newRow("several tags") << R"(A\mrk=1\B\mrk=2\C)" << "ABC" << QList<int>{1, 2};
    QTest::newRow("tag alone") << R"(\mrk=1\)" << "" << QList<int>{1};
    QTest::newRow("any letter case") << R"(D. x \MRK=3\)" << "D. x " << QList<int>{3};
    QTest::newRow("number out of the six") << R"(x\mrk=42\)" << "x" << QList<int>{42};
    QTest::newRow("not a number") << R"(x\mrk=a\)" << R"(x\mrk=a\)" << QList<int>{};
    QTest::newRow("no closing backslash") << R"(x\mrk=4)" << R"(x\mrk=4)" << QList<int>{};
    QTest::newRow("beyond 32 bits") << R"(x\mrk=99999999999\)" << R"(x\mrk=99999999999\)" << QList<int>{};
    QTest::newRow("empty") << "" << "" << QList<int>{};
}

void BookmarkTagsTest::parse()
{
    QFETCH(QString, text);
    QFETCH(QString, plain);
    QFETCH(QList<int>, marks);
    const TaggedText tagged = speech::parseBookmarkTags(text);
    QCOMPARE(tagged.plainText, plain);
    QCOMPARE(tagged.marks(), marks);
}

void BookmarkTagsTest::everyStretchEndsAtItsTag()
{
    const TaggedText tagged = speech::parseBookmarkTags(R"(One. \mrk=1\Two.\mrk=2\ three)");
    const QList<TextSegment> expected{{"One. ", 1}, {"Two.", 2}, {" three", std::nullopt}};
    QCOMPARE(tagged.segments, expected);
}

void BookmarkTagsTest::ssmlEscapesTheWordsAndEndsInTheMark_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("ssml");
    QTest::newRow("mark") << R"(Correct. \mrk=5\)" << R"(<speak>Correct. <mark name="5"/></speak>)";
    QTest::newRow("markup in the words") << R"(Q & A <b>\mrk=1\)"
                                         << R"(<speak>Q &amp; A &lt;b&gt;<mark name="1"/></speak>)";
    QTest::newRow("no mark") << "Incorrect" << "<speak>Incorrect</speak>";
}

void BookmarkTagsTest::ssmlEscapesTheWordsAndEndsInTheMark()
{
    QFETCH(QString, text);
    QFETCH(QString, ssml);
    const TaggedText tagged = speech::parseBookmarkTags(text);
    QCOMPARE(tagged.segments.size(), 1);
    QCOMPARE(speech::toSsml(tagged.segments.first()), ssml);
}

void BookmarkTagsTest::pacedMarksFallAtTheEndOfTheirWords_data()
{
    QTest::addColumn<int>("wordsPerMinute");
    QTest::addColumn<QList<int>>("markTimes");
    QTest::addColumn<int>("duration");
    // 60 words a minute: a second a word.
    QTest::newRow("speaking pace") << 60 << QList<int>{2000, 3000, 3000} << 5000;
    QTest::newRow("instant") << 0 << QList<int>{0, 0, 0} << 0;
}

void BookmarkTagsTest::pacedMarksFallAtTheEndOfTheirWords()
{
    QFETCH(int, wordsPerMinute);
    QFETCH(QList<int>, markTimes);
    QFETCH(int, duration);
    const auto tagged = speech::parseBookmarkTags(R"(A. first\mrk=1\ second,\mrk=2\ \mrk=3\ and 4.)");
    const speech::Utterance paced = speech::pacedUtterance(tagged, wordsPerMinute);
    QList<int> times;
    QList<int> numbers;
    for (const speech::TimedMark& mark : paced.marks) {
        times.append(mark.atMs);
        numbers.append(mark.number);
    }
    QCOMPARE(numbers, (QList<int>{1, 2, 3}));
    QCOMPARE(times, markTimes);
    QCOMPARE(paced.durationMs, duration);
}

QTEST_APPLESS_MAIN(BookmarkTagsTest)
#include "tst_bookmarktags.moc"
