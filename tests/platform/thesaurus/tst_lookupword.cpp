#include "platform/thesaurus/LookupWord.h"

#include <QtTest>

using thesaurus::WordSpan;

// How a selection becomes the key the thesaurus files hold, and how a
// synonym goes back into the selection's place.
class tst_LookupWord : public QObject {
    Q_OBJECT

private slots:
    void keysOfASelection_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("keys"); // best first
        QTest::newRow("plain") << "happy" << QStringList{"happy"};
        QTest::newRow("capital") << "Happy" << QStringList{"happy"};
        QTest::newRow("capitals") << "HAPPY" << QStringList{"happy"};
        QTest::newRow("blanks and a full stop") << "  happy. " << QStringList{"happy"};
        QTest::newRow("in double quotes") << "\"happy\"," << QStringList{"happy"};
        QTest::newRow("in single quotes") << "'happy'" << QStringList{"'happy'", "happy"};
        QTest::newRow("leading apostrophe") << "'tween decks" << QStringList{"'tween decks", "tween decks"};
        QTest::newRow("typographic apostrophes")
            << QStringLiteral("Rock \u2018n\u2019 Roll") << QStringList{"rock 'n' roll"};
        QTest::newRow("hyphenated") << "(well-being)" << QStringList{"well-being"};
        QTest::newRow("letters beyond ASCII") << QStringLiteral("CAF\u00c9") << QStringList{QStringLiteral("caf\u00e9")};
        QTest::newRow("empty") << "" << QStringList{};
        QTest::newRow("blanks only") << "   " << QStringList{};
        QTest::newRow("marks only") << "'-'" << QStringList{};
    }
    void keysOfASelection()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, keys);
        QStringList found;
        for (const WordSpan& span : thesaurus::wordSpans(text))
            found.append(thesaurus::lookupKey(QStringView(text).mid(span.start, span.length)));
        QCOMPARE(found, keys);
    }

    void synonymWithoutItsNote_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("word");
        QTest::newRow("plain") << "glad" << "glad";
        QTest::newRow("similar term") << "blissful (similar term)" << "blissful";
        QTest::newRow("antonym") << "unhappy (antonym)" << "unhappy";
        QTest::newRow("several words") << "urban center (generic term)" << "urban center";
        QTest::newRow("part of speech alone") << "(adj)" << "(adj)";
        QTest::newRow("definition") << "(adj) blessed (similar term)" << "(adj) blessed";
    }
    void synonymWithoutItsNote()
    {
        QFETCH(QString, entry);
        QFETCH(QString, word);
        QCOMPARE(thesaurus::plainSynonym(entry), word);
    }

    void synonymTakesTheSelectionsPlace_data()
    {
        QTest::addColumn<QString>("lookedUp");
        QTest::addColumn<QString>("synonym");
        QTest::addColumn<QString>("fitted");
        QTest::newRow("plain") << "happy" << "glad" << "glad";
        QTest::newRow("capital") << "Happy" << "glad" << "Glad";
        QTest::newRow("capitals") << "HAPPY" << "glad" << "GLAD";
        QTest::newRow("one capital letter") << "I" << "me" << "Me";
        QTest::newRow("blank and mark kept") << "happy, " << "glad" << "glad, ";
        QTest::newRow("quotes kept") << "\"Happy\"" << "felicitous" << "\"Felicitous\"";
        QTest::newRow("name kept as written") << "hague" << "The Hague" << "The Hague";
    }
    void synonymTakesTheSelectionsPlace()
    {
        QFETCH(QString, lookedUp);
        QFETCH(QString, synonym);
        QFETCH(QString, fitted);
        const QList<WordSpan> spans = thesaurus::wordSpans(lookedUp);
        QVERIFY(!spans.isEmpty());
        QCOMPARE(thesaurus::fitToLookedUp(lookedUp, spans.first(), synonym), fitted);
    }
};

QTEST_GUILESS_MAIN(tst_LookupWord)
#include "tst_lookupword.moc"
