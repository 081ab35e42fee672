#include "controls/dateinput/DateEngine.h"
#include "EngineFixture.h"

#include <QtTest>

using namespace dateinput;
using enginetest::readable;
using enginetest::TestEngine;

using Profile = QMap<QString, QString>;
Q_DECLARE_METATYPE(Profile)

namespace {

void applyProfile(TestEngine& t, const Profile& profile)
{
    for (auto it = profile.begin(); it != profile.end(); ++it)
        t.intl[it.key().toStdString()] = it.value().toStdString();
}

} // namespace

class tst_DateFormats : public QObject {
    Q_OBJECT

private slots:
    // The eight display formats with the system's default patterns, each read
    // back to the same date (two-digit years windowed into 1950-2049).
    void formats_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<DateParts>("date");
        QTest::addColumn<QString>("shown");
        const DateParts y2k{1, 1, 2000};
        const DateParts april{4, 17, 2001};
        QTest::newRow("normal") << 0 << y2k << "01/01/2000";
        QTest::newRow("julian") << 1 << y2k << "2451545";
        QTest::newRow("verbose") << 2 << y2k << "January 1, 2000";
        QTest::newRow("vww") << 3 << y2k << "Saturday, January 1, 2000";
        QTest::newRow("general") << 4 << y2k << "1/1/00";
        QTest::newRow("longty") << 5 << y2k << "Saturday, January 01, 00";
        QTest::newRow("mediumty") << 6 << y2k << "01-Jan-00";
        QTest::newRow("shortty") << 7 << y2k << "1/1/00";
        QTest::newRow("normal, April") << 0 << april << "04/17/2001";
        QTest::newRow("julian, April") << 1 << april << "2452017";
        QTest::newRow("verbose, April") << 2 << april << "April 17, 2001";
        QTest::newRow("vww, April") << 3 << april << "Tuesday, April 17, 2001";
        QTest::newRow("general, April") << 4 << april << "4/17/01";
        QTest::newRow("longty, April") << 5 << april << "Tuesday, April 17, 01";
        QTest::newRow("mediumty, April") << 6 << april << "17-Apr-01";
        QTest::newRow("shortty, April") << 7 << april << "4/17/01";
    }
    void formats()
    {
        QFETCH(int, format);
        QFETCH(DateParts, date);
        QFETCH(QString, shown);
        TestEngine t(format);
        t.engine.bounds.minYear = 1950;
        t.engine.bounds.maxYear = 2049;
        QCOMPARE(readable(t.engine.FormatDateText(date)), shown);

        DateParts read;
        QCOMPARE(t.engine.ParseDateText(shown.toStdString(), read, parsePlain), dateAccepted);
        QCOMPARE(read, date);
        QCOMPARE(readable(t.engine.text), shown);
    }

    // A blank date: blanks where blanks are allowed and the zero flag is
    // clear, zeros otherwise; names are blank either way, weekdays are words.
    void blankDate_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("allowBlank");
        QTest::addColumn<bool>("zeroFlag");
        QTest::addColumn<QString>("shown");
        QTest::newRow("normal, blanks") << 0 << true << false << "  /  /    ";
        QTest::newRow("normal, blanks not allowed") << 0 << false << false << "00/00/0000";
        QTest::newRow("normal, zero flag") << 0 << true << true << "00/00/0000";
        QTest::newRow("julian") << 1 << true << false << "0";
        QTest::newRow("julian, blanks not allowed") << 1 << false << false << "0";
        QTest::newRow("verbose, blanks") << 2 << true << false << "      ,     ";
        QTest::newRow("verbose, zeros") << 2 << false << false << "     0, 0000";
        QTest::newRow("vww, blanks") << 3 << true << false << "WeekDay,       ,     ";
        QTest::newRow("vww, zeros") << 3 << false << false << "WeekDay,      0, 0000";
        QTest::newRow("general, blanks") << 4 << true << false << " / /  ";
        QTest::newRow("general, zeros") << 4 << false << false << "0/0/00";
        QTest::newRow("longty, blanks") << 5 << true << false << "WeekDay,        ,   ";
        QTest::newRow("longty, zeros") << 5 << false << false << "WeekDay,      00, 00";
        QTest::newRow("mediumty, blanks") << 6 << true << false << "  -   -  ";
        QTest::newRow("mediumty, zeros") << 6 << false << true << "00-   -00";
    }
    void blankDate()
    {
        QFETCH(int, format);
        QFETCH(bool, allowBlank);
        QFETCH(bool, zeroFlag);
        QFETCH(QString, shown);
        TestEngine t(format);
        t.engine.allowBlank = allowBlank;
        t.engine.zeroFlag = zeroFlag;
        QCOMPARE(readable(t.engine.FormatDateText({})), shown);
    }

    void partlyBlankDate_data()
    {
        QTest::addColumn<QString>("shortDate");
        QTest::addColumn<DateParts>("date");
        QTest::addColumn<QString>("shown");
        QTest::newRow("a blank day makes the weekday a word") << "ddd' 'M/d/yy" << DateParts{1, 0, 2000}
                                                            << "Day 1/0/00";
        QTest::newRow("the same date whole") << "ddd' 'M/d/yy" << DateParts{1, 1, 2000} << "Sat 1/1/00";
        QTest::newRow("a month past 12 has no name") << "MMM/d/yyyy" << DateParts{13, 1, 2000} << "/1/2000";
        QTest::newRow("a blank month has a blank name") << "MMMM/d/yyyy" << DateParts{0, 1, 2000} << "    /1/2000";
    }
    void partlyBlankDate()
    {
        QFETCH(QString, shortDate);
        QFETCH(DateParts, date);
        QFETCH(QString, shown);
        TestEngine t(formatGeneral);
        t.intl["sShortDate"] = shortDate.toStdString();
        QCOMPARE(readable(t.engine.FormatDateText(date)), shown);
    }

    // Long-date patterns from the profile without quotes have their literal
    // runs quoted; the date separator alone stays a separator.
    void longDatePatterns_data()
    {
        QTest::addColumn<Profile>("profile");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("twoDigitYear");
        QTest::newRow("blanks and commas") << Profile{{"sLongDate", "dddd, MMMM dd, yyyy"}}
                                           << "Saturday, January 01, 2000" << false;
        QTest::newRow("the separator stays unquoted") << Profile{{"sLongDate", "d/M/yyyy"}} << "1/1/2000" << false;
        QTest::newRow("another separator") << Profile{{"sLongDate", "d. M. yyyy"}, {"sDate", "."}} << "1.1.2000"
                                           << false;
        QTest::newRow("points that are no separator") << Profile{{"sLongDate", "yyyy.MM.dd"}} << "2000.01.01"
                                                      << false;
        QTest::newRow("a literal after the day") << Profile{{"sLongDate", "dddd d. MMMM yyyy"}}
                                                 << "Saturday 1. January 2000" << false;
        QTest::newRow("a literal open at the end") << Profile{{"sLongDate", "dddd, MMMM dd, yyyy."}}
                                                   << "Saturday, January 01, 2000." << false;
        QTest::newRow("a pattern with quotes is taken as it is")
            << Profile{{"sLongDate", "dddd', 'MMMM d yyyy"}} << "Saturday, January12000" << false;
        QTest::newRow("a two-digit year") << Profile{{"sLongDate", "MMMM d, yy"}} << "January 1, 00" << true;
    }
    void longDatePatterns()
    {
        QFETCH(Profile, profile);
        QFETCH(QString, shown);
        QFETCH(bool, twoDigitYear);
        TestEngine t(formatLongty);
        applyProfile(t, profile);
        QCOMPARE(readable(t.engine.FormatDateText({1, 1, 2000})), shown);
        QCOMPARE(t.engine.IsTwoDigitYearFormat(formatLongty), twoDigitYear);
    }

    void quoteLongDate()
    {
        QCOMPARE(QString::fromStdString(quoteLongDateLiterals("dddd, MMMM dd, yyyy", '/')),
                 "dddd', 'MMMM' 'dd', 'yyyy");
        QCOMPARE(QString::fromStdString(quoteLongDateLiterals("d/M/yyyy", '/')), "d/M/yyyy");
        QCOMPARE(QString::fromStdString(quoteLongDateLiterals("yyyy.", '/')), "yyyy'.");
    }

    void separator_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<Profile>("profile");
        QTest::addColumn<QString>("shown");
        QTest::newRow("normal, the system's separator") << 0 << Profile{{"sDate", "-"}} << "04-17-2001";
        QTest::newRow("only the first character counts") << 0 << Profile{{"sDate", ".-"}} << "04.17.2001";
        QTest::newRow("an empty separator is the slash") << 0 << Profile{{"sDate", ""}} << "04/17/2001";
        QTest::newRow("short pattern in its own separator")
            << 4 << Profile{{"sDate", "."}, {"sShortDate", "d.M.yyyy"}} << "17.4.2001";
        QTest::newRow("a slash that is not the separator is dropped")
            << 4 << Profile{{"sDate", "."}, {"sShortDate", "d/M/yyyy"}} << "1742001";
        QTest::newRow("mediumty keeps its dashes") << 6 << Profile{{"sDate", "."}} << "17-Apr-01";
    }
    void separator()
    {
        QFETCH(int, format);
        QFETCH(Profile, profile);
        QFETCH(QString, shown);
        TestEngine t(format);
        applyProfile(t, profile);
        QCOMPARE(readable(t.engine.FormatDateText({4, 17, 2001})), shown);
    }

    // Which formats show a two-digit year decides windowing and completion.
    void twoDigitYearFormats_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<Profile>("profile");
        QTest::addColumn<bool>("twoDigit");
        for (int format : {0, 1, 2, 3})
            QTest::addRow("format %d", format) << format << Profile{} << false;
        QTest::newRow("mediumty") << 6 << Profile{} << true;
        QTest::newRow("general, default") << 4 << Profile{} << true;
        QTest::newRow("shortty, default") << 7 << Profile{} << true;
        QTest::newRow("longty, default") << 5 << Profile{} << true;
        QTest::newRow("general, four digits") << 4 << Profile{{"sShortDate", "M/d/yyyy"}} << false;
        QTest::newRow("longty, four digits") << 5 << Profile{{"sLongDate", "dddd, MMMM dd, yyyy"}} << false;
        QTest::newRow("a single y shows two digits too") << 4 << Profile{{"sShortDate", "M/d/y"}} << true;
        QTest::newRow("the first run decides") << 7 << Profile{{"sShortDate", "yyyy/M/d yy"}} << false;
        QTest::newRow("a y in quotes is no year") << 4 << Profile{{"sShortDate", "'day' d/M/yyyy"}} << false;
    }
    void twoDigitYearFormats()
    {
        QFETCH(int, format);
        QFETCH(Profile, profile);
        QFETCH(bool, twoDigit);
        TestEngine t;
        applyProfile(t, profile);
        QCOMPARE(t.engine.IsTwoDigitYearFormat(format), twoDigit);
    }

    // The field table the caret and the typing code work on.
    void fieldTable()
    {
        TestEngine t(formatVww);
        QCOMPARE(readable(t.engine.FormatDateText({1, 1, 2000})), "Saturday, January 1, 2000");
        QCOMPARE(t.engine.fieldCount(), 4);
        const auto& f = t.engine.fields();
        const int expected[4][4] = {{0, 8, 0, kindWeekday}, {10, 7, 1, kindMonthName}, {18, 1, 1, kindDay},
                                    {21, 4, 1, kindYear4}};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(f[i].start, expected[i][0]);
            QCOMPARE(f[i].length, expected[i][1]);
            QCOMPARE(f[i].editable, bool(expected[i][2]));
            QCOMPARE(f[i].kind, expected[i][3]);
        }
        QCOMPARE(f[4].length, 0);
        QVERIFY(f[5].editable);

        // The Julian number is one field of month kind, and the caret's.
        t.engine.dateFormat = formatJulian;
        t.engine.currentField = 3;
        QCOMPARE(readable(t.engine.FormatDateText({1, 1, 2000})), "2451545");
        QCOMPARE(t.engine.fieldCount(), 1);
        QCOMPARE(f[0].length, 7);
        QCOMPARE(f[0].kind, kindMonth2);
        QCOMPARE(f[1].length, 0);
        QCOMPARE(t.engine.currentField, 0);
    }

    // A pattern with more tokens than the table has fields shows them all;
    // the table holds the first six.
    void moreTokensThanFields()
    {
        TestEngine t(formatGeneral);
        t.intl["sShortDate"] = "d/M/yy/d/M/yy/dddd";
        QCOMPARE(readable(t.engine.FormatDateText({1, 1, 2000})), "1/1/00/1/1/00/Saturday");
        QCOMPARE(t.engine.fieldCount(), 6);
        QCOMPARE(t.engine.fields()[5].start, 11);
        QCOMPARE(t.engine.fields()[5].kind, kindYear2);
        DateParts read;
        QCOMPARE(t.engine.ParseDateText("2/3/04/5/6/07/Monday", read, parsePlain), dateAccepted);
    }

    // A caller's buffer always gets a terminated text, cut where it must be.
    void copyText_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<QByteArray>("copied");
        QTest::newRow("room for all") << 32 << QByteArray("04/17/2001");
        QTest::newRow("exactly room for the zero") << 11 << QByteArray("04/17/2001");
        QTest::newRow("one short") << 10 << QByteArray("04/17/200");
        QTest::newRow("room for the zero alone") << 1 << QByteArray();
        QTest::newRow("no room") << 0 << QByteArray();
    }
    void copyText()
    {
        QFETCH(int, size);
        QFETCH(QByteArray, copied);
        TestEngine t;
        t.engine.text = "04/17/2001";
        QByteArray buffer(40, 'x');
        QCOMPARE(t.engine.copyTextTo(buffer.data(), std::size_t(size)), std::size_t(copied.size()));
        if (size > 0) {
            QCOMPARE(QByteArray(buffer.constData()), copied);
            QCOMPARE(buffer.at(copied.size() + 1), 'x');
        } else {
            QCOMPARE(buffer.at(0), 'x');
        }
    }

    // Runs of letters are counted up to twenty; longer runs start anew.
    void longRuns()
    {
        TestEngine t(formatGeneral);
        t.intl["sShortDate"] = std::string(22, 'M');
        QCOMPARE(readable(t.engine.FormatDateText({4, 17, 2001})), "404");
        QCOMPARE(t.engine.fieldCount(), 2);
    }
};

QTEST_APPLESS_MAIN(tst_DateFormats)
#include "tst_dateformats.moc"
