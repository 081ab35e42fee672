// Which characters a field of the date takes at each place, and which field
// holds the caret as it moves through the text.
#include "controls/dateinput/DateEngine.h"
#include "EngineFixture.h"

#include <QtTest>

using namespace dateinput;
using enginetest::readable;
using enginetest::TestEngine;

class tst_DateTyping : public QObject {
    Q_OBJECT

private slots:
    void caretField_data();
    void caretField();
    void acceptFieldChar_data();
    void acceptFieldChar();
    void skipToFieldPassesLiterals();
    void aTextShorterThanItsFieldsTakesNoTyping();
};

void tst_DateTyping::caretField_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("offset");

    QTest::newRow("start of the month") << int(formatNormal) << "04/17/2001" << 0 << 0 << 0;
    QTest::newRow("inside the month") << int(formatNormal) << "04/17/2001" << 1 << 0 << 1;
    QTest::newRow("end of the month belongs to the day") << int(formatNormal) << "04/17/2001" << 2 << 1 << 0;
    QTest::newRow("on the second separator") << int(formatNormal) << "04/17/2001" << 5 << 2 << 0;
    QTest::newRow("end of the text stays in the year") << int(formatNormal) << "04/17/2001" << 10 << 2 << 4;
    QTest::newRow("after a one-digit month") << int(formatGeneral) << "5/7/01" << 1 << 0 << 1;
    QTest::newRow("the end of a one-digit day") << int(formatVerbose) << "June 5, 2001" << 6 << 1 << 1;
    QTest::newRow("a literal before a field") << int(formatVerbose) << "June 5, 2001" << 7 << 2 << -1;
}

void tst_DateTyping::caretField()
{
    QFETCH(int, format);
    QFETCH(QString, shown);
    QFETCH(int, caret);
    QFETCH(int, field);
    QFETCH(int, offset);

    TestEngine t(format);
    t.show(shown.toStdString());
    QCOMPARE(readable(t.engine.text), shown);
    t.engine.caretPosition = caret;
    t.engine.FindCaretField();
    QCOMPARE(t.engine.currentField, field);
    QCOMPARE(t.engine.caretOffset, offset);
}

void tst_DateTyping::acceptFieldChar_data()
{
    QTest::addColumn<QString>("pattern"); // sShortDate, for format 4
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<bool>("digitStarted");
    QTest::addColumn<int>("repair");
    QTest::addColumn<QString>("after"); // the text after the call ("" when unchanged)

    const QString mdy = QStringLiteral("MM/dd/yyyy");
    // Month, two digits.
    QTest::newRow("MM: 1 starts the month") << mdy << "04/17/2001" << 0 << "1" << true << true << -1 << "";
    QTest::newRow("MM: 3 cannot start it") << mdy << "04/17/2001" << 0 << "3" << false << false << -1 << "";
    QTest::newRow("MM: 2 after 1") << mdy << "14/17/2001" << 1 << "2" << true << false << 1 << "";
    QTest::newRow("MM: 3 after 1") << mdy << "14/17/2001" << 1 << "3" << false << false << -1 << "";
    QTest::newRow("MM: 9 after 0") << mdy << "04/17/2001" << 1 << "9" << true << false << 1 << "";
    QTest::newRow("MM: 0 after 0") << mdy << "04/17/2001" << 1 << "0" << false << false << -1 << "";
    QTest::newRow("MM: a letter") << mdy << "04/17/2001" << 0 << "a" << false << false << -1 << "";
    // Month, one or two digits: a digit above 1 is the whole month.
    QTest::newRow("M: 5 replaces a two-digit month")
        << "M/d/yy" << "12/17/01" << 0 << "5" << true << false << 1 << "1/17/01";
    QTest::newRow("M: 1 waits for the next") << "M/d/yy" << "5/17/01" << 0 << "1" << true << true << -1 << "";
    QTest::newRow("M: 2 after 1") << "M/d/yy" << "1/17/01" << 1 << "2" << true << false << 1 << "";
    // Day: the highest day the month allows.
    QTest::newRow("dd: 3 starts a day of May") << mdy << "05/17/2001" << 3 << "3" << true << true << -1 << "";
    QTest::newRow("dd: 4 cannot start a day") << mdy << "05/17/2001" << 3 << "4" << false << false << -1 << "";
    QTest::newRow("dd: 1 after 3 in May") << mdy << "05/30/2001" << 4 << "1" << true << false << -1 << "";
    QTest::newRow("dd: 1 after 3 in April") << mdy << "04/30/2001" << 4 << "1" << false << false << -1 << "";
    QTest::newRow("dd: 9 after 2 in February, year after the day")
        << mdy << "02/20/2001" << 4 << "9" << true << false << 2 << "";
    QTest::newRow("dd: 3 in February, year after the day")
        << mdy << "02/10/2001" << 3 << "3" << false << false << 2 << "";
    QTest::newRow("dd: 9 after 2 in February of a common year, year first")
        << "yyyy/MM/dd" << "2001/02/20" << 9 << "9" << false << false << -1 << "";
    QTest::newRow("dd: 8 after 2 in February of a common year, year first")
        << "yyyy/MM/dd" << "2001/02/20" << 9 << "8" << true << false << -1 << "";
    QTest::newRow("dd: 9 after 2 in February of a leap year, year first")
        << "yyyy/MM/dd" << "2000/02/20" << 9 << "9" << true << false << -1 << "";
    QTest::newRow("dd: the day before the month allows 31, the month is repaired")
        << "dd/MM/yyyy" << "10/04/2001" << 0 << "3" << true << true << 1 << "";
    QTest::newRow("d: 5 is the whole day") << "M/d/yy" << "4/17/01" << 2 << "5" << true << false << 1 << "4/1/01";
    // Years take any digit; the last one repairs the field after it.
    QTest::newRow("yyyy: first digit") << mdy << "04/17/2001" << 6 << "1" << true << true << -1 << "";
    QTest::newRow("yyyy: last digit repairs nothing after it")
        << mdy << "04/17/2001" << 9 << "7" << true << false << -1 << "";
    QTest::newRow("yyyy: last digit repairs the day after it")
        << "yyyy/MM/dd" << "2001/02/20" << 3 << "4" << true << false << 2 << "";
    QTest::newRow("yyyy: a letter") << mdy << "04/17/2001" << 9 << "x" << false << false << -1 << "";
    QTest::newRow("yy: second digit") << "M/d/yy" << "4/17/01" << 6 << "5" << true << false << -1 << "";
    // Month names: the first name that begins with what is typed.
    QTest::newRow("MMMM: j becomes January")
        << "MMMM' 'd', 'yyyy" << "June 5, 2001" << 0 << "j" << true << false << 1 << "January 5, 2001";
    QTest::newRow("MMMM: Ju is June") << "MMMM' 'd', 'yyyy" << "January 5, 2001" << 1 << "u" << true << false << 1
                                      << "June 5, 2001";
    QTest::newRow("MMMM: Ju after the 31st is July")
        << "d' 'MMMM' 'yyyy" << "31 January 2001" << 4 << "u" << true << false << 2 << "31 July 2001";
    QTest::newRow("MMMM: no month begins so") << "MMMM' 'd', 'yyyy" << "June 5, 2001" << 0 << "x" << false << false << 1
                                              << "";
    QTest::newRow("MMM: Mar") << "dd'-'MMM'-'yyyy" << "05-May-2001" << 5 << "r" << true << false << 2 << "05-Mar-2001";
    // Weekdays cannot be typed into.
    QTest::newRow("dddd") << "dddd' 'MM/dd/yyyy" << "Tuesday 04/17/2001" << 0 << "1" << false << false << -1 << "";
}

void tst_DateTyping::acceptFieldChar()
{
    QFETCH(QString, pattern);
    QFETCH(QString, shown);
    QFETCH(int, caret);
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    QFETCH(bool, digitStarted);
    QFETCH(int, repair);
    QFETCH(QString, after);

    TestEngine t(formatGeneral);
    t.intl["sShortDate"] = pattern.toStdString();
    // The text as typing leaves it, which need not be a date yet.
    t.show(shown.toStdString());
    t.engine.text = shown.toStdString();
    t.engine.caretPosition = caret;
    t.engine.FindCaretField();
    char c = typed.toLatin1().at(0);
    QCOMPARE(t.engine.AcceptFieldChar(c), accepted);
    QCOMPARE(t.engine.digitStarted, digitStarted);
    if (accepted)
        QCOMPARE(t.engine.fieldToRepair, repair);
    QCOMPARE(readable(t.engine.text), after.isEmpty() ? shown : after);
}

void tst_DateTyping::skipToFieldPassesLiterals()
{
    TestEngine t(formatVerbose);
    t.show("June 5, 2001");
    t.engine.caretPosition = 6; // the comma after the day
    t.engine.SkipToField(+1);
    QCOMPARE(t.engine.caretPosition, 8);
    t.engine.caretPosition = 7;
    t.engine.SkipToField(-1);
    QCOMPARE(t.engine.caretPosition, 5);
    t.engine.caretPosition = 12;
    t.engine.SkipToField(+1);
    QCOMPARE(t.engine.caretPosition, 12);
}

// Undo puts back a text of an earlier format without reading it again, so
// the field table can reach past the text: a month name far along the
// pattern starts beyond it.
void tst_DateTyping::aTextShorterThanItsFieldsTakesNoTyping()
{
    TestEngine t(formatGeneral);
    t.intl["sShortDate"] = "'Date of the exam: 'MMMM d yy";
    t.show("Date of the exam: April 17 01");
    t.engine.text = "04/17/2001";
    t.engine.caretPosition = 10;
    t.engine.FindCaretField();
    char c = 'J';
    QVERIFY(!t.engine.AcceptFieldChar(c));
    QCOMPARE(readable(t.engine.text), "04/17/2001");
}

QTEST_GUILESS_MAIN(tst_DateTyping)
#include "tst_datetyping.moc"
