#include "controls/dateinput/DateEngine.h"
#include "EngineFixture.h"

#include <QtTest>

using namespace dateinput;
using enginetest::fixedToday;
using enginetest::readable;
using enginetest::TestEngine;

Q_DECLARE_METATYPE(dateinput::DateBounds)

namespace {

DateBounds withYears(int minYear, int maxYear)
{
    DateBounds b;
    b.minYear = std::int16_t(minYear);
    b.maxYear = std::int16_t(maxYear);
    return b;
}

QString julianText(DateParts date) { return QString::number(DateToJulianDay(date)); }

} // namespace

class tst_DateParser : public QObject {
    Q_OBJECT

private slots:
    // What each mode makes of an invalid date, with the field the caret is in.
    void modes_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("given");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("text");
        const QString y2k = "01/01/2000";
        QTest::newRow("a valid date") << 0 << y2k << 0 << "04/17/2001" << 0 << 0 << "04/17/2001";
        QTest::newRow("plain: 30 February refused, Text kept") << 0 << y2k << 0 << "02/30/1999" << 0 << 380 << y2k;
        QTest::newRow("today: an invalid date becomes today") << 0 << y2k << 0 << "02/30/1999" << 1 << 0
                                                              << "06/15/2003";
        QTest::newRow("normalised: 30 February is 2 March") << 0 << y2k << 0 << "02/30/1999" << 3 << 0
                                                            << "03/02/1999";
        QTest::newRow("normalised: 31 April is 1 May") << 0 << y2k << 0 << "04/31/2001" << 3 << 0 << "05/01/2001";
        QTest::newRow("repair month: day 30 goes to April") << 0 << y2k << 0 << "02/30/1999" << 2 << 0
                                                            << "04/30/1999";
        QTest::newRow("repair month: day 31 goes to January") << 0 << y2k << 0 << "02/31/1999" << 2 << 0
                                                              << "01/31/1999";
        QTest::newRow("repair month: 29 February finds a leap year") << 0 << y2k << 0 << "02/29/1999" << 2 << 0
                                                                     << "02/29/1996";
        QTest::newRow("repair month: 13 becomes 12") << 0 << y2k << 0 << "13/10/2000" << 2 << 0 << "12/10/2000";
        QTest::newRow("repair day: the month's last day") << 0 << y2k << 1 << "02/30/1999" << 2 << 0
                                                          << "02/28/1999";
        QTest::newRow("repair year: back to a leap year") << 0 << y2k << 2 << "02/29/1999" << 2 << 0
                                                          << "02/29/1996";
        QTest::newRow("repair year: past 9999") << 0 << y2k << 2 << "12/10/12000" << 2 << 0 << "12/10/9999";
        QTest::newRow("repair year: 99999 is a large year, not a negative one")
            << 0 << y2k << 2 << "01/01/99999" << 2 << 0 << "01/01/9999";
        QTest::newRow("repair cannot mend a weekday") << 3 << "Saturday, January 1, 2000" << 0
                                                      << "Monday, February 30, 2000" << 2 << 380
                                                      << "Saturday, January 1, 2000";
    }
    void modes()
    {
        QFETCH(int, format);
        QFETCH(QString, shown);
        QFETCH(int, field);
        QFETCH(QString, given);
        QFETCH(int, mode);
        QFETCH(int, result);
        QFETCH(QString, text);
        TestEngine t(format);
        t.show(shown.toStdString());
        QCOMPARE(readable(t.engine.text), shown);
        t.engine.currentField = field;
        DateParts date;
        QCOMPARE(t.engine.ParseDateText(given.toStdString(), date, mode), result);
        QCOMPARE(readable(t.engine.text), text);
    }

    // The field to repair, when typing set one, wins over the caret's field.
    void fieldToRepair()
    {
        TestEngine t;
        t.show("01/01/2000");
        t.engine.currentField = 0;
        t.engine.fieldToRepair = 1;
        DateParts date;
        QCOMPARE(t.engine.ParseDateText("02/30/1999", date, parseRepair), dateAccepted);
        QCOMPARE(readable(t.engine.text), "02/28/1999");
        QCOMPARE(t.engine.currentYear(), std::int16_t(1999));
    }

    // A valid date is held to the bounds by the field being edited.
    void bounds_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<DateBounds>("bounds");
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("text");
        DateBounds top = withYears(0, 2010);
        top.maxMonth = 6;
        DateBounds topDay = top;
        topDay.maxDay = 15;
        DateBounds bottom = withYears(1990, 9999);
        bottom.minMonth = 3;
        bottom.minDay = 10;
        QTest::newRow("month: past the last year") << 0 << top << "09/15/2012" << "06/15/2010";
        QTest::newRow("month: the day kept within June") << 0 << top << "08/31/2012" << "06/30/2010";
        QTest::newRow("month: inside the bounds") << 0 << top << "09/15/2009" << "09/15/2009";
        QTest::newRow("year: before the first year") << 2 << bottom << "04/17/1980" << "04/17/1990";
        QTest::newRow("day: past the last day") << 1 << topDay << "06/20/2010" << "06/15/2010";
        QTest::newRow("day: before the first day") << 1 << bottom << "02/05/1985" << "03/10/1990";
    }
    void bounds()
    {
        QFETCH(int, field);
        QFETCH(DateBounds, bounds);
        QFETCH(QString, given);
        QFETCH(QString, text);
        TestEngine t;
        t.engine.bounds = bounds;
        t.engine.currentField = field;
        DateParts date;
        QCOMPARE(t.engine.ParseDateText(given.toStdString(), date, parsePlain), dateAccepted);
        QCOMPARE(readable(t.engine.text), text);
    }

    // A text with blank parts is completed from today unless blanks are
    // allowed; a day that typing left short is put right first.
    void completion_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("allowBlank");
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("text");
        QTest::newRow("blank month from today") << 0 << false << "  /15/2001" << "06/15/2001";
        QTest::newRow("blank day from today") << 0 << false << "04/  /2001" << "04/15/2001";
        QTest::newRow("blank year from today") << 0 << false << "04/17/    " << "04/17/2003";
        QTest::newRow("empty text is today") << 0 << false << "" << "06/15/2003";
        QTest::newRow("blanks allowed stay blank") << 0 << true << "04/  /2001" << "04/  /2001";
        QTest::newRow("empty text with blanks allowed") << 0 << true << "" << "  /  /    ";
        QTest::newRow("a month past 12 with a blank day") << 0 << true << "15/  /2001" << "12/  /2001";
        QTest::newRow("an empty day gets its zeros") << 0 << true << "04//2001" << "04/  /2001";
        QTest::newRow("an empty day completed") << 0 << false << "04//2001" << "04/15/2001";
        QTest::newRow("a day of one digit") << 0 << false << "04/5/2001" << "04/05/2001";
        QTest::newRow("a first day digit 3 waits for its second") << 0 << false << "04/3/2001" << "04/30/2001";
        QTest::newRow("short month and short day") << 0 << false << "4/5/2001" << "04/05/2001";
        QTest::newRow("a blank two-digit year is not completed") << 6 << false << "17-Apr-  " << "17-Apr-00";
        QTest::newRow("an unknown month name") << 6 << false << "17-Xyz-01" << "17-Jun-01";
    }
    void completion()
    {
        QFETCH(int, format);
        QFETCH(bool, allowBlank);
        QFETCH(QString, given);
        QFETCH(QString, text);
        TestEngine t(format);
        t.engine.allowBlank = allowBlank;
        DateParts date;
        QCOMPARE(t.engine.ParseDateText(given.toStdString(), date, parsePlain), dateAccepted);
        QCOMPARE(readable(t.engine.text), text);
    }

    // While a text from outside is tested, a blank part is reported instead.
    void incompleteFlag()
    {
        TestEngine t;
        t.show("01/01/2000");
        t.engine.incompleteFlag = true;
        DateParts date;
        QCOMPARE(t.engine.ParseDateText("04/  /2001", date, parsePlain), dateIncomplete);
        QCOMPARE(readable(t.engine.text), "01/01/2000");
        QCOMPARE(date, (DateParts{4, 0, 2001}));
    }

    // A short day repaired before a "/" keeps the rest of a longer pattern.
    void dayRepairKeepsTheRest()
    {
        TestEngine t(formatGeneral);
        t.intl["sShortDate"] = "dd/MMMM/yyyy";
        DateParts date;
        QCOMPARE(t.engine.ParseDateText("5/April/2001", date, parsePlain), dateAccepted);
        QCOMPARE(date, (DateParts{4, 5, 2001}));
        QCOMPARE(readable(t.engine.text), "05/April/2001");
    }

    // A day of one digit is read by where the text came from: typed, it is
    // the tens of a day still being typed; set, pasted or left by a Delete,
    // it is the whole day, before any separator.
    void oneDigitDay_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("typed"); // none: typing never leaves such a text
        QTest::addColumn<QString>("fromOutside");
        QTest::addColumn<int>("editedDay"); // the day read without completing, as a text from outside
        QTest::newRow("1 before a slash") << 0 << "4/1/2001" << "04/10/2001" << "04/01/2001" << 1;
        QTest::newRow("3 before a slash") << 0 << "1/3/2001" << "01/30/2001" << "01/03/2001" << 3;
        QTest::newRow("a digit above 3") << 0 << "04/7/2001" << "04/07/2001" << "04/07/2001" << 7;
        QTest::newRow("two digits") << 0 << "04/17/2001" << "04/17/2001" << "04/17/2001" << 17;
        QTest::newRow("1 before a dash") << 6 << "1-Mar-01" << QString() << "01-Mar-01" << 1;
    }
    void oneDigitDay()
    {
        QFETCH(int, format);
        QFETCH(QString, given);
        QFETCH(QString, typed);
        QFETCH(QString, fromOutside);
        QFETCH(int, editedDay);
        TestEngine t(format);
        DateParts date;
        if (!typed.isNull()) {
            QCOMPARE(t.engine.ParseDateText(given.toStdString(), date, parsePlain), dateAccepted);
            QCOMPARE(readable(t.engine.text), typed);
        }
        QCOMPARE(t.engine.ParseSetText(given.toStdString(), date, parsePlain), dateAccepted);
        QCOMPARE(readable(t.engine.text), fromOutside);
        t.engine.text = given.toStdString();
        QCOMPARE(t.engine.ReformatText(parsePlain, DayDigits::given), dateAccepted);
        QCOMPARE(readable(t.engine.text), fromOutside);
        QCOMPARE(int(t.engine.ParseEditText(given.toStdString(), DayDigits::given).day), editedDay);
    }

    void julian_data()
    {
        QTest::addColumn<bool>("allowBlank");
        QTest::addColumn<QString>("given");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("text");
        const QString kept = "2452017";
        const QString today = julianText(fixedToday);
        QTest::newRow("a day number") << false << "2451545" << 0 << 0 << "2451545";
        QTest::newRow("written in its plain form") << false << " 2451545xyz" << 0 << 0 << "2451545";
        QTest::newRow("0 is the blank date") << true << "0" << 0 << 0 << "0";
        QTest::newRow("no number is the blank date") << true << "abc" << 0 << 0 << "0";
        QTest::newRow("0 completed to today") << false << "0" << 0 << 0 << today;
        QTest::newRow("past 9999: refused, Text kept") << false << "99999999" << 0 << 380 << kept;
        QTest::newRow("negative: refused, Text kept") << false << "-5" << 0 << 380 << kept;
        QTest::newRow("past 9999 becomes today in mode 1") << false << "99999999" << 1 << 0 << today;
    }
    void julian()
    {
        QFETCH(bool, allowBlank);
        QFETCH(QString, given);
        QFETCH(int, mode);
        QFETCH(int, result);
        QFETCH(QString, text);
        TestEngine t(formatJulian);
        t.show("2452017");
        t.engine.allowBlank = allowBlank;
        DateParts date;
        QCOMPARE(t.engine.ParseDateText(given.toStdString(), date, mode), result);
        QCOMPARE(readable(t.engine.text), text);
        QCOMPARE(t.engine.fields()[0].length, int(t.engine.text.size()));
    }

    // Two-digit years land in the window that MinYear and MaxYear span.
    void window_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("shortDate");
        QTest::addColumn<DateBounds>("bounds");
        QTest::addColumn<QString>("given");
        QTest::addColumn<int>("year");
        const DateBounds window = withYears(1950, 2049);
        QTest::newRow("20 is 2020") << 6 << "" << window << "01-Jan-20" << 2020;
        QTest::newRow("97 is 1997") << 6 << "" << window << "01-Jan-97" << 1997;
        QTest::newRow("50 is 1950") << 6 << "" << window << "01-Jan-50" << 1950;
        QTest::newRow("49 is 2049") << 6 << "" << window << "01-Jan-49" << 2049;
        QTest::newRow("four digits typed into two") << 6 << "" << window << "01-Jan-1997" << 1997;
        QTest::newRow("default bounds: 97 is the year 97") << 6 << "" << DateBounds{} << "01-Jan-97" << 97;
        QTest::newRow("outside a narrow window: MinYear") << 6 << "" << withYears(1960, 2040) << "01-Jan-50" << 1960;
        QTest::newRow("a single y is windowed too") << 4 << "M/d/y" << window << "4/17/01" << 2001;
    }
    void window()
    {
        QFETCH(int, format);
        QFETCH(QString, shortDate);
        QFETCH(DateBounds, bounds);
        QFETCH(QString, given);
        QFETCH(int, year);
        TestEngine t(format);
        if (!shortDate.isEmpty())
            t.intl["sShortDate"] = shortDate.toStdString();
        t.engine.bounds = bounds;
        t.engine.currentField = 2;
        DateParts date;
        QCOMPARE(t.engine.ParseDateText(given.toStdString(), date, parsePlain), dateAccepted);
        QCOMPARE(int(date.year), year);
        QCOMPARE(int(t.engine.currentYear()), year);
    }

    // Showing a date never changes the year the control remembers.
    void formattingKeepsTheCurrentYear()
    {
        TestEngine t(formatGeneral);
        t.intl["sShortDate"] = "M/d/y";
        t.engine.setCurrentYear(2001);
        QCOMPARE(readable(t.engine.FormatDateText({4, 17, 2001})), "4/17/01");
        QCOMPARE(t.engine.currentYear(), std::int16_t(2001));
    }

    void zeroFlagFromTheYear()
    {
        TestEngine t;
        DateParts date;
        t.engine.ParseSetText("04/17/2001", date, parseInvalidToday);
        QVERIFY(t.engine.zeroFlag);
        t.engine.ParseSetText("04/17/1999", date, parseInvalidToday);
        QVERIFY(!t.engine.zeroFlag);
        // Plain reading leaves the flag alone.
        t.engine.zeroFlag = true;
        t.engine.ParseDateText("04/17/1999", date, parsePlain);
        QVERIFY(t.engine.zeroFlag);
    }

    // Reading while editing neither completes, repairs nor writes.
    void editText_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("allowBlank");
        QTest::addColumn<QString>("given");
        QTest::addColumn<DateParts>("date");
        QTest::newRow("a blank day stays blank") << 0 << false << "04/  /2001" << DateParts{4, 0, 2001};
        QTest::newRow("blanks in the year count as zeros") << 0 << false << "04/17/20  " << DateParts{4, 17, 2000};
        QTest::newRow("a Julian text") << 1 << false << "2451545" << DateParts{1, 1, 2000};
        QTest::newRow("empty, blanks allowed") << 0 << true << "" << DateParts{};
        QTest::newRow("empty is today") << 0 << false << "" << fixedToday;
        QTest::newRow("a month name") << 2 << false << "march 5, 2001" << DateParts{3, 5, 2001};
    }
    void editText()
    {
        QFETCH(int, format);
        QFETCH(bool, allowBlank);
        QFETCH(QString, given);
        QFETCH(DateParts, date);
        TestEngine t(format);
        t.engine.allowBlank = allowBlank;
        const std::string before = t.engine.text;
        QCOMPARE(t.engine.ParseEditText(given.toStdString()), date);
        QCOMPARE(t.engine.text, before);
        QCOMPARE(t.engine.currentYear(), date.year);
    }

    void blanksInYearWhenReading()
    {
        // The same text read for good: the blank ends the year.
        TestEngine t;
        DateParts date;
        QCOMPARE(t.engine.ParseDateText("04/17/20  ", date, parsePlain), dateAccepted);
        QCOMPARE(readable(t.engine.text), "04/17/0020");
    }

    // Rewriting Text in the current format, converting from the one it was
    // last written in, and putting the caret back into a field.
    void reformat_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::newRow("normal to verbose") << 0 << 2 << "04/17/2001" << 2 << 3 << 0 << 0 << "April 17, 2001" << 13;
        QTest::newRow("normal to julian") << 0 << 1 << "01/01/2000" << 1 << 0 << 0 << 0 << "2451545" << 0;
        QTest::newRow("julian to normal") << 1 << 0 << "2451545" << 0 << 2 << 0 << 0 << "01/01/2000" << 2;
        QTest::newRow("an empty field: back to one with text") << 0 << 4 << "04/17/2001" << 4 << 0 << 0 << 0
                                                               << "4/17/01" << 5;
        QTest::newRow("an offset past the field") << 0 << 0 << "04/17/2001" << 0 << 9 << 0 << 0 << "04/17/2001"
                                                  << 3;
        QTest::newRow("focus loss carries 31 April") << 0 << 0 << "04/31/2001" << 1 << 1 << 3 << 0 << "05/01/2001"
                                                     << 4;
        QTest::newRow("refused: Text kept") << 0 << 0 << "04/31/2001" << 1 << 1 << 0 << 380 << "04/31/2001" << 4;
    }
    void reformat()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, shown);
        QFETCH(int, field);
        QFETCH(int, offset);
        QFETCH(int, mode);
        QFETCH(int, result);
        QFETCH(QString, text);
        QFETCH(int, caret);
        TestEngine t(from);
        t.engine.text = shown.toStdString();
        t.engine.FormatDateText({1, 1, 2000}); // the field table of the old format
        t.engine.dateFormat = std::int16_t(to);
        t.engine.currentField = field;
        t.engine.caretOffset = offset;
        QCOMPARE(t.engine.ReformatText(mode), result);
        QCOMPARE(readable(t.engine.text), text);
        QCOMPARE(t.engine.previousFormat, std::int16_t(to));
        QCOMPARE(t.engine.caretPosition, caret);
    }
};

QTEST_APPLESS_MAIN(tst_DateParser)
#include "tst_dateparser.moc"
