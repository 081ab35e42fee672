#include "questionwindow/ReadingScripts.h"

#include <QtTest>

using namespace questionwindow;

namespace {
const RecordCopies pump{QStringLiteral("What drives the pump?"), QStringLiteral("Gravity"), QStringLiteral("Diesel"),
                        QStringLiteral("Hope"), QStringLiteral("All the above.")};
} // namespace

Q_DECLARE_METATYPE(questionwindow::Reading)

// What the character is asked to say for each kind of reading, and where it
// stands: the tags at the ends of the texts drive every reading chain.
class tst_ReadingScripts : public QObject {
    Q_OBJECT

private slots:
    void readButton_data()
    {
        QTest::addColumn<bool>("flashCard");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("question and answers, tag 2 last")
            << false
            << QStringList{"What drives the pump? ", "A. Gravity ", "B. Diesel ", "C. Hope ",
                           "D. All the above. \\mrk=2\\"};
        QTest::newRow("flash card: the question alone")
            << true << QStringList{"What drives the pump? \\mrk=2\\"};
    }
    void readButton()
    {
        QFETCH(bool, flashCard);
        QFETCH(QStringList, expected);
        QCOMPARE(readButtonRequests(pump, flashCard), expected);
    }

    void presentation_data()
    {
        QTest::addColumn<QString>("letter");
        QTest::addColumn<bool>("flashCard");
        QTest::addColumn<bool>("last");
        QTest::addColumn<QStringList>("expected");
        const QStringList read{"What drives the pump? ", "A. Gravity ", "B. Diesel ", "C. Hope ",
                               "D. All the above. "};
        QTest::newRow("middle record: tag 1 alone closes")
            << "B" << false << false << read + QStringList{" The correct answer is B.", "Diesel", "\\mrk=1\\"};
        QTest::newRow("last record: closing words and tag 6")
            << "D" << false << true
            << read + QStringList{" The correct answer is D.", "All the above.",
                                  "That was the last question.\\mrk=6\\"};
        QTest::newRow("flash card: no answers, no letter")
            << "A" << true << false << QStringList{"What drives the pump? ", ".", "Gravity", "\\mrk=1\\"};
        QTest::newRow("flash card on the last record")
            << "C" << true << true
            << QStringList{"What drives the pump? ", ".", "Hope", "That was the last question.\\mrk=6\\"};
        // A record without a valid letter still closes, so the run goes on.
        QTest::newRow("no correct letter: no answer text")
            << "E" << false << false << read + QStringList{" The correct answer is E.", "\\mrk=1\\"};
        QTest::newRow("lower-case letter is no letter")
            << "a" << true << false << QStringList{"What drives the pump? ", ".", "\\mrk=1\\"};
    }
    void presentation()
    {
        QFETCH(QString, letter);
        QFETCH(bool, flashCard);
        QFETCH(bool, last);
        QFETCH(QStringList, expected);
        QCOMPARE(presentationRequests(pump, letter, flashCard, last), expected);
    }

    void readAloudAndPause_data()
    {
        QTest::addColumn<QString>("letter");
        QTest::addColumn<QStringList>("pause");
        QTest::newRow("A") << "A" << QStringList{" The correct answer is A.", "Gravity\\mrk=4\\"};
        QTest::newRow("D") << "D" << QStringList{" The correct answer is D.", "All the above.\\mrk=4\\"};
        // Without tag 4 the cycle ends after this record.
        QTest::newRow("no letter") << "" << QStringList{" The correct answer is ."};
        QTest::newRow("not a letter") << "X" << QStringList{" The correct answer is X."};
    }
    void readAloudAndPause()
    {
        QFETCH(QString, letter);
        QFETCH(QStringList, pause);
        // The same reading whatever the letter; the flash-card mode has no variant.
        QCOMPARE(readAloudRequests(pump),
                 (QStringList{"What drives the pump? ", "A.         Gravity ", "B.          Diesel ",
                              "C.         Hope ", "D.       All the above. \\mrk=3\\"}));
        QCOMPARE(answerPauseRequests(pump, letter), pause);
    }

    void positions_data()
    {
        QTest::addColumn<Reading>("reading");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<bool>("moves");
        QTest::addColumn<QPoint>("place");
        QTest::newRow("read button, 1024") << Reading::ReadButton << " 1024 x 768" << true << QPoint(690, 410);
        QTest::newRow("read button, 800") << Reading::ReadButton << " 800 x 600" << true << QPoint(500, 300);
        QTest::newRow("presentation, 1024") << Reading::Presentation << " 1024 x 768" << true << QPoint(535, 410);
        QTest::newRow("presentation, 800") << Reading::Presentation << " 800 x 600" << true << QPoint(500, 300);
        QTest::newRow("read button, 1280") << Reading::ReadButton << " 1280 x 1024" << false << QPoint();
        QTest::newRow("presentation, unset") << Reading::Presentation << "txtRes" << false << QPoint();
        QTest::newRow("without the leading blank") << Reading::ReadButton << "1024 x 768" << false << QPoint();
    }
    void positions()
    {
        QFETCH(Reading, reading);
        QFETCH(QString, screen);
        QFETCH(bool, moves);
        QFETCH(QPoint, place);
        const std::optional<QPoint> position = readingPosition(reading, screen);
        QCOMPARE(position.has_value(), moves);
        if (moves)
            QCOMPARE(*position, place);
    }

    void pauseInterval_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<int>("milliseconds");
        QTest::newRow("slider's least") << 1 << 1000;
        QTest::newRow("slider's start") << 6 << 6000;
        QTest::newRow("slider's most") << 15 << 15000;
        QTest::newRow("beyond 32 bits stays in range") << 3000000 << 2147483000;
    }
    void pauseInterval()
    {
        QFETCH(int, seconds);
        QFETCH(int, milliseconds);
        QCOMPARE(answerPauseInterval(seconds), milliseconds);
    }
};

QTEST_GUILESS_MAIN(tst_ReadingScripts)
#include "tst_readingscripts.moc"
