#include "editing/EditKeys.h"
#include "editing/NewRecordNumbers.h"

#include <QtTest>

#include <optional>

using OptionalNumber = std::optional<qint64>;
Q_DECLARE_METATYPE(OptionalNumber)

// The rules of new question numbers and of the keys the edit boxes change,
// without a window.
class tst_EditRules : public QObject {
    Q_OBJECT

private slots:
    void databaseNumberFollowsTheLargest_data()
    {
        QTest::addColumn<OptionalNumber>("largest");
        QTest::addColumn<OptionalNumber>("next");
        QTest::newRow("bank without numbers") << OptionalNumber() << OptionalNumber(1);
        QTest::newRow("zero") << OptionalNumber(0) << OptionalNumber(1);
        QTest::newRow("only negative numbers") << OptionalNumber(-5) << OptionalNumber(1);
        QTest::newRow("ordinary") << OptionalNumber(1742) << OptionalNumber(1743);
        QTest::newRow("one below the largest 32-bit number")
            << OptionalNumber(2147483646) << OptionalNumber(2147483647);
        QTest::newRow("the largest 32-bit number: none left") << OptionalNumber(2147483647) << OptionalNumber();
        QTest::newRow("beyond 32 bits") << OptionalNumber(5000000000) << OptionalNumber();
    }
    void databaseNumberFollowsTheLargest()
    {
        QFETCH(OptionalNumber, largest);
        QFETCH(OptionalNumber, next);
        QCOMPARE(editing::nextDatabaseNumber(largest), next);
    }

    void questionNumberIsReadAsAWholeNumber_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<OptionalNumber>("value");
        QTest::newRow("7") << "7" << OptionalNumber(7);
        QTest::newRow("blanks around") << " 7 " << OptionalNumber(7);
        QTest::newRow("leading zero") << "07" << OptionalNumber(7);
        QTest::newRow("empty") << "" << OptionalNumber();
        QTest::newRow("letters after digits") << "12a" << OptionalNumber();
        QTest::newRow("fraction") << "1.5" << OptionalNumber();
        QTest::newRow("words") << "seven" << OptionalNumber();
    }
    void questionNumberIsReadAsAWholeNumber()
    {
        QFETCH(QString, stored);
        QFETCH(OptionalNumber, value);
        QCOMPARE(editing::questionNumberValue(stored), value);
    }

    void nextQuestionNumber()
    {
        QCOMPARE(editing::nextQuestionNumber(OptionalNumber(7)), QStringLiteral("8"));
        QCOMPARE(editing::nextQuestionNumber(OptionalNumber()), QStringLiteral("1"));
    }

    // key typed, box text before it, and what the three rules make of it.
    void typedKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("boxText");
        QTest::addColumn<int>("firstLetter");
        QTest::addColumn<int>("upper");
        QTest::addColumn<int>("answer");
        QTest::newRow("a into an empty box") << int('a') << "" << int('A') << int('A') << 0;
        QTest::newRow("a after text") << int('a') << "Th" << int('a') << int('A') << 0;
        QTest::newRow("d") << int('d') << "" << int('D') << int('D') << 3;
        QTest::newRow("capital C") << int('C') << "x" << int('C') << int('C') << 2;
        QTest::newRow("e is no answer") << int('e') << "" << int('E') << int('E') << -1;
        QTest::newRow("x into an empty box") << int('x') << "" << int('X') << int('X') << -1;
        QTest::newRow("digit") << int('7') << "" << int('7') << int('7') << -1;
        QTest::newRow("blank") << int(' ') << "" << int(' ') << int(' ') << -1;
        QTest::newRow("Enter") << editing::enterKey << "" << editing::enterKey << editing::enterKey << -1;
        QTest::newRow("Backspace") << 8 << "" << 8 << 8 << -1;
        QTest::newRow("e acute") << 0xE9 << "" << 0xC9 << 0xC9 << -1;
    }
    void typedKeys()
    {
        QFETCH(int, key);
        QFETCH(QString, boxText);
        QFETCH(int, firstLetter);
        QFETCH(int, upper);
        QFETCH(int, answer);
        QCOMPARE(editing::firstLetterKey(boxText, key), firstLetter);
        QCOMPARE(editing::upperCaseKey(key), upper);
        QCOMPARE(editing::answerIndexOfKey(key), answer);
    }
};

QTEST_GUILESS_MAIN(tst_EditRules)
#include "tst_editrules.moc"
