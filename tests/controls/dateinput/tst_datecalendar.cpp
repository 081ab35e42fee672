#include "controls/dateinput/DateCalendar.h"
#include "controls/dateinput/DateFormats.h"
#include "EngineFixture.h"

#include <QtTest>

#include <climits>

using namespace dateinput;
using enginetest::TestEngine;

class tst_DateCalendar : public QObject {
    Q_OBJECT

private slots:
    // Day numbers are what the Julian display shows and reads; the weekday
    // follows from them, Sunday being 0.
    void julianDays_data()
    {
        QTest::addColumn<DateParts>("date");
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("weekday");
        QTest::newRow("first day the control holds") << DateParts{1, 1, 1} << 1721426 << 1;
        QTest::newRow("first day of the Gregorian reform") << DateParts{10, 15, 1582} << 2299161 << 5;
        QTest::newRow("1 January 1970") << DateParts{1, 1, 1970} << 2440588 << 4;
        QTest::newRow("1 January 2000") << DateParts{1, 1, 2000} << 2451545 << 6;
        QTest::newRow("leap day 2000") << DateParts{2, 29, 2000} << 2451604 << 2;
        QTest::newRow("1 March 2000, after a leap day") << DateParts{3, 1, 2000} << 2451605 << 3;
        QTest::newRow("the question window's date") << DateParts{4, 17, 2001} << 2452017 << 2;
        QTest::newRow("last day the control holds") << DateParts{12, 31, 9999} << 5373484 << 5;
    }
    void julianDays()
    {
        QFETCH(DateParts, date);
        QFETCH(int, number);
        QFETCH(int, weekday);
        QCOMPARE(DateToJulianDay(date), long(number));
        DateParts back;
        QVERIFY(julianDayToParts(number, back));
        QCOMPARE(back, date);
        TestEngine t;
        QCOMPARE(t.engine.WeekdayOf(date), weekday);
    }

    void julianEdges()
    {
        QCOMPARE(DateToJulianDay({4, 0, 2001}), 0L);
        QCOMPARE(DateToJulianDay({0, 17, 2001}), 0L);
        DateParts date{4, 17, 2001};
        QVERIFY(julianDayToParts(0, date));
        QCOMPARE(date, DateParts{});

        // Numbers past either end are refused and leave the date alone.
        for (const long n : {firstJulianDay - 1, lastJulianDay + 1, -2451545L, long(INT_MAX), long(INT_MIN)}) {
            DateParts kept{4, 17, 2001};
            QVERIFY2(!julianDayToParts(n, kept), qPrintable(QString::number(n)));
            QCOMPARE(kept, (DateParts{4, 17, 2001}));
        }
        TestEngine t;
        QCOMPARE(t.engine.WeekdayOf({4, 0, 2001}), -1);
    }

    // Every day of the control's range turns into its number and back.
    void julianRoundTripWholeRange()
    {
        for (long n = firstJulianDay; n <= lastJulianDay; ++n) {
            DateParts date;
            if (!julianDayToParts(n, date) || DateToJulianDay(date) != n)
                QFAIL(qPrintable(QString("day number %1 does not come back").arg(n)));
        }
    }

    // The date normaliser carries days and months over as a calendar does.
    void normaliser_data()
    {
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month0");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("result");
        QTest::addColumn<DateParts>("normal");
        QTest::newRow("30 February 1999") << 30 << 1 << 1999 << 0 << DateParts{3, 2, 1999};
        QTest::newRow("30 February 2000, a leap year") << 30 << 1 << 2000 << 0 << DateParts{3, 1, 2000};
        QTest::newRow("31 April") << 31 << 3 << 2001 << 0 << DateParts{5, 1, 2001};
        QTest::newRow("day 0 is the last of the month before") << 0 << 0 << 2000 << 0 << DateParts{12, 31, 1999};
        QTest::newRow("month 12 is January next year") << 5 << 12 << 1999 << 0 << DateParts{1, 5, 2000};
        QTest::newRow("month -1 is December the year before") << 5 << -1 << 2000 << 0 << DateParts{12, 5, 1999};
        QTest::newRow("1 March 1900, not a leap year") << 29 << 1 << 1900 << 0 << DateParts{3, 1, 1900};
        QTest::newRow("year 0") << 1 << 0 << 0 << -1 << DateParts{};
        QTest::newRow("year 10000") << 1 << 0 << 10000 << -1 << DateParts{};
        QTest::newRow("carried past 9999") << 32 << 11 << 9999 << -1 << DateParts{};
        QTest::newRow("carried before year 1") << 0 << 0 << 1 << -1 << DateParts{};
        QTest::newRow("a negative year") << 1 << 0 << -25536 << -1 << DateParts{};
        QTest::newRow("a huge day count") << INT_MAX << 0 << 2000 << -1 << DateParts{};
    }
    void normaliser()
    {
        QFETCH(int, day);
        QFETCH(int, month0);
        QFETCH(int, year);
        QFETCH(int, result);
        QFETCH(DateParts, normal);
        CalendarRecord record{day, month0, year, -1};
        QCOMPARE(runtimeDateServices().normalise(record), result);
        if (result == 0) {
            QCOMPARE((DateParts{std::int16_t(record.month + 1), std::int16_t(record.day), std::int16_t(record.year)}),
                     normal);
            QCOMPARE(record.weekday, int((DateToJulianDay(normal) + 1) % 7));
        }
    }

    void validateDate_data()
    {
        QTest::addColumn<DateParts>("date");
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<DateParts>("after");
        QTest::newRow("a plain date") << DateParts{4, 17, 2001} << 0 << true << DateParts{4, 17, 2001};
        QTest::newRow("30 February refused") << DateParts{2, 30, 1999} << 0 << false << DateParts{2, 30, 1999};
        QTest::newRow("31 April refused") << DateParts{4, 31, 2001} << 0 << false << DateParts{4, 31, 2001};
        QTest::newRow("29 February of a common year") << DateParts{2, 29, 2001} << 0 << false
                                                      << DateParts{2, 29, 2001};
        QTest::newRow("30 February carried to 2 March") << DateParts{2, 30, 1999} << 3 << true
                                                        << DateParts{3, 2, 1999};
        QTest::newRow("30 February 2000 carried to 1 March") << DateParts{2, 30, 2000} << 3 << true
                                                             << DateParts{3, 1, 2000};
        QTest::newRow("31 April carried to 1 May") << DateParts{4, 31, 2001} << 3 << true << DateParts{5, 1, 2001};
        QTest::newRow("month 13 carried into the next year") << DateParts{13, 1, 2001} << 3 << true
                                                             << DateParts{1, 1, 2002};
        QTest::newRow("a year past 9999 even when carried") << DateParts{1, 1, 32767} << 3 << false
                                                            << DateParts{1, 1, 32767};
    }
    void validateDate()
    {
        QFETCH(DateParts, date);
        QFETCH(int, mode);
        QFETCH(bool, valid);
        QFETCH(DateParts, after);
        TestEngine t;
        QCOMPARE(t.engine.ValidateDate(date, mode), valid);
        QCOMPARE(date, after);
    }

    void daysInMonth_data()
    {
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("days");
        QTest::newRow("February 1999") << 2 << 1999 << 28;
        QTest::newRow("February 2000") << 2 << 2000 << 29;
        QTest::newRow("February 1900") << 2 << 1900 << 28;
        QTest::newRow("February 2004") << 2 << 2004 << 29;
        QTest::newRow("April") << 4 << 2001 << 30;
        QTest::newRow("December") << 12 << 2001 << 31;
        QTest::newRow("a year the normaliser refuses") << 2 << 10000 << 27;
    }
    void daysInMonth()
    {
        QFETCH(int, month);
        QFETCH(int, year);
        QFETCH(int, days);
        TestEngine t;
        QCOMPARE(t.engine.DaysInMonth(month, year), days);
        if (days > 27)
            QCOMPARE(monthLength(month, year), days);
    }

    void parseDigits_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("after");
        QTest::newRow("nothing") << "" << 0 << "";
        QTest::newRow("one digit") << "7" << 7 << "7";
        QTest::newRow("a blank counts as 0") << " 5" << 5 << "05";
        QTest::newRow("a trailing blank counts as 0") << "5 " << 50 << "50";
        QTest::newRow("letters count as 0") << "1a2" << 102 << "102";
        QTest::newRow("five digits") << "00031" << 31 << "00031";
        QTest::newRow("the largest part") << "32767" << 32767 << "32767";
        QTest::newRow("past 16 bits stays large") << "32768" << 32767 << "32768";
        QTest::newRow("99999 is no negative year") << "99999" << 32767 << "99999";
        QTest::newRow("six characters read as 0") << "123456" << 0 << "123456";
    }
    void parseDigits()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        QFETCH(QString, after);
        std::string digits = text.toStdString();
        QCOMPARE(int(ParseDigits(digits)), value);
        QCOMPARE(QString::fromStdString(digits), after);
    }

    void numberFromText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("value");
        QTest::newRow("a day number") << "2451545" << qint64(2451545);
        QTest::newRow("blanks, a sign and trailing letters") << "  -12x" << qint64(-12);
        QTest::newRow("no digits") << "abc" << qint64(0);
        QTest::newRow("too large") << "99999999999" << qint64(INT_MAX);
        QTest::newRow("too small") << "-99999999999" << qint64(INT_MIN);
    }
    void numberFromText()
    {
        QFETCH(QString, text);
        QFETCH(qint64, value);
        QCOMPARE(qint64(runtimeDateServices().numberFromText(text.toStdString())), value);
    }
};

QTEST_APPLESS_MAIN(tst_DateCalendar)
#include "tst_datecalendar.moc"
